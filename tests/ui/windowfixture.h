#pragma once
// A calculator window loaded as at a normal start: a throw-away settings store seeded
// with the default rates, a fixed clock, captured message boxes.

#include "ui/kit/resources.h"
#include "ui/kit/settings.h"
#include "engine/calculatorstate.h"
#include "engine/currencies.h"
#include "ui/main/frmeuro.h"
#include "support/messagecapture.h"
#include "support/testsupport.h"

#include <QDateTime>
#include <QWidget>
#include <memory>

namespace TestSupport {

inline void seedDefaultRates()
{
    const QString app = Euro::AppName();
    Euro::SaveSetting(app, Euro::SectionTaux, Euro::KeyStartRate, Euro::StartRate.toString());
    for (const Euro::Currency &currency : Euro::CurrencyTable)
        Euro::SaveSetting(app, Euro::SectionTaux, currency.code.toString(), currency.defaultRate.toString());
}

// A value of this run's settings store, as the program reads it.
inline QString storedSetting(const QString &section, const QString &key)
{
    return Euro::GetSetting(Euro::AppName(), section, key);
}

// 8 December 2026, 07:24, the moment the tape's date line shows in the tests.
inline QDateTime tapeMoment() { return QDateTime(QDate(2026, 12, 8), QTime(7, 24, 31)); }

struct LoadedWindow {
    ThrowAwaySettings settings;
    FixedClock clock{tapeMoment()};
    MessageCapture messages;
    std::unique_ptr<FrmEuro> window;

    // buildAll: the lists and the tape box are built before the load, so that every control
    // can be looked up by name; without it they are built on first use, as in the program.
    // keys: the rows of the keypad and the keyboard, the calculator's own unless a test adds one.
    explicit LoadedWindow(bool seed = true, bool buildAll = true, std::span<const Euro::KeyRow> keys = Euro::keyTable())
    {
        Euro::registerResources(); // as the program does at start
        if (seed)
            seedDefaultRates();
        window = std::make_unique<FrmEuro>(nullptr, keys);
        if (buildAll)
            window->buildDeferredControls();
        window->show();
    }

    template<typename W = QWidget>
    W *control(const QString &name) const
    {
        return window->findChild<W *>(name);
    }
};

} // namespace TestSupport

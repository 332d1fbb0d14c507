// The calculator window's life: load, close and the end of the session, its geometry in
// twips, and the mirrors of the calculator's displays and of the tape.

#include "ui/main/frmeuro.h"

#include "ui/kit/messageboxes.h"
#include "ui/kit/settings.h"
#include "ui/kit/twips.h"
#include "engine/currencies.h"
#include "engine/ratecheck.h"
#include "engine/spokenamount.h"
#include "platform/topmost.h"
#include "ui/main/tapeprinter.h"
#include "ui/main/displayfit.h"
#include "ui/main/hintlabel.h"
#include "ui/main/keylabel.h"
#include "ui/main/displaybox.h"
#include "ui/main/powerpanel.h"
#include "ui/main/tapepanel.h"
#include "ui/kit/windowkit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QTextCursor>
#include <QTimer>

namespace {

// "Le taux FRF ...", "Les taux DEM, FRF et GRD ...": each code once, in order. The code
// stands beside "taux" as its name; "de" before it would want an article French cannot
// choose for a code.
QString setAsideMessage(QStringList codes)
{
    codes.sort();
    QString names = codes.takeLast();
    if (!codes.isEmpty())
        names = codes.join(QStringLiteral(", ")) + QStringLiteral(" et ") + names;
    if (codes.isEmpty())
        return QStringLiteral("Le taux %1 enregistré dans les paramètres est illisible : le taux officiel est "
                              "utilisé.")
            .arg(names);
    return QStringLiteral("Les taux %1 enregistrés dans les paramètres sont illisibles : les taux officiels sont "
                          "utilisés.")
        .arg(names);
}

} // namespace

FrmEuro::~FrmEuro()
{
    if (qApp)
        disconnect(qApp, nullptr, this, nullptr); // focus changes while the controls go
    // The controls outlive the calculator by a moment while the window is taken apart: no
    // routine of theirs may run then.
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

// ---- Geometry in twips

double FrmEuro::Width() const
{
    // The width last set, as long as the client width is still the one it gave.
    if (m_widthTwips >= 0 && Euro::twipsToPixels(m_widthTwips - FrameWidthTwips) == width())
        return m_widthTwips;
    return Euro::pixelsToTwips(width()) + FrameWidthTwips;
}
double FrmEuro::Height() const
{
    // As the width: the height last set reads back as set at any zoom.
    if (m_heightTwips >= 0 && Euro::twipsToPixels(m_heightTwips - FrameHeightTwips) == height())
        return m_heightTwips;
    return Euro::pixelsToTwips(height()) + FrameHeightTwips;
}
void FrmEuro::setWidth(double twips)
{
    m_widthTwips = twips;
    if (Euro::twipsToPixels(twips - FrameWidthTwips) > ui.fraPapier->x())
        ui.fraPapier->tapeBox(); // the window widens onto the tape
    setFixedWidth(Euro::twipsToPixels(twips - FrameWidthTwips));
    // What the width cuts off is hidden too, not just out of sight: neither Tab nor a screen
    // reader finds it there. The screen shows the same.
    // The purchasing power, when shown, stands in the tape's place, its commands with it.
    const QList<QWidget *> tapeSide{ui.fraPapier, ui.Label3[1], ui.Label3[2], ui.cmdEffacer, ui.cmdImprimer};
    for (QWidget *control : tapeSide)
        control->setVisible(rect().intersects(control->geometry()) && !m_powerShown);
    ui.fraPouvoir->setVisible(rect().intersects(ui.fraPouvoir->geometry()) && m_powerShown);
    if (Euro::zoomFactor() != 1.0)
        keepOnScreen(); // a zoomed tape may reach past the screen's edge
    keepFocusInSight();
}
void FrmEuro::setHeight(double twips)
{
    m_heightTwips = twips;
    setFixedHeight(Euro::twipsToPixels(twips - FrameHeightTwips));
}
// The window's place is on the screen, which no zoom scales.
double FrmEuro::Left() const { return Euro::pixelsToScreenTwips(x()); }
double FrmEuro::Top() const { return Euro::pixelsToScreenTwips(y()); }
void FrmEuro::setLeft(double twips) { move(Euro::screenTwipsToPixels(twips), y()); }
void FrmEuro::setTop(double twips) { move(x(), Euro::screenTwipsToPixels(twips)); }

// ---- Load and close

void FrmEuro::setVisible(bool visible)
{
    // The load runs before the window first appears, so it appears sized, placed and filled.
    if (visible && !m_loaded)
        Form_Load();
    QWidget::setVisible(visible);
}

void FrmEuro::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;

    // Only the calculator part of the design shows; the side panels open later.
    setHeight(4065);
    setWidth(NarrowWidthTwips);
    fitZoomToScreen();

    Euro::centreOnScreen(this, FrameWidthTwips, FrameHeightTwips);

    fillLists();
    // The store is a text file people edit: a rate that is not one is set aside for this run
    // and the legal rate used instead, while the store keeps the user's text as it is. A file
    // that cannot be read at all gives the legal rates, and says so once.
    const QString app = Euro::AppName();
    const bool readable = Euro::storeReadable(app);
    QStringList setAside;           // codes, each once
    bool startRateSetAside = false; // the start rate is kept apart from the currency's own
    const auto storedRate = [&](const QString &key, const QString &code) {
        const QString text = readable ? Euro::GetSetting(app, Euro::SectionTaux, key) : QString();
        if (Euro::checkRate(text) == Euro::RateCheck::Ok)
            return text;
        if (readable && key == Euro::KeyStartRate)
            startRateSetAside = true;
        else if (readable && !setAside.contains(code))
            setAside.append(code);
        return Euro::defaultRate(code);
    };
    m_calculator.loadRates([&storedRate](const QString &code) { return storedRate(code, code); });

    const QString startCode = Euro::StartCurrencyCode.toString();
    keypad().lblDevise->setText(startCode);
    // The start values of the calculator, then "0," into both displays.
    m_calculator.start(storedRate(Euro::KeyStartRate, startCode));
    // The calculator starts kept on top.
    Euro::SetTopMost(this, m_calculator.keepOnTop());
    describeKeepOnTop();

    m_tape.startHeader(m_calculator.modeLine());

    QStringList messages;
    if (const QString notice = Euro::takeStoreNotice(app); !notice.isEmpty())
        messages.append(notice);
    QStringList unreadable;
    if (!setAside.isEmpty())
        unreadable.append(setAsideMessage(setAside));
    if (startRateSetAside)
        unreadable.append(QStringLiteral("Le taux de départ enregistré dans les paramètres (clé « taux ») est "
                                         "illisible : le calcul commence au taux officiel du %1.")
                              .arg(startCode));
    if (!unreadable.isEmpty())
        messages.append(unreadable.join(QStringLiteral("\r\n")));
    // Said once the window is up, over the calculator they are about.
    for (const QString &message : messages)
        QTimer::singleShot(0, this, [message] { Euro::MsgBox(message, Euro::vbExclamation, Euro::appTitle()); });
}

bool FrmEuro::Form_QueryUnload()
{
    const int answer = Euro::MsgBox(QStringLiteral("Voulez-vous vraiment quitter ce programme ?"),
                                    Euro::vbYesNo | Euro::vbQuestion, Euro::appTitle());
    if (answer != Euro::vbYes)
        return false;
    Euro::SaveSetting(Euro::AppName(), Euro::SectionParametres, Euro::KeyRunState, Euro::RunStateInactive);
    return true;
}

void FrmEuro::closeEvent(QCloseEvent *event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    // Refused unless the user confirms.
    event->ignore();
    if (Form_QueryUnload()) {
        event->accept();
        endProgram();
    }
}

void FrmEuro::onCommitDataRequest(QSessionManager &manager)
{
    if (m_ending || !m_loaded)
        return;
    const bool refuse = refusesSessionEnd(manager.allowsInteraction());
    manager.release();
    if (refuse)
        manager.cancel();
}

bool FrmEuro::refusesSessionEnd(bool mayAsk)
{
    // A desktop session that ends asks the same question; No refuses the log-off. When the
    // session allows no question, the program just goes with it.
    if (!mayAsk)
        return false;
    if (!Form_QueryUnload())
        return true;
    hide();
    endProgram();
    return false;
}

void FrmEuro::endProgram()
{
    // At once: no other window closes first and no other routine runs.
    m_ending = true;
    QCoreApplication::exit(0);
}

void FrmEuro::lblBouton_Click(qint16 Index) { runKeyAction({Euro::KeyCommand::Digit, Index}); }
void FrmEuro::Decimal_Click() { runKeyAction({Euro::KeyCommand::Decimal}); }
void FrmEuro::Cancel_Click() { runKeyAction({Euro::KeyCommand::ClearAll}); }
void FrmEuro::CancelEntry_Click() { runKeyAction({Euro::KeyCommand::ClearEntry}); }
void FrmEuro::Operator_Click(qint16 Index) { runKeyAction({Euro::KeyCommand::Operator, Index}); }

// ---- Tape commands

void FrmEuro::cmdEffacer_Click() { m_calculator.clearTape(); }

void FrmEuro::cmdImprimer_Click() { Euro::printTape(this, m_tape.text(), m_calculator.modeLine()); }

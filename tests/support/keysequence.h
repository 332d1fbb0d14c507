#pragma once
// Drives a calculator, or the window's key routines, with a key sequence written as on the
// keypad, so that the tables of the tests read like a calculation: "1 0 0 + 5 0 =",
// "0,1 + 0,2 =", "12 + 5 CE 3 =".
// Tokens are separated by spaces; "C", "CE" and the operators "/ + X - =" are keys of
// their own, "BS" is Backspace, "Effacer" clears the tape, "{text}" pastes text (without spaces), "rate:10" validates that rate for the
// calculator's currency and "decimals:5" chooses the decimals (the calculator only); any
// other token is a run of digit keys and decimal keys (",").

#include "engine/calculator.h"

#include <QString>
#include <QStringList>
#include <type_traits>

namespace TestKeys {

// Presses the keys on anything with the key routines (the calculator, the window);
// returns false (and the bad token in *bad) for an unknown token. The calculator's refused
// operations are added to *refused, as the window's message says them.
template<typename Keys>
bool press(Keys &calc, const QString &keys, QString *bad = nullptr, QStringList *refused = nullptr)
{
    const QStringList tokens = keys.split(u' ', Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        if (token == QLatin1String("C")) {
            calc.Cancel_Click();
        } else if (token == QLatin1String("CE")) {
            calc.CancelEntry_Click();
        } else if (token == QLatin1String("BS")) {
            if constexpr (requires { calc.eraseLastDigit(); })
                calc.eraseLastDigit();
            else
                calc.calculator().eraseLastDigit(); // the window: no key of its own
        } else if (token == QLatin1String("Effacer")) {
            if constexpr (requires { calc.clearTape(); })
                calc.clearTape();
            else
                calc.cmdEffacer_Click();
        } else if (token.startsWith(u'{') && token.endsWith(u'}')) {
            if constexpr (requires { calc.enterAmount(QStringView()); })
                calc.enterAmount(QStringView(token).sliced(1, token.size() - 2)); // refused: nothing changes
            else
                return false;
        } else if (token.startsWith(QLatin1String("rate:")) || token.startsWith(QLatin1String("decimals:"))) {
            const QString value = token.section(u':', 1);
            if constexpr (requires { calc.setDecimalPlaces(qint16()); }) {
                if (token.startsWith(u'r'))
                    calc.setRate(calc.currencyCode(), value);
                else
                    calc.setDecimalPlaces(qint16(value.toShort()));
            } else {
                return false;
            }
        } else if (token.size() == 1 && QStringLiteral("/+X-=").contains(token)) {
            const qint16 op = qint16(QStringLiteral("/+X-=").indexOf(token));
            if constexpr (std::is_same_v<decltype(calc.Operator_Click(op)), OperatorOutcome>) {
                const OperatorOutcome outcome = calc.Operator_Click(op);
                if (refused && outcome != OperatorOutcome::Done)
                    *refused << Euro::refusalReason(outcome) + u'.';
            } else {
                calc.Operator_Click(op);
            }
        } else {
            for (QChar c : token) {
                if (c == u',') {
                    calc.Decimal_Click();
                } else if (c >= u'0' && c <= u'9') {
                    calc.lblBouton_Click(qint16(c.unicode() - u'0'));
                } else {
                    if (bad)
                        *bad = token;
                    return false;
                }
            }
        }
    }
    return true;
}

// "\n" written for CR LF, so expected tape texts stay readable.
inline QString crlf(const QString &lines)
{
    QString out = lines;
    out.replace(u'\n', QStringLiteral("\r\n"));
    return out;
}

} // namespace TestKeys

#pragma once
// What an amount of one year is worth in money of another year, from INSEE's consumer
// price index: amount × index(B) / index(A), each amount in the money of its own year.
//
// The money of a year: anciens francs before 1960 (100 AF = 1 F from 1 January 1960),
// francs from 1960 to 2001, euros from 2002 (1 € = 6,55957 F, the franc's fixed rate of
// the currency table). The calculator keys francs ("FRF") or euros ("EUR"): a franc is the
// franc of its year (an ancien franc before 1960, a franc after), and an amount keyed in
// the other money than its year's is first expressed in its year's at the fixed rate (100
// francs keyed for 2010 are 15,24 € of 2010; 100 € keyed for 1955 are 65 595,7 anciens
// francs). The index is blind to the changes of unit: they are made at the fixed rates.
// Everything is exact; the result alone is rounded, half up, to its unit's hundredth.
//
// The index is published to the hundredth, so an early year's is coarse (1901's is 0,03):
// each outcome carries how far the result may be off for that reason alone.

#include "engine/amount.h"
#include "engine/priceindex.h"
#include "engine/purchasingpowerreading.h"

#include <QString>
#include <QStringView>

namespace Euro::PurchasingPower {

// The money of a year's amounts.
Money moneyOf(int year);

// The unit's word after an amount, as French writes it: "ancien franc" below 2 and
// "anciens francs" from 2 on, "F", "€".
QString unitWord(Money money, const Amount &amount);

// Above this relative uncertainty (0,5 %) the result is said to be imprecise.
const Amount &precisionThreshold();

struct Outcome {
    Refusal refusal = Refusal::NotAnAmount;
    int fromYear = 0;
    int toYear = 0;
    Amount keyed;                    // the amount as keyed
    Money keyedMoney = Money::Euro;  // its money
    Amount inYearMoney;              // the same amount in its year's money, exact
    Money fromMoney = Money::Euro;   // that money
    Amount result;                   // its worth in money of toYear, rounded to the hundredth
    Money resultMoney = Money::Euro; // that money
    Amount resultInEuros;            // the worth at the fixed rate in euros, rounded (result itself in euros)
    Amount uncertainty;              // relative: half the spread the indices' half-hundredths allow, over the result
    bool imprecise = false;          // uncertainty above the threshold
    bool ok() const { return refusal == Refusal::None; }
};

// amount, keyed in unitCode ("FRF" or "EUR"), of fromYear, in money of toYear.
Outcome convert(const Amount &amount, QStringView unitCode, int fromYear, int toYear);
// The same for a display's text ("100,"), refused when it is not a number.
Outcome convert(QStringView displayText, QStringView unitCode, int fromYear, int toYear);

// The texts of an outcome, numbers in the number text form; empty for a refusal.
// « 100 F de 1985 valent 31,86 € de 2025 »; « 100 anciens francs de 1955 valent 8,17 F de
// 1985, soit 1,24 € »; the amount in its year's money follows when it was keyed in another:
// « 100 € de 1985 (655,96 F) valent 208,99 € de 2025 »; « 1 € de 2010 vaut ... » below 2.
QString sentence(const Outcome &outcome);
// The tape's line: « 100 F de 1985 = 31,86 € de 2025 (Insee) ».
QString tapeLine(const Outcome &outcome);
// When the outcome is imprecise: « Résultat à ±17 % près : l'indice de 1901, 0,03, n'est
// publié qu'au centième. »; empty otherwise.
QString precisionNote(const Outcome &outcome);

} // namespace Euro::PurchasingPower

#pragma once
// The twelve former euro-zone currencies.
//
// One constant table holds the codes, the list texts and the default rate texts in the
// program's own order: the order in which first-run seeding writes the rates and in which
// the window adds the list texts. Rates travel as text with a decimal comma.

#include <QString>
#include <QStringList>
#include <array>

namespace Euro {

struct Currency {
    QStringView code;        // "FRF"
    QStringView listText;    // "FRF - Franc Français": the code is its first three characters
    QStringView defaultRate; // "6,55957": units of the currency for one euro
    QStringView singular;    // "franc français": what a screen reader says after 1
    QStringView plural;      // "francs français": after 2 and more
    QStringView marks = {};  // "F FF": the short marks people write after an amount, besides the code
};

// The euro's code, as the displays, the copied amounts and the marks name it.
inline constexpr QStringView EuroCode = u"EUR";

inline constexpr int CurrencyCount = 12;

inline constexpr std::array<Currency, CurrencyCount> CurrencyTable{{
    {u"FRF", u"FRF - Franc Français", u"6,55957", u"franc français", u"francs français", u"F FF"},
    {u"BEF", u"BEF - Franc Belge", u"40,3399", u"franc belge", u"francs belges"},
    {u"LUF", u"LUF - Franc Luxembourgeois", u"40,3399", u"franc luxembourgeois", u"francs luxembourgeois"},
    {u"ATS", u"ATS - Schilling Autrichien", u"13,7603", u"schilling autrichien", u"schillings autrichiens"},
    {u"NLG", u"NLG - Florin Néerlandais", u"2,20371", u"florin néerlandais", u"florins néerlandais"},
    {u"PTE", u"PTE - Escudo Portugais", u"200,482", u"escudo portugais", u"escudos portugais"},
    {u"ESP", u"ESP - Peseta espagnole", u"166,386", u"peseta espagnole", u"pesetas espagnoles"},
    {u"IEP", u"IEP - Livre Irlandaise", u"0,787564", u"livre irlandaise", u"livres irlandaises"},
    {u"DEM", u"DEM - Mark Allemand", u"1,95583", u"mark allemand", u"marks allemands", u"DM"},
    {u"GRD", u"GRD - Drachme grecque", u"340,750", u"drachme grecque", u"drachmes grecques"},
    {u"ITL", u"ITL - Lire Italienne", u"1936,27", u"lire italienne", u"lires italiennes"},
    {u"FIM", u"FIM - Mark Finlandais", u"5,94573", u"mark finlandais", u"marks finlandais"},
}};

// The start currency, and the rate seeded under the key "taux".
inline constexpr QStringView StartCurrencyCode = u"FRF";
inline constexpr QStringView StartRate = u"6,55957";

// The list texts in the program's order, sorted as a list box sorts them (ascending,
// case-insensitive): the order of the codes, ATS ... PTE.
QStringList sortedListTexts();

// The table's entry for a code, or none.
const Currency *currencyOf(QStringView code);

// The legal rate text of a code from the table ("6,55957" for "FRF"); empty when unknown.
QString defaultRate(QStringView code);

} // namespace Euro

#pragma once
// INSEE's yearly consumer price index (series 011813530), the figures of
// data/insee-011813530.csv made into a table at build time: the program reads no file to
// know them. Each year's index is held as an exact integer of hundredths, as INSEE
// publishes it to two decimals (4785 for 47,85); the base year's is 10000.

namespace Euro::PriceIndex {

int firstYear(); // 1901
int lastYear();  // the file's last year
int baseYear();  // the year whose index is 100,00

// The index of a year in hundredths, above zero; 0 for a year outside the table.
int hundredths(int year);

} // namespace Euro::PriceIndex

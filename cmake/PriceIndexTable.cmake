# Turns INSEE's yearly price index (data/insee-011813530.csv) into the engine's table of
# exact hundredths, at build time, so the program reads no file at start.
#   cmake -DCSV=<insee-011813530.csv> -DOUT=<priceindextable.cpp> -P PriceIndexTable.cmake
# The file is checked as it is read, and the build stops at the first fault, naming its
# line: lines starting with "#" are its source header, then "annee;indice", then one line
# "year;index" a year, consecutive from 1901, each index positive with two decimals
# ("0.03", "100.00"). The base year is the one whose index is 100.00. (The messages start
# with a space so that CMake prints each on one line, as written.)

set(first_year 1901)

if(NOT EXISTS "${CSV}")
  message(FATAL_ERROR " Price index: no file ${CSV}")
endif()
file(READ "${CSV}" content)
# One list item a line: the semicolons and brackets a line holds must not split or join items.
string(REPLACE "\r" "" content "${content}")
string(REPLACE ";" "|" content "${content}")
string(REPLACE "[" "(" content "${content}")
string(REPLACE "]" ")" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

function(fail number text why)
  string(REPLACE "|" ";" text "${text}")
  message(FATAL_ERROR " Price index ${CSV}, line ${number}: ${why}: \"${text}\"")
endfunction()

set(number 0)
set(columns_seen FALSE)
set(expected ${first_year})
set(base_year "")
set(rows "")
foreach(line IN LISTS lines)
  math(EXPR number "${number} + 1")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT columns_seen)
    if(NOT line STREQUAL "annee|indice")
      fail(${number} "${line}" "the column header \"annee;indice\" is expected first, after the source header")
    endif()
    set(columns_seen TRUE)
    continue()
  endif()
  if(NOT line MATCHES "^([0-9][0-9][0-9][0-9])\\|([0-9]+)\\.([0-9][0-9])$")
    fail(${number} "${line}" "not \"year;index\" with a four-digit year and an index with two decimals (\"47.85\")")
  endif()
  set(year ${CMAKE_MATCH_1})
  string(LENGTH "${CMAKE_MATCH_2}" units)
  if(units GREATER 5)
    fail(${number} "${line}" "an index of more than five digits before the point")
  endif()
  math(EXPR hundredths "${CMAKE_MATCH_2}${CMAKE_MATCH_3}")
  if(expected EQUAL first_year AND NOT year EQUAL first_year)
    fail(${number} "${line}" "the table starts in ${first_year}")
  elseif(year LESS expected)
    fail(${number} "${line}" "year ${year} a second time, or out of order after ${previous}")
  elseif(year GREATER expected)
    fail(${number} "${line}" "year ${expected} is missing")
  endif()
  if(hundredths LESS_EQUAL 0)
    fail(${number} "${line}" "the index must be above zero")
  endif()
  if(hundredths EQUAL 10000)
    set(base_year ${year})
  endif()
  string(APPEND rows "    ${hundredths}, // ${year}\n")
  set(previous ${year})
  math(EXPR expected "${year} + 1")
endforeach()

if(NOT columns_seen OR expected EQUAL first_year)
  message(FATAL_ERROR " Price index ${CSV}: no year in it; one line \"year;index\" a year from ${first_year} is expected")
endif()
if(base_year STREQUAL "")
  message(FATAL_ERROR " Price index ${CSV}: no year has the index 100.00, so the base year is unknown")
endif()
math(EXPR last_year "${expected} - 1")

set(text "// Generated at build time from INSEE's series 011813530 (data/insee-011813530.csv) by
// cmake/PriceIndexTable.cmake: edit the data file, not this one.

#include \"engine/priceindex.h\"

#include <array>

namespace Euro::PriceIndex {

namespace {

constexpr std::array<int, ${last_year} - ${first_year} + 1> Hundredths{{
${rows}}};

} // namespace

int firstYear() { return ${first_year}; }
int lastYear() { return ${last_year}; }
int baseYear() { return ${base_year}; }

int hundredths(int year)
{
    return year < ${first_year} || year > ${last_year} ? 0 : Hundredths[std::size_t(year - ${first_year})];
}

} // namespace Euro::PriceIndex
")

# Written only when it changes, so a touched but unchanged file rebuilds nothing more.
file(CONFIGURE OUTPUT "${OUT}" CONTENT "${text}" @ONLY)

// Engine-internal: proleptic Gregorian calendar arithmetic on whole ds50 day numbers.
//
// Day number 1 is 1950-01-01 (the ds50 count at 00:00 of that day), so the count of an
// instant is its day number plus the fraction of the day elapsed. The day-number formulas
// are the shifted-year (March-first) civil algorithms of H. Hinnant, "chrono-Compatible
// Low-Level Date Algorithms" (2013), valid for every year representable here.
#pragma once

#include <cstdint>

namespace engine::calendar {

struct CivilDate {
  int64_t year;
  int month;  // 1..12
  int day;    // 1..31
};

// Floor division and the matching non-negative remainder (C++ '/' truncates toward zero).
constexpr int64_t floor_div(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr int64_t floor_mod(int64_t a, int64_t b) { return a - floor_div(a, b) * b; }

// ds50 day number of a calendar date. month and day may lie outside their ranges: month 13
// is January of the next year, day 0 the last day of the previous month, and so on.
int64_t day_number(int64_t year, int64_t month, int64_t day);

// Calendar date of a ds50 day number.
CivilDate civil_date(int64_t day_number);

// Day of year (1 for 1 January) of a ds50 day number.
int day_of_year(int64_t day_number);

}  // namespace engine::calendar

#include "time/calendar.h"

namespace engine::calendar {
namespace {

// 1970-01-01 is ds50 day 7306: twenty years after 1950-01-01 (day 1), five of them leap.
constexpr int64_t kDs50DayOf1970 = 7306;
// Days from 0000-03-01 (the origin of the shifted calendar) to 1970-01-01.
constexpr int64_t kShiftedOriginTo1970 = 719468;
constexpr int64_t kDaysPer400Years = 146097;

// Days since 1970-01-01 of a date with month in 1..12, in a calendar whose year starts on
// 1 March, so that the leap day is the last day of the year.
int64_t days_since_1970(int64_t year, int64_t month, int64_t day) {
  const int64_t shifted_year = month <= 2 ? year - 1 : year;
  const int64_t era = floor_div(shifted_year, 400);
  const int64_t year_of_era = shifted_year - era * 400;
  const int64_t shifted_month = month > 2 ? month - 3 : month + 9;
  const int64_t day_of_shifted_year = (153 * shifted_month + 2) / 5 + day - 1;
  const int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_shifted_year;
  return era * kDaysPer400Years + day_of_era - kShiftedOriginTo1970;
}

}  // namespace

int64_t day_number(int64_t year, int64_t month, int64_t day) {
  const int64_t whole_year = year + floor_div(month - 1, 12);
  const int64_t month_in_year = floor_mod(month - 1, 12) + 1;
  return days_since_1970(whole_year, month_in_year, 1) + kDs50DayOf1970 + (day - 1);
}

CivilDate civil_date(int64_t ds50_day) {
  const int64_t z = ds50_day - kDs50DayOf1970 + kShiftedOriginTo1970;
  const int64_t era = floor_div(z, kDaysPer400Years);
  const int64_t day_of_era = z - era * kDaysPer400Years;
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const int64_t day_of_shifted_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const int64_t shifted_month = (5 * day_of_shifted_year + 2) / 153;
  const int day = static_cast<int>(day_of_shifted_year - (153 * shifted_month + 2) / 5 + 1);
  const int month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  const int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  return CivilDate{year, month, day};
}

int day_of_year(int64_t ds50_day) {
  const CivilDate date = civil_date(ds50_day);
  return static_cast<int>(ds50_day - day_number(date.year, 1, 1) + 1);
}

}  // namespace engine::calendar

// Time scales, calendar components and Greenwich angles of the time library.
//
// UTC, TAI, UT1 and TT are related as in IERS Conventions (2010), chapter 1 and 5:
// TAI = UTC + (TAI-UTC), TT = TAI + 32.184 s, UT1 = UTC + (UT1-UTC); the offsets come from
// the Earth-orientation module (earth_orientation.cpp).

#include "time/timefunc.h"

#include <erfa.h>

#include <cmath>
#include <cstdint>

#include "time/calendar.h"
#include "time/earth_orientation.h"
#include "time/time_constants.h"

namespace {

using namespace engine::timeconst;

// Spacetrack Report #3 (Hoots and Roehrich 1980), function THETAG: the Greenwich angle as a
// linear function of days since 1950 January 0.0 (the FK4-era constants of that report).
constexpr double kFk4ThetaAtDs50Zero = 1.72944494;      // rad
constexpr double kFk4ThetaRatePerDay = 6.3003880987;    // rad/day

// A UTC count inside a leap second has no ds50 value: TAIToUTC holds the count at the end of
// the leap second (0h of the next day). Iterations needed to settle any other instant: the
// first estimate is right except within one step of a leap second, and the pre-1972 drift
// rates (about 1e-8) converge at once.
constexpr int kMaxUtcIterations = 8;
// Difference of two UTC estimates (days) below which they are the same instant; a leap
// second separates the estimates by 1.16e-5 day.
constexpr double kUtcSettledDays = 1e-10;

// Calendar components are defined for counts whose year fits a 32-bit integer.
constexpr double kLargestComponentDay = 7.8e11;

}  // namespace

extern "C" double UTCToTAI(double ds50_utc) {
  return ds50_utc + engine::eop::tai_minus_utc_seconds(ds50_utc) / kSecondsPerDay;
}

extern "C" double TAIToUTC(double ds50_tai) {
  double utc = ds50_tai - engine::eop::tai_minus_utc_seconds(ds50_tai) / kSecondsPerDay;
  double next = utc;
  for (int i = 0; i < kMaxUtcIterations; ++i) {
    next = ds50_tai - engine::eop::tai_minus_utc_seconds(utc) / kSecondsPerDay;
    if (std::fabs(next - utc) < kUtcSettledDays) return next;
    utc = next;
  }
  if (!std::isfinite(next)) return next;
  // The estimates alternate on either side of a leap second's 0h UTC: the TAI instant lies
  // inside the inserted second.
  return std::round(std::fmax(utc, next));
}

extern "C" double UTCToUT1(double ds50_utc) {
  return ds50_utc + engine::eop::ut1_minus_utc_seconds(ds50_utc) / kSecondsPerDay;
}

extern "C" double TAIToUT1(double ds50_tai) { return UTCToUT1(TAIToUTC(ds50_tai)); }

extern "C" double UTCToET(double ds50_utc) {
  return ds50_utc +
         (engine::eop::tai_minus_utc_seconds(ds50_utc) + kTtMinusTaiSeconds) / kSecondsPerDay;
}

extern "C" void UTCToTimeComps2(double ds50_utc, int* year, int* month, int* dayOfMonth,
                                int* hour, int* minute, double* second) {
  if (!std::isfinite(ds50_utc) || std::fabs(ds50_utc) > kLargestComponentDay) {
    // No calendar date: zeros, with the count itself in the seconds so that it is not lost.
    *year = *month = *dayOfMonth = *hour = *minute = 0;
    *second = ds50_utc;
    return;
  }
  double day = std::floor(ds50_utc);
  double seconds_of_day = (ds50_utc - day) * kSecondsPerDay;
  if (seconds_of_day >= kSecondsPerDay) {  // a fraction within one rounding of 1
    day += 1.0;
    seconds_of_day = 0.0;
  }
  double h = std::floor(seconds_of_day / 3600.0);
  if (h * 3600.0 > seconds_of_day) h -= 1.0;
  double m = std::floor((seconds_of_day - h * 3600.0) / 60.0);
  if (h * 3600.0 + m * 60.0 > seconds_of_day) m -= 1.0;
  const engine::calendar::CivilDate date =
      engine::calendar::civil_date(static_cast<int64_t>(day));
  *year = static_cast<int>(date.year);
  *month = date.month;
  *dayOfMonth = date.day;
  *hour = static_cast<int>(h);
  *minute = static_cast<int>(m);
  *second = seconds_of_day - h * 3600.0 - m * 60.0;
}

extern "C" double TimeComps2ToUTC(int year, int month, int dayOfMonth, int hour, int minute,
                                  double second) {
  const double day =
      static_cast<double>(engine::calendar::day_number(year, month, dayOfMonth));
  const double seconds_of_day =
      static_cast<double>(hour) * 3600.0 + static_cast<double>(minute) * 60.0 + second;
  return day + seconds_of_day / kSecondsPerDay;
}

extern "C" void UTCToYrDays(double ds50_utc, int* year, double* dayOfYear) {
  if (!std::isfinite(ds50_utc) || std::fabs(ds50_utc) > kLargestComponentDay) {
    *year = 0;
    *dayOfYear = ds50_utc;
    return;
  }
  const auto day = static_cast<int64_t>(std::floor(ds50_utc));
  const int64_t y = engine::calendar::civil_date(day).year;
  *year = static_cast<int>(y);
  *dayOfYear = ds50_utc - static_cast<double>(engine::calendar::day_number(y, 1, 1)) + 1.0;
}

extern "C" double ThetaGrnwchFK4(double ds50_ut1) {
  double theta = std::fmod(kFk4ThetaAtDs50Zero + kFk4ThetaRatePerDay * ds50_ut1, kTwoPi);
  if (theta < 0.0) theta += kTwoPi;
  return theta < kTwoPi ? theta : 0.0;  // -tiny + 2 pi rounds to 2 pi
}

extern "C" double ThetaGrnwchFK5(double ds50_ut1) {
  // GMST, IAU 1982 (Aoki et al. 1982), as a two-part UT1 Julian date.
  return eraGmst82(kJdAtDs50Zero, ds50_ut1);
}

// Date-time groups: fixed-width texts of a UTC instant.
//
//   DTG20  YYYY/DDD HHMM SS.SSS     day of year, seconds to the millisecond
//   DTG19  YYYYMonDDHHMMSS.SSS      three-letter English month
//   DTG17  YYYY/DDD.DDDDDDDD        day of year with fraction, to 1e-8 day
//   DTG15  YYDDDHHMMSS.SSS          two-digit year
//
// Writers round the instant to the last digit they print before splitting it into fields,
// so 23:59:59.9996 is written as 00:00:00.000 of the next day (never "60.000").
// Two-digit years, our convention, use the TLE window: 57-99 are 1957-1999, 00-56 are
// 2000-2056. A count without a calendar date (not finite, or beyond +-7.8e11 days) is
// written as an empty text.
//
// The reader takes any of these forms, or ISO "YYYY-MM-DDTHH:MM:SS.sss" (a trailing "Z" is
// allowed), with blanks around the text ignored. Field values are not range-checked: day of
// year 366 of a common year is 1 January of the next. Text in none of these forms gives
// NaN (a count that compares unequal to everything) and a last-error text.

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "main/dllmain.h"
#include "main/last_error.h"
#include "time/calendar.h"
#include "time/time_constants.h"
#include "time/timefunc.h"

namespace {

using engine::timeconst::kSecondsPerDay;
namespace cal = engine::calendar;

constexpr int64_t kMillisecondsPerDay = 86400000;
constexpr int64_t kDtg17UnitsPerDay = 100000000;  // 8 decimals of a day
constexpr double kLargestWritableDay = 7.8e11;

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr int kFirstTwoDigitYear = 1957;  // 57 -> 1957, 56 -> 2056

// --- Writers --------------------------------------------------------------------------------

// An instant split into whole day and a count of units of the day, rounded to the unit.
struct RoundedInstant {
  int64_t day;
  int64_t units;
};

std::optional<RoundedInstant> round_to(double ds50_utc, int64_t units_per_day) {
  if (!std::isfinite(ds50_utc) || std::fabs(ds50_utc) > kLargestWritableDay) return std::nullopt;
  const double day = std::floor(ds50_utc);
  int64_t units = std::llround((ds50_utc - day) * static_cast<double>(units_per_day));
  auto whole_day = static_cast<int64_t>(day);
  if (units >= units_per_day) {
    units -= units_per_day;
    whole_day += 1;
  }
  return RoundedInstant{whole_day, units};
}

struct Fields {
  long long year;
  int month, day, day_of_year, hour, minute, second, millisecond;
};

std::optional<Fields> millisecond_fields(double ds50_utc) {
  const auto r = round_to(ds50_utc, kMillisecondsPerDay);
  if (!r) return std::nullopt;
  const cal::CivilDate date = cal::civil_date(r->day);
  const auto ms = static_cast<int>(r->units);
  return Fields{static_cast<long long>(date.year), date.month, date.day,
                cal::day_of_year(r->day), ms / 3600000, ms / 60000 % 60, ms / 1000 % 60,
                ms % 1000};
}

// Writes one DTG into a GETSETSTRLEN buffer; an instant without fields writes "".
template <typename... Args>
void write(char* out, bool has_fields, const char* pattern, Args... args) {
  out[0] = '\0';
  if (has_fields) std::snprintf(out, GETSETSTRLEN, pattern, args...);
}

// --- Reader ---------------------------------------------------------------------------------

// A left-to-right reader of the fields of one text.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : rest_(text) {}

  bool at_end() const { return rest_.empty(); }
  std::string_view rest() const { return rest_; }

  // Exactly n decimal digits.
  std::optional<int64_t> digits(std::size_t n) {
    if (rest_.size() < n) return std::nullopt;
    int64_t value = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (!std::isdigit(static_cast<unsigned char>(rest_[i]))) return std::nullopt;
      value = value * 10 + (rest_[i] - '0');
    }
    rest_.remove_prefix(n);
    return value;
  }

  // One to nine decimal digits.
  std::optional<int64_t> number() {
    std::size_t n = 0;
    while (n < rest_.size() && n < 9 && std::isdigit(static_cast<unsigned char>(rest_[n]))) ++n;
    if (n == 0) return std::nullopt;
    return digits(n);
  }

  bool literal(char c) {
    if (rest_.empty() || rest_.front() != c) return false;
    rest_.remove_prefix(1);
    return true;
  }

  bool blanks() {
    std::size_t n = 0;
    while (n < rest_.size() && rest_[n] == ' ') ++n;
    rest_.remove_prefix(n);
    return n > 0;
  }

  // Unsigned decimal with optional fraction, up to the end of the text or a stop character.
  std::optional<double> decimal(char stop = '\0') {
    std::size_t n = 0;
    while (n < rest_.size() && rest_[n] != stop &&
           (std::isdigit(static_cast<unsigned char>(rest_[n])) || rest_[n] == '.')) {
      ++n;
    }
    if (n == 0) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(rest_.data(), rest_.data() + n, value);
    if (ec != std::errc() || end != rest_.data() + n) return std::nullopt;
    rest_.remove_prefix(n);
    return value;
  }

 private:
  std::string_view rest_;
};

double day_of_year_count(int64_t year, int64_t day_of_year) {
  return static_cast<double>(cal::day_number(year, 1, 1) + day_of_year - 1);
}

double from_day_of_year(int64_t year, int64_t day_of_year, int64_t hour, int64_t minute,
                        double second) {
  const double seconds_of_day =
      static_cast<double>(hour * 3600 + minute * 60) + second;
  return day_of_year_count(year, day_of_year) + seconds_of_day / kSecondsPerDay;
}

// YYYY/DDD HHMM SS.SSS or YYYY/DDD.DDDDDDDD
std::optional<double> read_slash_forms(Cursor c) {
  const auto year = c.digits(4);
  if (!year || !c.literal('/')) return std::nullopt;
  const std::string_view after_slash = c.rest();
  const auto doy = c.number();
  if (!doy) return std::nullopt;
  if (c.at_end() || c.rest().front() == '.') {
    Cursor fractional(after_slash);
    const auto day = fractional.decimal();
    if (!day || !fractional.at_end()) return std::nullopt;
    return day_of_year_count(*year, 0) + *day;
  }
  if (!c.blanks()) return std::nullopt;
  const auto hour = c.digits(2);
  const auto minute = c.digits(2);
  if (!hour || !minute || !c.blanks()) return std::nullopt;
  const auto second = c.decimal();
  if (!second || !c.at_end()) return std::nullopt;
  return from_day_of_year(*year, *doy, *hour, *minute, *second);
}

// YYYYMonDDHHMMSS.SSS
std::optional<double> read_dtg19(Cursor c) {
  const auto year = c.digits(4);
  if (!year) return std::nullopt;
  const std::string_view rest = c.rest();
  if (rest.size() < 3) return std::nullopt;
  int month = 0;
  for (int m = 0; m < 12; ++m) {
    const char* name = kMonthNames[m];
    bool same = true;
    for (int i = 0; i < 3; ++i) {
      same = same && std::tolower(static_cast<unsigned char>(rest[i])) ==
                         std::tolower(static_cast<unsigned char>(name[i]));
    }
    if (same) month = m + 1;
  }
  if (month == 0) return std::nullopt;
  Cursor tail(rest.substr(3));
  const auto day = tail.digits(2);
  const auto hour = tail.digits(2);
  const auto minute = tail.digits(2);
  const auto second = tail.decimal();
  if (!day || !hour || !minute || !second || !tail.at_end()) return std::nullopt;
  return TimeComps2ToUTC(static_cast<int>(*year), month, static_cast<int>(*day),
                         static_cast<int>(*hour), static_cast<int>(*minute), *second);
}

// YYDDDHHMMSS.SSS
std::optional<double> read_dtg15(Cursor c) {
  const auto yy = c.digits(2);
  const auto doy = c.digits(3);
  const auto hour = c.digits(2);
  const auto minute = c.digits(2);
  const auto second = c.decimal();
  if (!yy || !doy || !hour || !minute || !second || !c.at_end()) return std::nullopt;
  const int64_t century = *yy >= kFirstTwoDigitYear % 100 ? 1900 : 2000;
  return from_day_of_year(century + *yy, *doy, *hour, *minute, *second);
}

// YYYY-MM-DDTHH:MM:SS.sss, optional trailing Z
std::optional<double> read_iso(Cursor c) {
  const auto year = c.number();
  if (!year || !c.literal('-')) return std::nullopt;
  const auto month = c.number();
  if (!month || !c.literal('-')) return std::nullopt;
  const auto day = c.number();
  if (!day || !c.literal('T')) return std::nullopt;
  const auto hour = c.number();
  if (!hour || !c.literal(':')) return std::nullopt;
  const auto minute = c.number();
  if (!minute || !c.literal(':')) return std::nullopt;
  const auto second = c.decimal();
  c.literal('Z');
  if (!second || !c.at_end()) return std::nullopt;
  return TimeComps2ToUTC(static_cast<int>(*year), static_cast<int>(*month),
                         static_cast<int>(*day), static_cast<int>(*hour),
                         static_cast<int>(*minute), *second);
}

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::optional<double> read_dtg(std::string_view text) {
  if (text.size() > 4 && text[4] == '/') return read_slash_forms(Cursor(text));
  if (text.size() > 4 && std::isalpha(static_cast<unsigned char>(text[4]))) {
    return read_dtg19(Cursor(text));
  }
  if (text.find('T') != std::string_view::npos) return read_iso(Cursor(text));
  return read_dtg15(Cursor(text));
}

}  // namespace

extern "C" double DTGToUTC(const char* dtg) {
  constexpr double kUnreadable = std::numeric_limits<double>::quiet_NaN();
  try {
    if (dtg == nullptr) {
      engine::set_last_error("DTGToUTC: no text given");
      return kUnreadable;
    }
    const std::string_view text = trim_blanks(std::string_view(dtg, strnlen(dtg, GETSETSTRLEN)));
    if (const auto ds50_utc = read_dtg(text)) return *ds50_utc;
    engine::set_last_error("DTGToUTC: '" + std::string(text) +
                           "' is not a date-time group (YYYY/DDD HHMM SS.SSS, "
                           "YYYYMonDDHHMMSS.SSS, YYYY/DDD.DDDDDDDD, YYDDDHHMMSS.SSS or "
                           "YYYY-MM-DDTHH:MM:SS.SSS)");
  } catch (...) {
    // Only the error text can fail (allocation); the answer stays "unreadable".
  }
  return kUnreadable;
}

extern "C" void UTCToDTG20(double ds50_utc, char* dtg20) {
  const auto f = millisecond_fields(ds50_utc);
  const Fields v = f.value_or(Fields{});
  write(dtg20, f.has_value(), "%04lld/%03d %02d%02d %02d.%03d", v.year, v.day_of_year, v.hour,
        v.minute, v.second, v.millisecond);
}

extern "C" void UTCToDTG19(double ds50_utc, char* dtg19) {
  const auto f = millisecond_fields(ds50_utc);
  const Fields v = f.value_or(Fields{0, 1, 0, 0, 0, 0, 0, 0});
  write(dtg19, f.has_value(), "%04lld%s%02d%02d%02d%02d.%03d", v.year,
        kMonthNames[v.month - 1], v.day, v.hour, v.minute, v.second, v.millisecond);
}

extern "C" void UTCToDTG17(double ds50_utc, char* dtg17) {
  const auto r = round_to(ds50_utc, kDtg17UnitsPerDay);
  const RoundedInstant v = r.value_or(RoundedInstant{0, 0});
  write(dtg17, r.has_value(), "%04lld/%03d.%08lld",
        static_cast<long long>(cal::civil_date(v.day).year), cal::day_of_year(v.day),
        static_cast<long long>(v.units));
}

extern "C" void UTCToDTG15(double ds50_utc, char* dtg15) {
  const auto f = millisecond_fields(ds50_utc);
  const Fields v = f.value_or(Fields{});
  write(dtg15, f.has_value(), "%02lld%03d%02d%02d%02d.%03d",
        static_cast<long long>(cal::floor_mod(v.year, 100)), v.day_of_year, v.hour, v.minute,
        v.second, v.millisecond);
}

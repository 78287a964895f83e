// A calendar record (year, month, day, hour, minute, second) with no time system, and the one
// ISO-style text the system reads and writes: YYYY-MM-DDTHH:MM:SS.sss.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vastorin {

struct TimeComponents {
  // Fields are stored as given: no range check, no normalisation.
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  double second = 0.0;

  // Reads "date T time": the text is split at every 'T' (date first, time second, further
  // pieces ignored); the date at every '-' into year, month, day; the time, with every 'Z'
  // removed, at every ':' into hour, minute, second (further pieces ignored). Integers are
  // signed decimal digits; the second is a decimal float (inf and nan accepted). Nothing when
  // the text does not read.
  static std::optional<TimeComponents> parse_iso(std::string_view text);

  std::string to_iso() const;
  std::string repr() const;
};

// Equal when the integer fields are equal and the seconds differ by less than the double
// epsilon; different when an integer field differs or the seconds differ by at least the
// epsilon (so seconds that are NaN are neither).
bool equal(const TimeComponents& a, const TimeComponents& b);
bool differs(const TimeComponents& a, const TimeComponents& b);

// YYYY-MM-DDTHH:MM:SS.sss: year zero-padded to at least 4 digits, the second rounded to 3
// decimals without carrying into the minute (59.9996 prints as 60.000), zero-padded to width 6.
std::string format_iso(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       double second);

// The shortest decimal text that reads back to the same double, never in exponent form:
// 5.0 gives "5", 1e-7 gives "0.0000001"; NaN gives "NaN" and infinities "inf" and "-inf".
std::string shortest_plain(double value);

}  // namespace vastorin

#include "time/time_components.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "binding/bind.h"

namespace vastorin {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      pieces.push_back(text.substr(start));
      return pieces;
    }
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Optional sign, then one or more ASCII digits; nothing else.
std::optional<int32_t> parse_int32(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text == "-") return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] + 32) : a[i];
    if (x != b[i]) return false;
  }
  return true;
}

// Optional sign, then inf, infinity or nan in any case, or digits with an optional point and
// an optional exponent: "5", "5.", ".5", "5.25e-3".
std::optional<double> parse_float(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (equals_ignoring_case(text, "inf") || equals_ignoring_case(text, "infinity"))
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  if (equals_ignoring_case(text, "nan")) return std::numeric_limits<double>::quiet_NaN();

  std::size_t i = 0;
  std::size_t digits = 0;
  while (i < text.size() && is_digit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && is_digit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponent_digits = 0;
    while (i < text.size() && is_digit(text[i])) ++i, ++exponent_digits;
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Magnitudes beyond the double range read as infinity or zero, as a decimal reader
    // should; strtod gives exactly that.
    value = std::strtod(std::string(text).c_str(), nullptr);
  } else if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

std::optional<TimeComponents> TimeComponents::parse_iso(std::string_view text) {
  const auto halves = split(text, 'T');
  if (halves.size() < 2) return std::nullopt;

  const auto date = split(halves[0], '-');
  if (date.size() < 3) return std::nullopt;

  std::string time_part;
  for (char c : halves[1])
    if (c != 'Z') time_part += c;
  const auto time = split(time_part, ':');
  if (time.size() < 3) return std::nullopt;

  const auto year = parse_int32(date[0]);
  const auto month = parse_int32(date[1]);
  const auto day = parse_int32(date[2]);
  const auto hour = parse_int32(time[0]);
  const auto minute = parse_int32(time[1]);
  const auto second = parse_float(time[2]);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  return TimeComponents{*year, *month, *day, *hour, *minute, *second};
}

std::string format_iso(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       double second) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:", year, month, day, hour, minute);
  std::string text(buffer);
  if (std::isfinite(second)) {
    std::snprintf(buffer, sizeof buffer, "%06.3f", second);
    return text + buffer;
  }
  // Not-a-number and infinities are spelled as in repr and zero-padded like any other second,
  // the sign first: 000NaN, 000inf, -00inf.
  const std::string word = std::isnan(second) ? "NaN" : "inf";
  const std::string sign = std::isinf(second) && second < 0 ? "-" : "";
  return text + sign + std::string(6 - sign.size() - word.size(), '0') + word;
}

std::string TimeComponents::to_iso() const {
  return format_iso(year, month, day, hour, minute, second);
}

std::string shortest_plain(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  // The shortest digits that read back to the value, then written out without an exponent:
  // 1e23 is 100000000000000000000000, not the exact binary value 99999999999999991611392.
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  if (error != std::errc()) throw InternalError("could not format a float");
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = text.find('e');
  std::string_view mantissa = text.substr(0, e);
  const int exponent = std::stoi(std::string(text.substr(e + 1)));
  std::string sign;
  if (mantissa.front() == '-') {
    sign = "-";
    mantissa.remove_prefix(1);
  }
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits += c;
  const long point = 1L + exponent;  // digits before the decimal point
  const long count = static_cast<long>(digits.size());
  if (point >= count) return sign + digits + std::string(static_cast<std::size_t>(point - count), '0');
  if (point > 0) return sign + digits.substr(0, point) + "." + digits.substr(point);
  return sign + "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
}

std::string TimeComponents::repr() const {
  return "TimeComponents(year=" + std::to_string(year) + ", month=" + std::to_string(month) +
         ", day=" + std::to_string(day) + ", hour=" + std::to_string(hour) +
         ", minute=" + std::to_string(minute) + ", second=" + shortest_plain(second) + ")";
}

bool equal(const TimeComponents& a, const TimeComponents& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
         a.minute == b.minute &&
         std::abs(a.second - b.second) < std::numeric_limits<double>::epsilon();
}

bool differs(const TimeComponents& a, const TimeComponents& b) {
  return a.year != b.year || a.month != b.month || a.day != b.day || a.hour != b.hour || a.minute != b.minute ||
         std::abs(a.second - b.second) >= std::numeric_limits<double>::epsilon();
}

namespace {

TimeComponents make(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                    double second) {
  return TimeComponents{year, month, day, hour, minute, second};
}

TimeComponents from_iso(const std::string& iso) {
  auto parsed = TimeComponents::parse_iso(iso);
  if (!parsed) throw InternalError("Invalid ISO date-time text: " + iso);
  return *parsed;
}

}  // namespace

}  // namespace vastorin

using vastorin::TimeComponents;

VASTORIN_CLASS(TimeComponents, "TimeComponents", "vastorin.time") {
  cls.constructor<"TimeComponents(year, month, day, hour, minute, second)", &vastorin::make>();
  cls.field<"year", &TimeComponents::year>();
  cls.field<"month", &TimeComponents::month>();
  cls.field<"day", &TimeComponents::day>();
  cls.field<"hour", &TimeComponents::hour>();
  cls.field<"minute", &TimeComponents::minute>();
  cls.field<"second", &TimeComponents::second>();
  cls.static_method<"from_iso(iso)", &vastorin::from_iso>();
  cls.method<"to_iso()", &TimeComponents::to_iso>();
  cls.repr(+[](const TimeComponents& t) { return t.repr(); });
  cls.str(+[](const TimeComponents& t) { return t.to_iso(); });
  cls.equality(&vastorin::equal, &vastorin::differs);
}

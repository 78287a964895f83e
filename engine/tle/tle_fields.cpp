#include "tle/tle_fields.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "time/calendar.h"

namespace engine::tle {
namespace {

// Exact powers of ten (every one of them is a double without rounding).
constexpr std::array<double, 23> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Epoch days are written to 1e-8 day, the resolution of columns 21-32.
constexpr std::int64_t kEpochFractionUnits = 100000000;

// Mantissa digits of the implied-exponent fields, and their exponent range.
constexpr int kMantissaDigits = 5;
constexpr int kMinExponent = -9;
constexpr int kMaxExponent = 9;

// Alpha-5: the ten-thousands 10-33 are letters A-Z without I and O.
constexpr int kAlpha5FirstTenThousand = 10;
constexpr int kAlpha5Base = 100000;

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool all_digits(std::string_view text) {
  for (char c : text) {
    if (!is_digit(c)) return false;
  }
  return true;
}

// Whole number of at most 18 digits (the caller has checked that every character is one).
std::int64_t digits_value(std::string_view digits) {
  std::int64_t value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// Value of an Alpha-5 letter (A = 10 ... Z = 33), or nothing for I, O and non-letters.
std::optional<int> alpha5_ten_thousands(char letter) {
  if (letter < 'A' || letter > 'Z' || letter == 'I' || letter == 'O') return std::nullopt;
  const int index = letter - 'A';
  return kAlpha5FirstTenThousand + index - (letter > 'I' ? 1 : 0) - (letter > 'O' ? 1 : 0);
}

char alpha5_letter(int ten_thousands) {
  // Position among the 24 letters in use; I would be the 9th (index 8) and O the 15th
  // letter, which is index 13 once I is skipped.
  const int index = ten_thousands - kAlpha5FirstTenThousand;
  return static_cast<char>('A' + index + (index >= 8 ? 1 : 0) + (index >= 13 ? 1 : 0));
}

// Days from 1950 January 0.0 to January 0.0 of `year`: the ds50 day number of the last
// day of the year before (day 0 of January).
std::int64_t days_before_year(std::int64_t year) { return calendar::day_number(year, 1, 0); }

// m x 10^exponent for a whole m below 2^53, correctly rounded: one exact power of ten and
// one rounding multiplication or division.
double scale_by_power_of_ten(std::int64_t m, int exponent) {
  const double mantissa = static_cast<double>(m);
  return exponent >= 0 ? mantissa * kPowersOfTen[exponent] : mantissa / kPowersOfTen[-exponent];
}

// Shortest text of a fixed-point number with `decimals` decimals (locale-independent).
std::string fixed_text(double value, int decimals) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

std::string right_justified(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

std::optional<int> read_satellite_number(std::string_view text) {
  const std::string_view number = trim_blanks(text);
  if (number.empty()) return std::nullopt;
  if (const auto ten_thousands = alpha5_ten_thousands(number[0])) {
    if (number.size() != 5 || !all_digits(number.substr(1))) return std::nullopt;
    return *ten_thousands * 10000 + static_cast<int>(digits_value(number.substr(1)));
  }
  if (number.size() > 5 || !all_digits(number)) return std::nullopt;
  return static_cast<int>(digits_value(number));
}

std::optional<double> read_decimal(std::string_view text, bool signed_field) {
  std::string_view number = trim_blanks(text);
  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    if (!signed_field) return std::nullopt;
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  // Digits with at most one point, and at least one digit: rules out what from_chars would
  // otherwise also take (a second sign, exponents, "inf", "nan").
  int points = 0;
  int digits = 0;
  for (char c : number) {
    if (c == '.') {
      ++points;
    } else if (is_digit(c)) {
      ++digits;
    } else {
      return std::nullopt;
    }
  }
  if (points > 1 || digits == 0) return std::nullopt;
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
    return std::nullopt;
  }
  return negative ? -value + 0.0 : value;  // + 0.0: "-.00000000" is plain zero
}

std::optional<double> read_implied_fraction(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos || text.size() >= kPowersOfTen.size()) return std::nullopt;
  const std::string_view digits = text.substr(first);
  if (!all_digits(digits)) return std::nullopt;
  return scale_by_power_of_ten(digits_value(digits), -static_cast<int>(text.size()));
}

std::optional<double> read_implied_exponent(std::string_view text) {
  if (text.size() != 2 + kMantissaDigits + 1) return std::nullopt;
  const char sign = text[0];
  const char exponent_sign = text[kMantissaDigits + 1];
  const char exponent_digit = text[kMantissaDigits + 2];
  if (sign != ' ' && sign != '+' && sign != '-') return std::nullopt;
  if (exponent_sign != ' ' && exponent_sign != '+' && exponent_sign != '-') return std::nullopt;
  if (!is_digit(exponent_digit)) return std::nullopt;
  const std::string_view mantissa_text = text.substr(1, kMantissaDigits);
  const auto first = mantissa_text.find_first_not_of(' ');
  if (first == std::string_view::npos || !all_digits(mantissa_text.substr(first))) {
    return std::nullopt;
  }
  const int exponent = (exponent_sign == '-' ? -1 : 1) * (exponent_digit - '0');
  const double magnitude =
      scale_by_power_of_ten(digits_value(mantissa_text.substr(first)), exponent - kMantissaDigits);
  return sign == '-' ? -magnitude + 0.0 : magnitude;  // + 0.0: "-00000-0" is plain zero
}

std::optional<int> read_counter(std::string_view text) {
  const std::string_view number = trim_blanks(text);
  if (number.empty()) return 0;
  if (number.size() > 9 || !all_digits(number)) return std::nullopt;
  return static_cast<int>(digits_value(number));
}

double epoch_ds50_utc(int two_digit_year, std::string_view day_of_year) {
  const int century = two_digit_year + 1900 < kFirstTwoDigitYear ? 2000 : 1900;
  const std::string_view text = trim_blanks(day_of_year);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::int64_t whole_days =
      days_before_year(century + two_digit_year) + (whole.empty() ? 0 : digits_value(whole));
  std::string exact = std::to_string(whole_days);
  if (point != std::string_view::npos) exact.append(text.data() + point, text.size() - point);
  double value = 0.0;
  std::from_chars(exact.data(), exact.data() + exact.size(), value);
  return value;
}

std::optional<std::string> write_satellite_number(double satellite_number) {
  if (!(satellite_number >= 0.0 && satellite_number <= kMaxSatelliteNumber) ||
      satellite_number != std::floor(satellite_number)) {
    return std::nullopt;
  }
  const int number = static_cast<int>(satellite_number);
  char buffer[16];
  if (number < kAlpha5Base) {
    std::snprintf(buffer, sizeof buffer, "%05d", number);
  } else {
    std::snprintf(buffer, sizeof buffer, "%c%04d", alpha5_letter(number / 10000), number % 10000);
  }
  return std::string(buffer);
}

std::optional<std::string> write_epoch(double ds50_utc) {
  // Keep the day count far from integer overflow before rounding it.
  if (!(ds50_utc >= static_cast<double>(days_before_year(kFirstTwoDigitYear)) &&
        ds50_utc < static_cast<double>(days_before_year(kLastTwoDigitYear + 1) + 1))) {
    return std::nullopt;
  }
  std::int64_t whole_days = static_cast<std::int64_t>(std::floor(ds50_utc));
  std::int64_t units = std::llround((ds50_utc - static_cast<double>(whole_days)) *
                                    static_cast<double>(kEpochFractionUnits));
  if (units == kEpochFractionUnits) {
    ++whole_days;
    units = 0;
  }
  const std::int64_t year = calendar::civil_date(whole_days).year;
  if (year < kFirstTwoDigitYear || year > kLastTwoDigitYear) return std::nullopt;
  const int day_of_year = calendar::day_of_year(whole_days);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d%03d.%08lld", static_cast<int>(year % 100),
                day_of_year, static_cast<long long>(units));
  return std::string(buffer);
}

std::optional<std::string> write_signed_decimal(double value) {
  constexpr std::size_t kDigitColumns = 9;  // after the sign column
  if (!std::isfinite(value)) return std::nullopt;
  for (int decimals = 8; decimals >= 0; --decimals) {
    std::string digits = fixed_text(std::fabs(value), decimals);
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
    if (digits.size() > kDigitColumns) continue;
    const bool zero = digits.find_first_of("123456789") == std::string::npos;
    const char sign = value < 0.0 && !zero ? '-' : ' ';
    return sign + right_justified(std::move(digits), kDigitColumns);
  }
  return std::nullopt;
}

std::optional<std::string> write_implied_exponent(double value) {
  // Zero as Space-Track writes it; other exponents 0 as "+0", as both Space-Track and
  // CelesTrak write them.
  static const std::string kZero = " 00000-0";
  if (!std::isfinite(value)) return std::nullopt;
  const double magnitude = std::fabs(value);
  if (magnitude == 0.0) return kZero;

  // d.dddde±XX, correctly rounded with carry by to_chars; 0.ddddd x 10^(XX+1).
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, kMantissaDigits - 1);
  const std::string scientific(buffer, result.ptr);
  const auto e = scientific.find('e');
  int exponent = std::stoi(scientific.substr(e + 1)) + 1;
  std::string mantissa = scientific.substr(0, 1) + scientific.substr(2, kMantissaDigits - 1);
  if (exponent > kMaxExponent) return std::nullopt;
  if (exponent < kMinExponent) {
    // Below 0.1e-9: the digits of 10^-10 ... 10^-14 with exponent -9.
    const std::string fixed = fixed_text(magnitude, -kMinExponent + kMantissaDigits);
    mantissa = fixed.substr(fixed.size() - kMantissaDigits);
    exponent = kMinExponent;
    if (mantissa == "00000") return kZero;
  }
  const char sign = value < 0.0 ? '-' : ' ';
  const char exponent_sign = exponent >= 0 ? '+' : '-';
  return std::string(1, sign) + mantissa + exponent_sign +
         static_cast<char>('0' + std::abs(exponent));
}

std::optional<std::string> write_implied_fraction(double value) {
  constexpr int kDecimals = 7;
  if (!(value >= 0.0 && value < 1.0)) return std::nullopt;
  const std::string fixed = fixed_text(value + 0.0, kDecimals);  // + 0.0: no "-0"
  if (fixed.rfind("0.", 0) != 0) return std::nullopt;             // rounded to 1
  return fixed.substr(2);
}

std::optional<std::string> write_fixed(double value, int width, int decimals) {
  if (!(value >= 0.0) || !std::isfinite(value)) return std::nullopt;
  std::string text = fixed_text(value + 0.0, decimals);  // + 0.0: no "-0"
  if (text.size() > static_cast<std::size_t>(width)) return std::nullopt;
  return right_justified(std::move(text), width);
}

std::optional<std::string> write_counter(double value, int width) {
  constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53
  if (!(value >= 0.0 && value < kLargestExactWhole) || value != std::floor(value)) {
    return std::nullopt;
  }
  const auto modulus = static_cast<std::int64_t>(kPowersOfTen[width]);
  const std::int64_t last_digits = static_cast<std::int64_t>(value) % modulus;
  return right_justified(std::to_string(last_digits), width);
}

std::string number_text(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

char checksum(std::string_view line) {
  constexpr std::size_t kSummedColumns = 68;
  int sum = 0;
  for (char c : line.substr(0, kSummedColumns)) {
    if (is_digit(c)) {
      sum += c - '0';
    } else if (c == '-') {
      sum += 1;
    }
  }
  return static_cast<char>('0' + sum % 10);
}

}  // namespace engine::tle

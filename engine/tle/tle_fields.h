// Engine-internal: the column formats of two-line element sets, read and written one field
// at a time. The layout follows the NORAD two-line format as documented with Spacetrack
// Report #3 (Hoots and Roehrich 1980) and CelesTrak's "NORAD Two-Line Element Set Format";
// Alpha-5 satellite numbers follow the 18th Space Defense Squadron's extension for numbers
// 100000-339999.
//
// Readers take the exact text of one field (its columns, nothing more) and return nothing
// when the text is not a number of that field's format. Writers return text of exactly the
// field's width, or nothing when the value cannot be written in that width.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine::tle {

// Largest satellite number a line can hold: Alpha-5 "Z9999".
inline constexpr int kMaxSatelliteNumber = 339999;

// Inclination range of an element set, degrees.
inline constexpr double kMaxInclinationDeg = 180.0;

// Two-digit epoch years: 57-99 are 1957-1999, 00-56 are 2000-2056 (the launch of Sputnik 1
// opens the window).
inline constexpr int kFirstTwoDigitYear = 1957;
inline constexpr int kLastTwoDigitYear = 2056;

// --- Readers ---------------------------------------------------------------------------

// Satellite number, 5 columns: up to five digits, blank- or zero-padded on the left, or
// Alpha-5 (a letter A-Z without I and O for the ten-thousands 10-33, then four digits).
std::optional<int> read_satellite_number(std::string_view text);

// Decimal number with an optional point: "247.55317828", " 51.6416", ".00000023". Blanks
// around the number are allowed; a sign ("+" or "-") is allowed only when `signed_field`.
std::optional<double> read_decimal(std::string_view text, bool signed_field);

// Implied-point fraction: the digits after an assumed leading "0.", blank-padded on the
// left at most (eccentricity "0006703" = 0.0006703).
std::optional<double> read_implied_fraction(std::string_view text);

// Implied-point, implied-exponent number "SMMMMMSE": sign (blank, "+" or "-"), five
// mantissa digits after an assumed "0.", exponent sign and one exponent digit;
// "-11606-4" = -0.11606e-4.
std::optional<double> read_implied_exponent(std::string_view text);

// Unsigned counter (element set number, revolution number): digits, blank-padded; an
// all-blank field is 0.
std::optional<int> read_counter(std::string_view text);

// Epoch as ds50 UTC (days since 1950 January 0.0 UTC) from a two-digit year and the text of
// a day of year with fraction (already checked by read_decimal), day 1.0 being 1 January
// 00:00 UTC. The result is the double nearest to the exact decimal count: the whole days are
// added to the text's integer part before the one conversion from decimal, so that no second
// rounding moves the epoch.
double epoch_ds50_utc(int two_digit_year, std::string_view day_of_year);

// --- Writers ---------------------------------------------------------------------------

// Satellite number in 5 columns, zero-padded, Alpha-5 from 100000; only whole numbers in
// 0..kMaxSatelliteNumber can be written.
std::optional<std::string> write_satellite_number(double satellite_number);

// Epoch "YYDDD.DDDDDDDD" (14 columns) from ds50 UTC, rounded to 1e-8 day; a fraction that
// rounds up to the next day (or year) carries. Only years 1957-2056 can be written.
std::optional<std::string> write_epoch(double ds50_utc);

// Signed decimal in 10 columns: a sign column (blank or "-") then ".NNNNNNNN"; values of 1
// or more give up decimals for integer digits.
std::optional<std::string> write_signed_decimal(double value);

// Implied-exponent number in 8 columns, the mantissa rounded to 5 digits with carry
// (0.999996e-4 is " 10000-3"). Values below 0.1e-9 are written with a leading-zero
// mantissa (exponent -9).
std::optional<std::string> write_implied_exponent(double value);

// Eccentricity "NNNNNNN" (7 columns, assumed leading point); values in [0, 1) that do not
// round to 1.
std::optional<std::string> write_implied_fraction(double value);

// Fixed-point number right-justified in `width` columns with `decimals` decimals; only
// non-negative values that fit.
std::optional<std::string> write_fixed(double value, int width, int decimals);

// Counter in `width` columns, right-justified: the last `width` digits of a non-negative
// whole count (element set and revolution numbers wrap in real catalogs too).
std::optional<std::string> write_counter(double value, int width);

// Shortest text that reads back as the same double ("0.99999996", "nan"), for messages;
// independent of the C locale.
std::string number_text(double value);

// Checksum digit of a line: the sum of its digits, each "-" counting 1, modulo 10, over
// the first 68 columns.
char checksum(std::string_view line);

}  // namespace engine::tle

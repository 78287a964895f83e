// Reading and writing the two lines of an element set: the column layout of the NORAD
// two-line format (Spacetrack Report #3, Hoots and Roehrich 1980; CelesTrak "NORAD Two-Line
// Element Set Format"), with our convention for ephemeris type 4: the radiation-pressure
// term (m^2/kg) in columns 34-43 and the ballistic term (m^2/kg) in columns 54-61.
//
// What the reader refuses: text it cannot read. Every field must be a number of its column
// format (blank is allowed only in the ephemeris type, element set number and revolution
// number, which then read as 0), the line numbers must be "1" and "2", both lines must
// carry the same satellite number and reach column 68 (the checksum in column 69 is not
// checked: a wrong or missing checksum alone does not make the numbers unreadable).
// What it leaves to the store: every judgement of the values read. A satellite number 0,
// an ephemeris type 7, an inclination of 200 degrees or a mean motion of 0 are read as
// written; TleAddSatFrArray refuses them. The classification letter and the designator
// are copied as they stand, for the caller to judge.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "main/dllmain.h"
#include "main/last_error.h"
#include "tle/tle.h"
#include "tle/tle_fields.h"

namespace engine::tle {
namespace {

constexpr std::size_t kLineLength = 69;
// Columns a line must reach: the last data column (element set number, revolution number).
constexpr std::size_t kRequiredColumns = 68;
constexpr std::size_t kDesignatorWidth = 8;       // columns 10-17
constexpr std::size_t kTextDesignatorWidth = 12;  // characters 1-12 of the text fields

// A field of a line: 1-based inclusive columns and its name in messages.
struct Field {
  int line;
  int first_column;
  int last_column;
  const char* name;
};

constexpr Field kLineNumber1{1, 1, 1, "line number"};
constexpr Field kSatelliteNumber1{1, 3, 7, "satellite number"};
constexpr Field kClassification{1, 8, 8, "classification"};
constexpr Field kDesignator{1, 10, 17, "international designator"};
constexpr Field kEpochYear{1, 19, 20, "epoch year"};
constexpr Field kEpochDay{1, 21, 32, "epoch day of year"};
constexpr Field kEpoch{1, 19, 32, "epoch"};
constexpr Field kNdot{1, 34, 43, "mean motion first derivative"};
constexpr Field kAgom{1, 34, 43, "radiation-pressure term"};
constexpr Field kNddot{1, 45, 52, "mean motion second derivative"};
constexpr Field kBstar{1, 54, 61, "B* drag term"};
constexpr Field kBterm{1, 54, 61, "ballistic term"};
constexpr Field kEphemerisType{1, 63, 63, "ephemeris type"};
constexpr Field kElementSetNumber{1, 65, 68, "element set number"};
constexpr Field kLineNumber2{2, 1, 1, "line number"};
constexpr Field kSatelliteNumber2{2, 3, 7, "satellite number"};
constexpr Field kInclination{2, 9, 16, "inclination"};
constexpr Field kNode{2, 18, 25, "right ascension of the ascending node"};
constexpr Field kEccentricity{2, 27, 33, "eccentricity"};
constexpr Field kArgumentOfPerigee{2, 35, 42, "argument of perigee"};
constexpr Field kMeanAnomaly{2, 44, 51, "mean anomaly"};
constexpr Field kMeanMotion{2, 53, 63, "mean motion"};
constexpr Field kRevolutionNumber{2, 64, 68, "revolution number"};

// Ephemeris type 4 (extended theory) carries its own terms in the derivative columns.
constexpr int kEphemerisTypeXp = 4;

// Decimals of the fixed-point fields: angles NNN.NNNN, mean motion NN.NNNNNNNN.
constexpr int kAngleDecimals = 4;
constexpr int kMeanMotionDecimals = 8;

// A line or a field that cannot be read or written; caught at the C boundary.
class TleTextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string columns_label(const Field& field) {
  std::string label = "Line " + std::to_string(field.line) + ", column";
  if (field.first_column == field.last_column) return label + " " + std::to_string(field.first_column);
  return label + "s " + std::to_string(field.first_column) + "-" + std::to_string(field.last_column);
}

[[noreturn]] void refuse_field(const Field& field, std::string_view text) {
  throw TleTextError(columns_label(field) + " (" + field.name + "): cannot read '" +
                     std::string(text) + "'");
}

[[noreturn]] void refuse_value(const Field& field, const std::string& why) {
  throw TleTextError(columns_label(field) + " (" + field.name + "): " + why);
}

// --- Reading -------------------------------------------------------------------------

// The text of one line: up to its end of line (CR, LF or NUL) and at most 69 columns; what
// follows column 69 (the SGP4 verification file keeps its time spans there) is ignored.
std::string_view line_columns(const char* line, int line_number) {
  const std::string_view text = line == nullptr ? std::string_view() : std::string_view(line);
  const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
  if (end < kRequiredColumns) {
    throw TleTextError("Line " + std::to_string(line_number) + " is too short: " +
                       std::to_string(end) + " columns, a two-line element set line needs " +
                       std::to_string(kRequiredColumns) + " (" + std::to_string(kLineLength) +
                       " with the checksum)");
  }
  return text.substr(0, std::min(end, kLineLength));
}

int width(const Field& field) { return field.last_column - field.first_column + 1; }

std::string_view field_text(std::string_view line, const Field& field) {
  return line.substr(field.first_column - 1, width(field));
}

template <typename T>
T need(std::optional<T> value, std::string_view line, const Field& field) {
  if (!value) refuse_field(field, field_text(line, field));
  return *value;
}

void expect_line_number(std::string_view line, const Field& field) {
  const char expected = static_cast<char>('0' + field.line);
  if (line[0] != expected) {
    refuse_value(field, std::string("expected '") + expected + "', found '" + line[0] + "'");
  }
}

int read_ephemeris_type(std::string_view line) {
  const char c = field_text(line, kEphemerisType)[0];
  if (c == ' ') return 0;  // blank: general perturbations, as type 0
  if (c < '0' || c > '9') refuse_field(kEphemerisType, field_text(line, kEphemerisType));
  return c - '0';
}

// Reads both lines into the value array and the text fields (classification letter, then
// the designator of columns 10-17 blank-padded to 12 characters).
void read_lines(const char* line1_text, const char* line2_text,
                std::array<double, XA_TLE_SIZE>& values, std::string& text_fields) {
  const std::string_view line1 = line_columns(line1_text, 1);
  const std::string_view line2 = line_columns(line2_text, 2);
  expect_line_number(line1, kLineNumber1);
  expect_line_number(line2, kLineNumber2);

  const int satellite_number =
      need(read_satellite_number(field_text(line1, kSatelliteNumber1)), line1, kSatelliteNumber1);
  const int satellite_number2 =
      need(read_satellite_number(field_text(line2, kSatelliteNumber2)), line2, kSatelliteNumber2);
  if (satellite_number2 != satellite_number) {
    refuse_value(kSatelliteNumber2, "'" + std::string(field_text(line2, kSatelliteNumber2)) +
                                        "' differs from line 1's '" +
                                        std::string(field_text(line1, kSatelliteNumber1)) + "'");
  }

  const std::string_view year_text = field_text(line1, kEpochYear);
  const auto year = read_counter(year_text);
  if (!year || year_text.find_first_not_of(' ') == std::string_view::npos) {
    refuse_field(kEpochYear, year_text);
  }
  need(read_decimal(field_text(line1, kEpochDay), false), line1, kEpochDay);
  const int ephemeris_type = read_ephemeris_type(line1);
  const bool extended_theory = ephemeris_type == kEphemerisTypeXp;
  const double ndot_or_agom =
      need(read_decimal(field_text(line1, kNdot), true), line1, extended_theory ? kAgom : kNdot);
  const double nddot = need(read_implied_exponent(field_text(line1, kNddot)), line1, kNddot);
  const double bstar_or_bterm =
      need(read_implied_exponent(field_text(line1, kBstar)), line1, extended_theory ? kBterm : kBstar);

  values.fill(0.0);
  values[XA_TLE_SATNUM] = satellite_number;
  values[XA_TLE_EPOCH] = epoch_ds50_utc(*year, field_text(line1, kEpochDay));
  values[XA_TLE_EPHTYPE] = ephemeris_type;
  if (extended_theory) {
    values[XA_TLE_AGOM] = ndot_or_agom;
    values[XA_TLE_BTERM] = bstar_or_bterm;
  } else {
    values[XA_TLE_NDOT] = ndot_or_agom;
    values[XA_TLE_NDOTDOT] = nddot;
    values[XA_TLE_BSTAR] = bstar_or_bterm;
  }
  values[XA_TLE_ELSETNUM] =
      need(read_counter(field_text(line1, kElementSetNumber)), line1, kElementSetNumber);
  values[XA_TLE_INCLI] = need(read_decimal(field_text(line2, kInclination), false), line2, kInclination);
  values[XA_TLE_NODE] = need(read_decimal(field_text(line2, kNode), false), line2, kNode);
  values[XA_TLE_ECCEN] = need(read_implied_fraction(field_text(line2, kEccentricity)), line2, kEccentricity);
  values[XA_TLE_OMEGA] =
      need(read_decimal(field_text(line2, kArgumentOfPerigee), false), line2, kArgumentOfPerigee);
  values[XA_TLE_MNANOM] = need(read_decimal(field_text(line2, kMeanAnomaly), false), line2, kMeanAnomaly);
  values[XA_TLE_MNMOTN] = need(read_decimal(field_text(line2, kMeanMotion), false), line2, kMeanMotion);
  values[XA_TLE_REVNUM] =
      need(read_counter(field_text(line2, kRevolutionNumber)), line2, kRevolutionNumber);

  text_fields = std::string(field_text(line1, kClassification));
  text_fields.append(field_text(line1, kDesignator));
  text_fields.append(kTextDesignatorWidth - kDesignatorWidth, ' ');
}

// --- Writing -------------------------------------------------------------------------

constexpr const char* kSatelliteNumberRange = "a whole number 0-339999";
constexpr const char* kEpochRange = "epochs of the years 1957-2056";

std::string need_written(std::optional<std::string> text, const Field& field, double value,
                         const char* allowed) {
  if (!text) refuse_value(field, "cannot write " + number_text(value) + " (" + allowed + ")");
  return *text;
}

// Classification letter and designator of the text fields: the letter, then the
// designator, blank-padded or not, possibly shorter than 12 characters.
void split_text_fields(const char* text_fields, char& classification, std::string& designator) {
  const std::string_view text = text_fields == nullptr ? std::string_view() : std::string_view(text_fields);
  classification = text.empty() ? ' ' : text[0];
  std::string_view rest = text.empty() ? text : text.substr(1, kTextDesignatorWidth);
  const auto first = rest.find_first_not_of(" \t");
  rest = first == std::string_view::npos ? std::string_view() : rest.substr(first);
  rest = rest.substr(0, rest.find_last_not_of(" \t") + 1);
  const auto printable = [](char c) { return c >= ' ' && c <= '~'; };
  if (!printable(classification)) {
    refuse_value(kClassification, "cannot write a non-printable character");
  }
  if (rest.size() > kDesignatorWidth || !std::all_of(rest.begin(), rest.end(), printable)) {
    refuse_value(kDesignator, "cannot write '" + std::string(rest) + "' (at most 8 printable characters)");
  }
  designator.assign(rest);
  designator.append(kDesignatorWidth - designator.size(), ' ');
}

int written_ephemeris_type(const double* values) {
  const double type = values[XA_TLE_EPHTYPE];
  if (type == 0.0 || type == 2.0 || type == 4.0) return static_cast<int>(type);
  refuse_value(kEphemerisType,
               "cannot write " + number_text(type) + " (two-line element sets are of type 0, 2 or 4)");
}

// An angle in [0, 360]; node, argument of perigee and mean anomaly outside it are the
// same angle turned by whole revolutions.
double angle_in_revolution(double degrees) {
  constexpr double kFullTurnDeg = 360.0;
  if (degrees >= 0.0 && degrees <= kFullTurnDeg) return degrees;
  const double wrapped = std::fmod(degrees, kFullTurnDeg);
  return wrapped < 0.0 ? wrapped + kFullTurnDeg : wrapped;
}

std::string with_checksum(std::string line) { return line + checksum(line); }

std::string write_line1(const double* values, const char* text_fields) {
  char classification = ' ';
  std::string designator;
  split_text_fields(text_fields, classification, designator);
  const int ephemeris_type = written_ephemeris_type(values);
  const bool extended_theory = ephemeris_type == kEphemerisTypeXp;

  const double satnum = values[XA_TLE_SATNUM];
  const double epoch = values[XA_TLE_EPOCH];
  const double rate = values[extended_theory ? XA_TLE_AGOM : XA_TLE_NDOT];
  const double nddot = extended_theory ? 0.0 : values[XA_TLE_NDOTDOT];
  const double drag = values[extended_theory ? XA_TLE_BTERM : XA_TLE_BSTAR];
  const double elset = values[XA_TLE_ELSETNUM];

  std::string line = "1 ";
  line += need_written(write_satellite_number(satnum), kSatelliteNumber1, satnum,
                       kSatelliteNumberRange);
  line += classification;
  line += ' ';
  line += designator;
  line += ' ';
  line += need_written(write_epoch(epoch), kEpoch, epoch, kEpochRange);
  line += ' ';
  line += need_written(write_signed_decimal(rate), extended_theory ? kAgom : kNdot, rate,
                       "a finite value below 1e9");
  line += ' ';
  line += need_written(write_implied_exponent(nddot), kNddot, nddot, "a finite value below 1e9");
  line += ' ';
  line += need_written(write_implied_exponent(drag), extended_theory ? kBterm : kBstar, drag,
                       "a finite value below 1e9");
  line += ' ';
  line += static_cast<char>('0' + ephemeris_type);
  line += ' ';
  line += need_written(write_counter(elset, width(kElementSetNumber)), kElementSetNumber, elset,
                       "a non-negative whole number");
  return with_checksum(std::move(line));
}

std::string write_line2(const double* values) {
  const double satnum = values[XA_TLE_SATNUM];
  const double inclination = values[XA_TLE_INCLI];
  const double node = angle_in_revolution(values[XA_TLE_NODE]);
  const double eccentricity = values[XA_TLE_ECCEN];
  const double argument_of_perigee = angle_in_revolution(values[XA_TLE_OMEGA]);
  const double mean_anomaly = angle_in_revolution(values[XA_TLE_MNANOM]);
  const double mean_motion = values[XA_TLE_MNMOTN];
  const double revolution = values[XA_TLE_REVNUM];

  std::string line = "2 ";
  line += need_written(write_satellite_number(satnum), kSatelliteNumber2, satnum,
                       kSatelliteNumberRange);
  line += ' ';
  line += need_written(inclination <= kMaxInclinationDeg
                           ? write_fixed(inclination, width(kInclination), kAngleDecimals)
                           : std::nullopt,
                       kInclination, inclination, "0-180 degrees");
  line += ' ';
  line += need_written(write_fixed(node, width(kNode), kAngleDecimals), kNode, node, "a finite angle");
  line += ' ';
  line += need_written(write_implied_fraction(eccentricity), kEccentricity, eccentricity,
                       "0 or more, rounding below 1 at 7 decimals");
  line += ' ';
  line += need_written(write_fixed(argument_of_perigee, width(kArgumentOfPerigee), kAngleDecimals), kArgumentOfPerigee,
                       argument_of_perigee, "a finite angle");
  line += ' ';
  line += need_written(write_fixed(mean_anomaly, width(kMeanAnomaly), kAngleDecimals), kMeanAnomaly, mean_anomaly,
                       "a finite angle");
  line += ' ';
  line += need_written(write_fixed(mean_motion, width(kMeanMotion), kMeanMotionDecimals), kMeanMotion, mean_motion,
                       "0 or more, below 100 rev/day");
  line += need_written(write_counter(revolution, width(kRevolutionNumber)), kRevolutionNumber, revolution,
                       "a non-negative whole number");
  return with_checksum(std::move(line));
}

void copy_line(const std::string& line, char* out) {
  const std::size_t n = std::min<std::size_t>(line.size(), GETSETSTRLEN - 1);
  std::memcpy(out, line.data(), n);
  out[n] = '\0';
}

}  // namespace
}  // namespace engine::tle

extern "C" int TleLinesToArray(const char* line1, const char* line2, double* xa_tle, char* xs_tle) {
  if (xa_tle == nullptr || xs_tle == nullptr) {
    engine::set_last_error("TleLinesToArray: no value array or text-field buffer");
    return 1;
  }
  try {
    std::array<double, XA_TLE_SIZE> values{};
    std::string text_fields;
    engine::tle::read_lines(line1, line2, values, text_fields);
    std::copy(values.begin(), values.end(), xa_tle);
    std::memset(xs_tle, 0, GETSETSTRLEN);
    std::memcpy(xs_tle, text_fields.data(), text_fields.size());
    return 0;
  } catch (const std::exception& error) {
    engine::set_last_error(error.what());
  } catch (...) {
    engine::set_last_error("TleLinesToArray: unexpected failure");
  }
  return 1;
}

extern "C" int TleGPArrayToLines(const double* xa_tle, const char* xs_tle, char* line1, char* line2) {
  if (line1 == nullptr || line2 == nullptr) {
    engine::set_last_error("TleGPArrayToLines: no line buffers");
    return 1;
  }
  line1[0] = '\0';
  line2[0] = '\0';
  if (xa_tle == nullptr) {
    engine::set_last_error("TleGPArrayToLines: no value array");
    return 1;
  }
  try {
    const std::string first = engine::tle::write_line1(xa_tle, xs_tle);
    const std::string second = engine::tle::write_line2(xa_tle);
    engine::tle::copy_line(first, line1);
    engine::tle::copy_line(second, line2);
    return 0;
  } catch (const std::exception& error) {
    engine::set_last_error(error.what());
  } catch (...) {
    engine::set_last_error("TleGPArrayToLines: unexpected failure");
  }
  return 1;
}

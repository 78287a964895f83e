#include "saal/tle_interface.h"

#include <algorithm>

#include "saal/engine.h"
#include "saal/get_set_string.h"
#include "tle/tle_store.h"

namespace vastorin::saal {

static_assert(kTleSatelliteNumber == XA_TLE_SATNUM && kTleEpoch == XA_TLE_EPOCH &&
              kTleMeanMotionDot == XA_TLE_NDOT && kTleMeanMotionDotDot == XA_TLE_NDOTDOT &&
              kTleBStar == XA_TLE_BSTAR && kTleEphemerisType == XA_TLE_EPHTYPE &&
              kTleInclination == XA_TLE_INCLI && kTleRaan == XA_TLE_NODE && kTleEccentricity == XA_TLE_ECCEN &&
              kTleArgumentOfPerigee == XA_TLE_OMEGA && kTleMeanAnomaly == XA_TLE_MNANOM &&
              kTleMeanMotion == XA_TLE_MNMOTN && kTleBallisticTerm == XA_TLE_BTERM &&
              kTleRadiationPressure == XA_TLE_AGOM && std::tuple_size_v<TleValues> == XA_TLE_SIZE);

namespace {

// Code points with the Unicode White_Space property.
bool is_white_space(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

// The code point of the UTF-8 sequence text[begin, end), or U+FFFD when it is not one.
char32_t decode(std::string_view text, std::size_t begin, std::size_t end) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const std::size_t length = end - begin;
  const unsigned char lead = byte(begin);
  if (length == 1) return lead < 0x80 ? lead : 0xFFFD;
  char32_t c = lead & (0x7F >> length);
  for (std::size_t i = begin + 1; i < end; ++i) c = (c << 6) | (byte(i) & 0x3F);
  return c;
}

std::size_t sequence_length(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

std::string trimmed(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t end = std::min(text.size(), begin + sequence_length(static_cast<unsigned char>(text[begin])));
    if (!is_white_space(decode(text, begin, end))) break;
    begin = end;
  }
  std::size_t end = text.size();
  while (end > begin) {
    std::size_t start = end - 1;
    while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80 && end - start < 4) --start;
    if (!is_white_space(decode(text, start, end))) break;
    end = start;
  }
  return std::string(text.substr(begin, end - begin));
}

Result<TleArrays> lines_to_arrays(std::string_view line_1, std::string_view line_2) {
  GetSetString first(line_1);
  GetSetString second(line_2);
  GetSetString text_fields;
  TleArrays arrays;
  if (TleLinesToArray(first.c_str(), second.c_str(), arrays.values.data(), text_fields.data()) != 0)
    return last_error();
  arrays.text_fields = text_fields.value();
  return arrays;
}

Result<int64_t> add_to_store(const TleValues& values, std::string_view text_fields) {
  GetSetString text(text_fields);
  const int64_t key = TleAddSatFrArray(values.data(), text.c_str());
  if (key <= 0) return last_error();
  return key;
}

Result<std::pair<std::string, std::string>> arrays_to_lines(const TleValues& values, std::string_view text_fields) {
  GetSetString text(text_fields);
  GetSetString first;
  GetSetString second;
  TleGPArrayToLines(values.data(), text.c_str(), first.data(), second.data());
  std::pair<std::string, std::string> lines{trimmed(first.value()), trimmed(second.value())};
  if (lines.first.empty() || lines.second.empty()) return last_error();
  return lines;
}

void remove_from_store(int64_t key) { (void)TleRemoveSat(key); }

std::size_t tle_store_size() { return engine::tle::size(); }

}  // namespace vastorin::saal

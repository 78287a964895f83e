#include "saal/tle_interface.h"

#include "saal/engine.h"
#include "saal/get_set_string.h"
#include "sgp4/sgp4_store.h"
#include "tle/tle_store.h"

namespace vastorin::saal {

static_assert(kTleSatelliteNumber == XA_TLE_SATNUM && kTleEpoch == XA_TLE_EPOCH &&
              kTleMeanMotionDot == XA_TLE_NDOT && kTleMeanMotionDotDot == XA_TLE_NDOTDOT &&
              kTleBStar == XA_TLE_BSTAR && kTleEphemerisType == XA_TLE_EPHTYPE &&
              kTleInclination == XA_TLE_INCLI && kTleRaan == XA_TLE_NODE && kTleEccentricity == XA_TLE_ECCEN &&
              kTleArgumentOfPerigee == XA_TLE_OMEGA && kTleMeanAnomaly == XA_TLE_MNANOM &&
              kTleMeanMotion == XA_TLE_MNMOTN && kTleBallisticTerm == XA_TLE_BTERM &&
              kTleRadiationPressure == XA_TLE_AGOM && std::tuple_size_v<TleValues> == XA_TLE_SIZE);

std::string trimmed(std::string_view text) {
  constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
  const std::size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kWhiteSpace);
  return std::string(text.substr(first, last - first + 1));
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
std::size_t sgp4_store_size() { return engine::sgp4::size(); }

}  // namespace vastorin::saal

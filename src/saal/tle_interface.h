// The engine's TLE library: reading and writing element-set text, and the TLE store.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "exceptions/error.h"

namespace vastorin::saal {

// The 64-value array through which element sets cross the engine boundary.
using TleValues = std::array<double, 64>;

inline constexpr int kTleSatelliteNumber = 0;
inline constexpr int kTleEpoch = 1;
inline constexpr int kTleMeanMotionDot = 2;
inline constexpr int kTleMeanMotionDotDot = 3;
inline constexpr int kTleBStar = 4;
inline constexpr int kTleEphemerisType = 5;
inline constexpr int kTleInclination = 20;
inline constexpr int kTleRaan = 21;
inline constexpr int kTleEccentricity = 22;
inline constexpr int kTleArgumentOfPerigee = 23;
inline constexpr int kTleMeanAnomaly = 24;
inline constexpr int kTleMeanMotion = 25;
inline constexpr int kTleBallisticTerm = 32;       // extended theory (type 4)
inline constexpr int kTleRadiationPressure = 38;   // extended theory (type 4)

struct TleArrays {
  TleValues values{};
  std::string text_fields;  // classification letter, then the international designator
};

// Lines are passed unchanged (each cut at 512 bytes).
Result<TleArrays> lines_to_arrays(std::string_view line_1, std::string_view line_2);

// Loads an element set into the TLE store; the key is greater than 0.
Result<int64_t> add_to_store(const TleValues& values, std::string_view text_fields);

// The two lines, trimmed of white space; an empty line is a failure.
Result<std::pair<std::string, std::string>> arrays_to_lines(const TleValues& values, std::string_view text_fields);

void remove_from_store(int64_t key);

// Number of element sets in the TLE store (leak checks).
std::size_t tle_store_size();

// Text trimmed of white space (any Unicode white space) at both ends.
std::string trimmed(std::string_view text);

}  // namespace vastorin::saal

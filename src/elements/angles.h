// Angle conversion factors, as the system's formulas use them.
#pragma once

namespace vastorin {

inline constexpr double kDegToRad = 0.017453292519943295;  // pi / 180
inline constexpr double kRadToDeg = 57.29577951308232;     // 180 / pi

}  // namespace vastorin

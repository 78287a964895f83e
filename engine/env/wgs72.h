// Engine-internal: WGS-72 constants as SGP4 uses them (Spacetrack Report #3, "Revisiting
// Spacetrack Report #3", AIAA 2006-6753, getgravconst 'wgs72').
#pragma once

namespace engine::wgs72 {

inline constexpr double kMu = 398600.8;                   // km^3/s^2
inline constexpr double kRadiusKm = 6378.135;             // equatorial radius, km
inline constexpr double kKe = 0.07436691613317342;        // 60 / sqrt(R^3 / mu), per minute
inline constexpr double kJ2 = 0.001082616;
inline constexpr double kJ3 = -0.00000253881;
inline constexpr double kJ4 = -0.00000165597;
inline constexpr double kFlattening = 1.0 / 298.26;
// Rate of GMST 1982 at J2000, the rotation used with TEME (rad/s).
inline constexpr double kRotationRate = 7.292115146706979e-5;

}  // namespace engine::wgs72

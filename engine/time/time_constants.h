// Engine-internal: the constants of day counts, time scales and angle units, named once for
// the time and astrodynamics libraries.
#pragma once

namespace engine::timeconst {

inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;

// ds50 counts days since 1950 January 0.0: ds50 = JD - 2433281.5 = MJD - 33281.
inline constexpr double kJdAtDs50Zero = 2433281.5;
inline constexpr double kMjdMinusDs50 = 33281.0;
// The Julian epoch J2000.0 (2000-01-01T12:00:00) as a ds50 count.
inline constexpr double kDs50AtJ2000 = 18263.5;

// TT - TAI, exact by the definition of TT (IAU 1991 Resolution A4).
inline constexpr double kTtMinusTaiSeconds = 32.184;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 6.28318530717958647693;
inline constexpr double kDeg2Rad = kPi / 180.0;
inline constexpr double kRad2Deg = 180.0 / kPi;
inline constexpr double kArcsec2Rad = kDeg2Rad / 3600.0;

}  // namespace engine::timeconst

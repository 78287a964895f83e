// Engine-internal: the Earth-orientation values other libraries need at a UTC instant.
#pragma once

namespace engine::eop {

// UT1 - UTC in seconds, interpolated linearly between the loaded daily values (as UT1 - TAI,
// so that a leap second is a step at 0h UTC); the end values are held outside the table;
// 0.0 when no file is loaded.
double ut1_minus_utc_seconds(double ds50_utc);

// Polar motion x_p and y_p in radians, interpolated linearly; both 0.0 when no file is
// loaded.
void polar_motion_rad(double ds50_utc, double* xp_rad, double* yp_rad);

// TAI - UTC in seconds at a UTC instant: the loaded file's DAT column from 1972 on where it
// has one, else ERFA's eraDat (1960 onward; the 1960 value is held before).
double tai_minus_utc_seconds(double ds50_utc);

}  // namespace engine::eop

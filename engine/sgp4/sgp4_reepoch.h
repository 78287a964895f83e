// Engine-internal: an element set moved to a new epoch.
#pragma once

#include <array>
#include <string>

#include "sgp4/sgp4_store.h"

namespace engine::sgp4 {

// The TLE value array of an element set of the same ephemeris type whose own SGP4 state at
// the new epoch reproduces `source`'s state there.
//
// - The new epoch is rounded to the 1e-8 day that element-set text holds, and the fit aims
//   at the source's state at that rounded epoch.
// - The six mean elements are fitted to the source's state (sgp4_fit.h), starting from the
//   source's mean elements at that time. A fit that stays more than 1 km away fails.
// - The text holds angles to 1e-4 deg, the eccentricity to 1e-7 and the mean motion to
//   1e-8 rev/day, which at the distance of an apogee can be tens of metres. Of the 32 ways
//   of rounding inclination, node, argument of perigee, eccentricity (each down or up, the
//   mean anomaly and mean motion refitted after them) and then the mean anomaly (down or
//   up), the one whose SGP4 state at epoch lands closest to the source's is written.
// - Every other entry is copied from the source: satellite number, ephemeris type, B* or
//   ballistic term, radiation-pressure term, the mean-motion derivatives (which SGP4 does
//   not use) and the element set number. The revolution number is the source's plus the
//   ascending-node passages between the two epochs (counted from the mean argument of
//   latitude), floored at 0.
//
// Returns 0, or non-zero with the reason in `why` (an SGP4 error of the source at the new
// epoch gives its code).
int reepoch(const Propagator& source, double new_epoch_ds50_utc,
            std::array<double, 64>& values, std::string& why);

// Text of an SGP4 failure at a time, e.g. "SGP4 error 6 (satellite decayed) at 1234.500
// minutes since epoch (ds50 UTC 27000.12345000)".
std::string describe_error(int code, double minutes_since_epoch, double ds50_utc);

}  // namespace engine::sgp4

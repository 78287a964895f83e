// Engine-internal: SGP4 mean elements <-> the TLE value array (tle/tle.h), by ephemeris
// type: 0 carries the Kozai mean motion and B*, 2 the Brouwer mean motion and B*, 4 (the
// extended theory) the Brouwer mean motion, the ballistic term and the radiation-pressure
// term. Type 6 (osculating elements) is not an SGP4 element set.
#pragma once

#include <string>

#include "sgp4/sgp4_model.h"

namespace engine::sgp4 {

inline constexpr int kEphemerisKozai = 0;
inline constexpr int kEphemerisBrouwer = 2;
inline constexpr int kEphemerisExtended = 4;
inline constexpr int kEphemerisOsculating = 6;

// Ephemeris type of a value array, or -1 when entry 5 is not a whole number.
int ephemeris_type(const double* xa_tle);

// The mean elements SGP4 starts from. False, with the reason in `why`, for ephemeris types
// SGP4 does not take.
bool mean_elements_from_tle(const double* xa_tle, MeanElements& out, std::string& why);

// Writes epoch, inclination, node, eccentricity, argument of perigee, mean anomaly (deg,
// angles in [0, 360)) and the mean motion of the set's own theory (rev/day) into the value
// array; drag and radiation-pressure entries are left as they are.
void store_mean_elements(const MeanElements& el, int ephemeris_type, double* xa_tle);

// Inverse of kozai_to_brouwer (rad/min), iterated to the last bit.
double brouwer_to_kozai(double brouwer_rad_per_min, double eccentricity, double inclination_rad);

}  // namespace engine::sgp4

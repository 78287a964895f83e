// The engine's SGP4 library, on keys of the TLE store.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "exceptions/error.h"
#include "saal/astro_func_interface.h"

namespace vastorin::saal {

using Sgp4Output = std::array<double, 64>;

// Entries 15 to 20 of the full output: the mean elements at the time in the engine's
// Keplerian order.
inline constexpr int kSgp4MeanElements = 15;

Status sgp4_init(int64_t key);
Status sgp4_remove(int64_t key);

// Position and velocity (TEME, km and km/s) at a UTC day count.
Result<PosVel> sgp4_pos_vel_at_ds50(int64_t key, double ds50_utc);

// Everything SGP4 computes at a UTC day count.
Result<Sgp4Output> get_all_at_ds50(int64_t key, double ds50_utc);

// The mean equinoctial elements at a UTC day count.
Result<Elements6> get_equinoctial_at_ds50(int64_t key, double ds50_utc);

// The two lines of the element set moved to a new epoch, trimmed of white space.
Result<std::pair<std::string, std::string>> reepoch_tle(int64_t key, double ds50_utc);

// Number of keys initialised for SGP4 (leak checks).
std::size_t sgp4_store_size();

// The mean elements of a full output, in the engine's Keplerian order.
Elements6 mean_elements_of(const Sgp4Output& output);

}  // namespace vastorin::saal

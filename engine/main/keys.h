// Engine-internal: keys handed out by the stores (TLE, external ephemeris, observations).
#pragma once

#include <cstdint>

namespace engine {

// A new key, greater than 0 and never handed out before in this process. Thread-safe.
int64_t new_key();

}  // namespace engine

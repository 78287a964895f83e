// Engine-internal: the SGP4 store, the initialised models under the TLE store's keys.
//
// Many threads propagate different keys at once, so no lock covers the whole store: it is
// split into shards, each a hash map behind its own shared mutex. A lookup takes its
// shard's shared lock only long enough to copy a shared_ptr to the immutable entry, and
// then propagates without any lock; a removal on another thread drops the map's reference
// while the propagating thread keeps its own, so an entry in use is never freed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "sgp4/sgp4_model.h"

namespace engine::sgp4 {

// What an initialised key holds: the model and the element set it was built from.
struct Propagator {
  Model model;
  std::array<double, 64> tle_values{};  // the TLE value array (tle/tle.h)
  std::string text_fields;              // classification letter and designator
};

// Adds or replaces the entry of `key`.
void insert(int64_t key, std::shared_ptr<const Propagator> entry);

// The entry of `key`, or null when the key is not initialised.
std::shared_ptr<const Propagator> find(int64_t key);

// Removes the entry of `key`; false when there was none.
bool remove(int64_t key);

// Number of initialised keys.
std::size_t size();

}  // namespace engine::sgp4

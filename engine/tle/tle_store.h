// Engine-internal: what the other libraries read of the TLE store.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace engine::tle {

struct StoredTle {
  std::array<double, 64> values{};  // the TLE value array (tle.h)
  std::string text_fields;          // classification letter and designator
};

// Copies the element set loaded under key into out; false when the key is not loaded.
bool find(int64_t key, StoredTle& out);

// Number of element sets in the store.
std::size_t size();

}  // namespace engine::tle

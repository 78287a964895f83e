#include "main/keys.h"

#include <atomic>

namespace engine {

int64_t new_key() {
  // Keys start well above small integers so that a satellite number or an index passed
  // where a key belongs is never mistaken for a loaded key.
  static std::atomic<int64_t> next{1'000'000'001};
  return next.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace engine

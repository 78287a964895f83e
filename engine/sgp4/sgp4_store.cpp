// The SGP4 store; see sgp4_store.h.
#include "sgp4/sgp4_store.h"

#include <mutex>
#include <shared_mutex>
#include <unordered_map>
#include <utility>

namespace engine::sgp4 {
namespace {

// Keys come from engine::new_key in sequence, so the key modulo the shard count spreads
// them evenly.
constexpr std::size_t kShardCount = 64;

struct Shard {
  mutable std::shared_mutex mutex;
  std::unordered_map<int64_t, std::shared_ptr<const Propagator>> entries;
};

// Never destroyed: a worker thread may still propagate while static destructors run at
// process exit.
std::array<Shard, kShardCount>& shards() {
  static auto* all = new std::array<Shard, kShardCount>();
  return *all;
}

Shard& shard_of(int64_t key) { return shards()[static_cast<uint64_t>(key) % kShardCount]; }

}  // namespace

void insert(int64_t key, std::shared_ptr<const Propagator> entry) {
  Shard& shard = shard_of(key);
  std::shared_ptr<const Propagator> replaced;  // freed outside the lock
  std::unique_lock lock(shard.mutex);
  auto& slot = shard.entries[key];
  replaced = std::exchange(slot, std::move(entry));
}

std::shared_ptr<const Propagator> find(int64_t key) {
  const Shard& shard = shard_of(key);
  std::shared_lock lock(shard.mutex);
  const auto it = shard.entries.find(key);
  return it == shard.entries.end() ? nullptr : it->second;
}

bool remove(int64_t key) {
  Shard& shard = shard_of(key);
  std::shared_ptr<const Propagator> removed;  // freed outside the lock
  std::unique_lock lock(shard.mutex);
  const auto it = shard.entries.find(key);
  if (it == shard.entries.end()) return false;
  removed = std::move(it->second);
  shard.entries.erase(it);
  return true;
}

std::size_t size() {
  std::size_t total = 0;
  for (const Shard& shard : shards()) {
    std::shared_lock lock(shard.mutex);
    total += shard.entries.size();
  }
  return total;
}

}  // namespace engine::sgp4

// The TLE store: element sets loaded under 64-bit keys.
//
// Additions, removals and lookups come from many threads at once (the constellation
// operations copy records on worker threads while SGP4 initialises others), so the store
// is split into shards, each a hash map behind its own shared mutex: a lookup takes only
// its shard's shared lock, and two operations on different shards never wait for each
// other. Keys are handed out in sequence by engine::new_key, so the key modulo the shard
// count spreads them evenly.
//
// The no-duplicates key mode needs to know whether a satellite number is loaded. A count
// per satellite number is kept in a second sharded table (by satellite number), updated on
// every addition and removal in both key modes so that a later change of mode sees the
// true state. The check and the increment happen under one lock, so two threads adding
// the same number in no-duplicates mode cannot both succeed. The two tables are never
// locked together.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <unordered_map>

#include "main/dllmain.h"
#include "main/keys.h"
#include "main/last_error.h"
#include "tle/tle.h"
#include "tle/tle_fields.h"
#include "tle/tle_store.h"

namespace engine::tle {
namespace {

constexpr std::size_t kShardCount = 64;

struct KeyShard {
  mutable std::shared_mutex mutex;
  std::unordered_map<int64_t, StoredTle> sets;
};

struct SatelliteShard {
  std::mutex mutex;
  std::unordered_map<int, std::size_t> loaded_copies;
};

struct Store {
  std::array<KeyShard, kShardCount> keys;
  std::array<SatelliteShard, kShardCount> satellites;

  KeyShard& shard_of_key(int64_t key) { return keys[static_cast<uint64_t>(key) % kShardCount]; }
  SatelliteShard& shard_of_satellite(int satellite_number) {
    return satellites[static_cast<unsigned>(satellite_number) % kShardCount];
  }
};

// Never destroyed: another library's static objects, or a worker thread still running at
// process exit, may reach the store after the static destructors have begun.
Store& store() {
  static Store* const instance = new Store;
  return *instance;
}

// Names of the value-array entries that an element set carries, for messages.
const char* entry_name(int index) {
  switch (index) {
    case XA_TLE_SATNUM: return "satellite number";
    case XA_TLE_EPOCH: return "epoch";
    case XA_TLE_NDOT: return "mean motion first derivative or ballistic term";
    case XA_TLE_NDOTDOT: return "mean motion second derivative";
    case XA_TLE_BSTAR: return "B* or radiation-pressure term";
    case XA_TLE_EPHTYPE: return "ephemeris type";
    case XA_TLE_ELSETNUM: return "element set number";
    case XA_TLE_INCLI: return "inclination";
    case XA_TLE_NODE: return "right ascension of the ascending node";
    case XA_TLE_ECCEN: return "eccentricity";
    case XA_TLE_OMEGA: return "argument of perigee";
    case XA_TLE_MNANOM: return "mean anomaly";
    case XA_TLE_MNMOTN: return "mean motion";
    case XA_TLE_REVNUM: return "revolution number";
    case XA_TLE_BTERM: return "ballistic term";
    case XA_TLE_AGOM: return "radiation-pressure term";
    default: return "unused entry";
  }
}

// Why an element set cannot be used, or nothing when it can. Angles other than the
// inclination are not range-checked: any finite angle names a direction.
std::optional<std::string> refusal(const double* values) {
  for (int index = 0; index < XA_TLE_SIZE; ++index) {
    if (!std::isfinite(values[index])) {
      return "entry " + std::to_string(index) + " (" + entry_name(index) + ") is not finite";
    }
  }
  const double satellite_number = values[XA_TLE_SATNUM];
  if (!(satellite_number >= 1.0 && satellite_number <= kMaxSatelliteNumber) ||
      satellite_number != std::floor(satellite_number)) {
    return "satellite number " + number_text(satellite_number) +
           " is not a whole number in 1-" + std::to_string(kMaxSatelliteNumber);
  }
  const double type = values[XA_TLE_EPHTYPE];
  if (type != 0.0 && type != 2.0 && type != 4.0 && type != 6.0) {
    return "ephemeris type " + number_text(type) + " is not 0, 2, 4 or 6";
  }
  const double eccentricity = values[XA_TLE_ECCEN];
  if (!(eccentricity >= 0.0 && eccentricity < 1.0)) {
    return "eccentricity " + number_text(eccentricity) + " is outside [0, 1)";
  }
  const double inclination = values[XA_TLE_INCLI];
  if (!(inclination >= 0.0 && inclination <= kMaxInclinationDeg)) {
    return "inclination " + number_text(inclination) + " deg is outside [0, 180]";
  }
  // Type 6 (osculating) sets are defined by their elements, not by a mean motion.
  if (type != 6.0 && !(values[XA_TLE_MNMOTN] > 0.0)) {
    return "mean motion " + number_text(values[XA_TLE_MNMOTN]) + " rev/day is not positive";
  }
  return std::nullopt;
}

// Counts one more loaded copy of the satellite, unless the no-duplicates key mode refuses it.
bool admit_satellite(int satellite_number) {
  SatelliteShard& shard = store().shard_of_satellite(satellite_number);
  const std::lock_guard lock(shard.mutex);
  std::size_t& copies = shard.loaded_copies[satellite_number];
  if (copies > 0 && key_mode() == KEYMODE_NODUP) return false;
  ++copies;
  return true;
}

void release_satellite(int satellite_number) {
  SatelliteShard& shard = store().shard_of_satellite(satellite_number);
  const std::lock_guard lock(shard.mutex);
  const auto it = shard.loaded_copies.find(satellite_number);
  if (it != shard.loaded_copies.end() && --it->second == 0) shard.loaded_copies.erase(it);
}

int64_t add(const double* values, const char* text_fields) {
  if (values == nullptr) {
    set_last_error("TleAddSatFrArray: no value array");
    return 0;
  }
  if (const auto why = refusal(values)) {
    set_last_error("TleAddSatFrArray: element set refused: " + *why);
    return 0;
  }
  StoredTle set;
  std::copy(values, values + XA_TLE_SIZE, set.values.begin());
  if (text_fields != nullptr) set.text_fields.assign(text_fields, strnlen(text_fields, GETSETSTRLEN - 1));

  const int satellite_number = static_cast<int>(values[XA_TLE_SATNUM]);
  if (!admit_satellite(satellite_number)) {
    set_last_error("TleAddSatFrArray: satellite " + std::to_string(satellite_number) +
                   " is already loaded and the key mode (no duplicates) refuses a second copy");
    return 0;
  }
  const int64_t key = new_key();
  KeyShard& shard = store().shard_of_key(key);
  try {
    const std::unique_lock lock(shard.mutex);
    shard.sets.emplace(key, std::move(set));
  } catch (...) {
    release_satellite(satellite_number);
    throw;
  }
  return key;
}

int remove(int64_t key) {
  std::optional<int> satellite_number;
  {
    KeyShard& shard = store().shard_of_key(key);
    const std::unique_lock lock(shard.mutex);
    const auto it = shard.sets.find(key);
    if (it != shard.sets.end()) {
      satellite_number = static_cast<int>(it->second.values[XA_TLE_SATNUM]);
      shard.sets.erase(it);
    }
  }
  if (!satellite_number) {
    set_last_error("TleRemoveSat: key " + std::to_string(key) + " is not loaded");
    return 1;
  }
  release_satellite(*satellite_number);
  return 0;
}

}  // namespace

bool find(int64_t key, StoredTle& out) {
  const KeyShard& shard = store().shard_of_key(key);
  const std::shared_lock lock(shard.mutex);
  const auto it = shard.sets.find(key);
  if (it == shard.sets.end()) return false;
  out = it->second;
  return true;
}

std::size_t size() {
  std::size_t total = 0;
  for (const KeyShard& shard : store().keys) {
    const std::shared_lock lock(shard.mutex);
    total += shard.sets.size();
  }
  return total;
}

}  // namespace engine::tle

extern "C" int64_t TleAddSatFrArray(const double* xa_tle, const char* xs_tle) {
  try {
    return engine::tle::add(xa_tle, xs_tle);
  } catch (const std::exception& error) {
    engine::set_last_error(std::string("TleAddSatFrArray: ") + error.what());
  } catch (...) {
    engine::set_last_error("TleAddSatFrArray: unexpected failure");
  }
  return 0;
}

extern "C" int TleRemoveSat(int64_t satKey) {
  try {
    return engine::tle::remove(satKey);
  } catch (const std::exception& error) {
    engine::set_last_error(std::string("TleRemoveSat: ") + error.what());
  } catch (...) {
    engine::set_last_error("TleRemoveSat: unexpected failure");
  }
  return 1;
}

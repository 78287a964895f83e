#include "saal/sgp4_prop_interface.h"

#include "saal/engine.h"
#include "saal/get_set_string.h"
#include "saal/tle_interface.h"
#include "sgp4/sgp4_store.h"

namespace vastorin::saal {

static_assert(kSgp4MeanElements == XA_SGP4OUT_MN_A && std::tuple_size_v<Sgp4Output> == XA_SGP4OUT_SIZE);

Status sgp4_init(int64_t key) {
  if (Sgp4InitSat(key) != 0) return last_error();
  return {};
}

Status sgp4_remove(int64_t key) {
  if (Sgp4RemoveSat(key) != 0) return last_error();
  return {};
}

Result<PosVel> sgp4_pos_vel_at_ds50(int64_t key, double ds50_utc) {
  PosVel out;
  if (Sgp4PropDs50UtcPosVel(key, ds50_utc, out.position.data(), out.velocity.data()) != 0) return last_error();
  return out;
}

Result<Sgp4Output> get_all_at_ds50(int64_t key, double ds50_utc) {
  Sgp4Output out{};
  if (Sgp4PropAll(key, SGP4_TIMETYPE_DS50UTC, ds50_utc, out.data()) != 0) return last_error();
  return out;
}

Result<Elements6> get_equinoctial_at_ds50(int64_t key, double ds50_utc) {
  Elements6 elements{};
  Elements6 rates{};
  if (XpGetNativeElts(key, ds50_utc, elements.data(), rates.data()) != 0) return last_error();
  return elements;
}

Result<std::pair<std::string, std::string>> reepoch_tle(int64_t key, double ds50_utc) {
  GetSetString first;
  GetSetString second;
  if (Sgp4ReepochTLE(key, ds50_utc, first.data(), second.data()) != 0) return last_error();
  return std::pair<std::string, std::string>{trimmed(first.value()), trimmed(second.value())};
}

std::size_t sgp4_store_size() { return engine::sgp4::size(); }

Elements6 mean_elements_of(const Sgp4Output& output) {
  Elements6 elements{};
  for (int i = 0; i < 6; ++i) elements[i] = output[kSgp4MeanElements + i];
  return elements;
}

}  // namespace vastorin::saal

// SGP4 library entry points (sgp4prop.h): keyed initialisation, propagation, mean elements
// and re-epoch over the models of sgp4_model.h kept in the store of sgp4_store.h.
//
// Status values besides the published SGP4 error codes (1 to 6):
//   101  the key is not loaded in the TLE store (Sgp4InitSat) or not initialised for SGP4
//   102  the element set is of a type SGP4 does not take (6, or unknown)
//   103  an argument is out of its domain (time type)
//   199  an unexpected internal failure
// Every failure leaves a text for GetLastErrMsg that names the call, the key or satellite,
// and for SGP4 errors the condition and the time.
#include "sgp4/sgp4prop.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "astro/astrofunc.h"
#include "env/wgs72.h"
#include "main/dllmain.h"
#include "main/last_error.h"
#include "sgp4/sgp4_elset.h"
#include "sgp4/sgp4_model.h"
#include "sgp4/sgp4_reepoch.h"
#include "sgp4/sgp4_store.h"
#include "tle/tle.h"
#include "tle/tle_store.h"
#include "time/time_constants.h"

namespace {

using engine::set_last_error;
namespace sgp4 = engine::sgp4;

constexpr int kStatusUnknownKey = 101;
constexpr int kStatusUnsupportedSet = 102;
constexpr int kStatusBadArgument = 103;
constexpr int kStatusInternal = 199;

using engine::timeconst::kTwoPi;
using engine::timeconst::kRad2Deg;
using engine::timeconst::kMinutesPerDay;
constexpr double kRadPerMinToRevPerDay = kMinutesPerDay / kTwoPi;
// Step of the central differences that give the rates of XpGetNativeElts, minutes.
constexpr double kRateStepMin = 1.0;

std::string key_text(int64_t key) { return "key " + std::to_string(key); }

std::string satellite_text(const sgp4::Propagator& p, int64_t key) {
  char text[80];
  std::snprintf(text, sizeof text, "satellite %.0f (key %lld)", p.tle_values[XA_TLE_SATNUM],
                static_cast<long long>(key));
  return text;
}

// Runs `body`, turning any exception into a failure status with a text.
template <class Body>
int guarded(const char* call, Body&& body) {
  try {
    return body();
  } catch (const std::exception& e) {
    set_last_error(std::string(call) + ": internal failure: " + e.what());
  } catch (...) {
    set_last_error(std::string(call) + ": internal failure");
  }
  return kStatusInternal;
}

std::shared_ptr<const sgp4::Propagator> initialised(const char* call, int64_t key) {
  auto entry = sgp4::find(key);
  if (!entry) {
    set_last_error(std::string(call) + ": " + key_text(key) +
                   " is not initialised for SGP4 (Sgp4InitSat)");
  }
  return entry;
}

// Evaluates the model of `entry` at minutes since its epoch; on failure leaves the text.
int evaluate(const char* call, int64_t key, const sgp4::Propagator& entry, double t,
             sgp4::Prediction& out) {
  const int code = entry.model.propagate(t, out);
  if (code != sgp4::kOk) {
    const double ds50 = entry.model.elements().epoch_ds50_utc + t / kMinutesPerDay;
    set_last_error(std::string(call) + ": " + satellite_text(entry, key) + ": " +
                   sgp4::describe_error(code, t, ds50));
  }
  return code;
}

double minutes_since_epoch(const sgp4::Propagator& entry, double ds50_utc) {
  return (ds50_utc - entry.model.elements().epoch_ds50_utc) * kMinutesPerDay;
}

// Mean equinoctial elements of a prediction (astrofunc.h order and units).
void mean_equinoctial(const sgp4::Prediction& p, double* eqnx) {
  const double lon_perigee = p.arg_perigee_rad + p.raan_rad;
  const double tan_half_incl = std::tan(0.5 * p.inclination_rad);
  eqnx[XA_EQNX_AF] = p.eccentricity * std::cos(lon_perigee);
  eqnx[XA_EQNX_AG] = p.eccentricity * std::sin(lon_perigee);
  eqnx[XA_EQNX_CHI] = tan_half_incl * std::sin(p.raan_rad);
  eqnx[XA_EQNX_PSI] = tan_half_incl * std::cos(p.raan_rad);
  double lon = std::fmod((p.mean_anomaly_rad + lon_perigee) * kRad2Deg, 360.0);
  if (lon < 0.0) lon += 360.0;
  eqnx[XA_EQNX_L] = lon;
  eqnx[XA_EQNX_N] = p.mean_motion_rad_per_min * kRadPerMinToRevPerDay;
}

void fill_all(const sgp4::Propagator& entry, double t, const sgp4::Prediction& p, double* out) {
  const sgp4::MeanElements& el = entry.model.elements();
  const double ds50 = el.epoch_ds50_utc + t / kMinutesPerDay;
  const double radius = engine::wgs72::kRadiusKm;
  out[XA_SGP4OUT_DS50UTC] = ds50;
  out[XA_SGP4OUT_MSE] = t;
  for (int i = 0; i < 3; ++i) {
    out[XA_SGP4OUT_POSX + i] = p.pos_km[i];
    out[XA_SGP4OUT_VELX + i] = p.vel_km_s[i];
  }
  double llh[3];
  XYZToLLHTime(ds50, p.pos_km, llh);
  out[XA_SGP4OUT_LAT] = llh[0];
  out[XA_SGP4OUT_LON] = llh[1];
  out[XA_SGP4OUT_HEIGHT] = llh[2];

  // Revolutions count ascending-node passages of the mean argument of latitude.
  double u0 = std::fmod(el.mean_anomaly_rad + el.arg_perigee_rad, kTwoPi);
  if (u0 < 0.0) u0 += kTwoPi;
  out[XA_SGP4OUT_REVNUM] =
      entry.tle_values[XA_TLE_REVNUM] + std::floor((u0 + p.arg_latitude_advance_rad) / kTwoPi);
  out[XA_SGP4OUT_NODALPRD] = kTwoPi / p.arg_latitude_rate_rad_per_min;
  out[XA_SGP4OUT_APHT] = p.semi_major_axis_km * (1.0 + p.eccentricity) - radius;
  out[XA_SGP4OUT_PGHT] = p.semi_major_axis_km * (1.0 - p.eccentricity) - radius;

  out[XA_SGP4OUT_MN_A] = p.semi_major_axis_km;
  out[XA_SGP4OUT_MN_E] = p.eccentricity;
  out[XA_SGP4OUT_MN_INCLI] = p.inclination_rad * kRad2Deg;
  out[XA_SGP4OUT_MN_MA] = p.mean_anomaly_rad * kRad2Deg;
  out[XA_SGP4OUT_MN_NODE] = p.raan_rad * kRad2Deg;
  out[XA_SGP4OUT_MN_OMEGA] = p.arg_perigee_rad * kRad2Deg;

  double kep[6];
  PosVelToKep(p.pos_km, p.vel_km_s, kep);
  out[XA_SGP4OUT_OSC_A] = kep[XA_KEP_A];
  out[XA_SGP4OUT_OSC_E] = kep[XA_KEP_E];
  out[XA_SGP4OUT_OSC_INCLI] = kep[XA_KEP_INCLI];
  out[XA_SGP4OUT_OSC_MA] = kep[XA_KEP_MA];
  out[XA_SGP4OUT_OSC_NODE] = kep[XA_KEP_NODE];
  out[XA_SGP4OUT_OSC_OMEGA] = kep[XA_KEP_OMEGA];
}

}  // namespace

extern "C" int Sgp4InitSat(int64_t satKey) {
  return guarded("Sgp4InitSat", [&] {
    engine::tle::StoredTle stored;
    if (!engine::tle::find(satKey, stored)) {
      set_last_error("Sgp4InitSat: " + key_text(satKey) + " is not loaded in the TLE store");
      return kStatusUnknownKey;
    }
    char who[80];
    std::snprintf(who, sizeof who, "Sgp4InitSat: satellite %.0f (key %lld): ",
                  stored.values[XA_TLE_SATNUM], static_cast<long long>(satKey));
    sgp4::MeanElements elements;
    std::string why;
    if (!sgp4::mean_elements_from_tle(stored.values.data(), elements, why)) {
      set_last_error(who + why);
      return kStatusUnsupportedSet;
    }
    auto entry = std::make_shared<sgp4::Propagator>();
    const int code = sgp4::Model::create(elements, entry->model);
    if (code != sgp4::kOk) {
      char text[200];
      std::snprintf(text, sizeof text,
                    "SGP4 error %d (%s) at epoch: eccentricity %.7f, mean motion %.8f rev/day",
                    code, sgp4::error_condition(code), stored.values[XA_TLE_ECCEN],
                    stored.values[XA_TLE_MNMOTN]);
      set_last_error(who + std::string(text));
      return code;
    }
    entry->tle_values = stored.values;
    entry->text_fields = stored.text_fields;
    sgp4::insert(satKey, std::move(entry));
    return 0;
  });
}

extern "C" int Sgp4RemoveSat(int64_t satKey) {
  return guarded("Sgp4RemoveSat", [&] {
    if (!sgp4::remove(satKey)) {
      set_last_error("Sgp4RemoveSat: " + key_text(satKey) + " is not initialised for SGP4");
      return kStatusUnknownKey;
    }
    return 0;
  });
}

extern "C" int Sgp4PropDs50UtcPosVel(int64_t satKey, double ds50UTC, double* pos, double* vel) {
  constexpr const char* kCall = "Sgp4PropDs50UtcPosVel";
  return guarded(kCall, [&] {
    const auto entry = initialised(kCall, satKey);
    if (!entry) return kStatusUnknownKey;
    sgp4::Prediction p;
    const int code = evaluate(kCall, satKey, *entry, minutes_since_epoch(*entry, ds50UTC), p);
    // A decayed satellite still has the state SGP4 computed; other errors have none.
    for (int i = 0; i < 3; ++i) {
      pos[i] = p.pos_km[i];
      vel[i] = p.vel_km_s[i];
    }
    return code;
  });
}

extern "C" int Sgp4PropAll(int64_t satKey, int timeType, double timeIn, double* xa_Sgp4Out) {
  constexpr const char* kCall = "Sgp4PropAll";
  return guarded(kCall, [&] {
    if (timeType != SGP4_TIMETYPE_MSE && timeType != SGP4_TIMETYPE_DS50UTC) {
      set_last_error("Sgp4PropAll: unknown time type " + std::to_string(timeType) +
                     " (0 minutes since epoch, 1 ds50 UTC)");
      return kStatusBadArgument;
    }
    const auto entry = initialised(kCall, satKey);
    if (!entry) return kStatusUnknownKey;
    const double t =
        timeType == SGP4_TIMETYPE_MSE ? timeIn : minutes_since_epoch(*entry, timeIn);
    sgp4::Prediction p;
    const int code = evaluate(kCall, satKey, *entry, t, p);
    std::memset(xa_Sgp4Out, 0, sizeof(double) * XA_SGP4OUT_SIZE);
    if (code != sgp4::kOk) return code;
    fill_all(*entry, t, p, xa_Sgp4Out);
    return 0;
  });
}

// The rates are central differences of the mean equinoctial elements over +-1 minute (per
// day); they are zeros when either neighbouring time cannot be propagated.
extern "C" int XpGetNativeElts(int64_t satKey, double ds50UTC, double* xa_eqnx,
                               double* xa_eqnx_dot) {
  constexpr const char* kCall = "XpGetNativeElts";
  return guarded(kCall, [&] {
    const auto entry = initialised(kCall, satKey);
    if (!entry) return kStatusUnknownKey;
    const double t = minutes_since_epoch(*entry, ds50UTC);
    sgp4::Prediction p;
    const int code = evaluate(kCall, satKey, *entry, t, p);
    if (code != sgp4::kOk) return code;
    mean_equinoctial(p, xa_eqnx);

    for (int i = 0; i < 6; ++i) xa_eqnx_dot[i] = 0.0;
    sgp4::Prediction before, after;
    if (entry->model.propagate(t - kRateStepMin, before) != sgp4::kOk ||
        entry->model.propagate(t + kRateStepMin, after) != sgp4::kOk) {
      return 0;
    }
    double e0[6], e1[6];
    mean_equinoctial(before, e0);
    mean_equinoctial(after, e1);
    const double per_day = kMinutesPerDay / (2.0 * kRateStepMin);
    for (int i = 0; i < 6; ++i) xa_eqnx_dot[i] = (e1[i] - e0[i]) * per_day;
    double dl = std::fmod(e1[XA_EQNX_L] - e0[XA_EQNX_L], 360.0);
    if (dl < -180.0) dl += 360.0;
    if (dl > 180.0) dl -= 360.0;
    xa_eqnx_dot[XA_EQNX_L] = dl * per_day;
    return 0;
  });
}

extern "C" int Sgp4ReepochTLE(int64_t satKey, double reEpochDs50UTC, char* line1Out,
                              char* line2Out) {
  constexpr const char* kCall = "Sgp4ReepochTLE";
  line1Out[0] = '\0';
  line2Out[0] = '\0';
  return guarded(kCall, [&] {
    const auto entry = initialised(kCall, satKey);
    if (!entry) return kStatusUnknownKey;
    std::array<double, 64> values{};
    std::string why;
    const int code = sgp4::reepoch(*entry, reEpochDs50UTC, values, why);
    if (code != 0) {
      set_last_error(std::string(kCall) + ": " + satellite_text(*entry, satKey) + ": " + why);
      return code;
    }
    char text_fields[GETSETSTRLEN] = {};
    std::strncpy(text_fields, entry->text_fields.c_str(), GETSETSTRLEN - 1);
    // TleGPArrayToLines leaves its own text on failure.
    return TleGPArrayToLines(values.data(), text_fields, line1Out, line2Out);
  });
}

// SGP4 mean elements <-> TLE value array; see sgp4_elset.h.
#include "sgp4/sgp4_elset.h"

#include <cmath>

#include "tle/tle.h"
#include "time/time_constants.h"

namespace engine::sgp4 {
namespace {

using timeconst::kTwoPi;
using timeconst::kDeg2Rad;
using timeconst::kMinutesPerDay;
// Revolutions per day per radian per minute; mean motions are divided by it, as the
// published element-set reader does, so that the same text gives the same bits.
constexpr double kXpdotp = kMinutesPerDay / kTwoPi;
constexpr int kMaxKozaiIterations = 20;

double degrees_0_360(double rad) {
  double deg = std::fmod(rad / kDeg2Rad, 360.0);
  if (deg < 0.0) deg += 360.0;
  return deg;
}

}  // namespace

int ephemeris_type(const double* xa_tle) {
  const double t = xa_tle[XA_TLE_EPHTYPE];
  if (!(std::fabs(t) < 1.0e6) || t != std::floor(t)) return -1;
  return static_cast<int>(t);
}

bool mean_elements_from_tle(const double* xa_tle, MeanElements& out, std::string& why) {
  const int type = ephemeris_type(xa_tle);
  if (type == kEphemerisOsculating) {
    why = "ephemeris type 6 holds osculating elements, which SGP4 cannot propagate";
    return false;
  }
  if (type != kEphemerisKozai && type != kEphemerisBrouwer && type != kEphemerisExtended) {
    why = "unknown ephemeris type " + std::to_string(xa_tle[XA_TLE_EPHTYPE]) +
          " (SGP4 takes 0, 2 and 4)";
    return false;
  }
  MeanElements el;
  el.epoch_ds50_utc = xa_tle[XA_TLE_EPOCH];
  el.eccentricity = xa_tle[XA_TLE_ECCEN];
  el.inclination_rad = xa_tle[XA_TLE_INCLI] * kDeg2Rad;
  el.raan_rad = xa_tle[XA_TLE_NODE] * kDeg2Rad;
  el.arg_perigee_rad = xa_tle[XA_TLE_OMEGA] * kDeg2Rad;
  el.mean_anomaly_rad = xa_tle[XA_TLE_MNANOM] * kDeg2Rad;
  const double n = xa_tle[XA_TLE_MNMOTN] / kXpdotp;
  if (type == kEphemerisKozai) {
    // Un-Kozai only what SGP4 can start from; Model::create reports the rest.
    const bool usable = n > 0.0 && el.eccentricity >= 0.0 && el.eccentricity < 1.0;
    el.mean_motion_rad_per_min =
        usable ? kozai_to_brouwer(n, el.eccentricity, el.inclination_rad) : n;
  } else {
    el.mean_motion_rad_per_min = n;
  }
  if (type == kEphemerisExtended) {
    el.bstar = xa_tle[XA_TLE_BTERM] / kBallisticPerBstar;
    el.agom_m2_per_kg = xa_tle[XA_TLE_AGOM];
  } else {
    el.bstar = xa_tle[XA_TLE_BSTAR];
  }
  out = el;
  return true;
}

void store_mean_elements(const MeanElements& el, int type, double* xa_tle) {
  xa_tle[XA_TLE_EPOCH] = el.epoch_ds50_utc;
  xa_tle[XA_TLE_INCLI] = el.inclination_rad / kDeg2Rad;
  xa_tle[XA_TLE_NODE] = degrees_0_360(el.raan_rad);
  xa_tle[XA_TLE_ECCEN] = el.eccentricity;
  xa_tle[XA_TLE_OMEGA] = degrees_0_360(el.arg_perigee_rad);
  xa_tle[XA_TLE_MNANOM] = degrees_0_360(el.mean_anomaly_rad);
  const double n = type == kEphemerisKozai
                       ? brouwer_to_kozai(el.mean_motion_rad_per_min, el.eccentricity,
                                          el.inclination_rad)
                       : el.mean_motion_rad_per_min;
  xa_tle[XA_TLE_MNMOTN] = n * kXpdotp;
}

double brouwer_to_kozai(double brouwer, double eccentricity, double inclination_rad) {
  // n_kozai = n_brouwer (1 + delta0(n_kozai)); delta0 is of order J2, so a fixed point on
  // the ratio settles in a few steps.
  double kozai = brouwer;
  for (int i = 0; i < kMaxKozaiIterations; ++i) {
    const double next = kozai * brouwer / kozai_to_brouwer(kozai, eccentricity, inclination_rad);
    if (next == kozai) break;
    kozai = next;
  }
  return kozai;
}

}  // namespace engine::sgp4

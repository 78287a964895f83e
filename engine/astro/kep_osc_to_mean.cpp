// Osculating Keplerian elements -> SGP4 (Brouwer) mean elements.
//
// The mean elements are those whose SGP4 state at the epoch, without drag, equals the
// two-body state of the osculating elements (KepToPosVel): they are found by iteration
// (sgp4/sgp4_fit.h) until the positions agree to 1e-7 km. The semi-major axis returned is NToA of the Brouwer mean
// motion, as element sets of types 2 and 4 carry it.
//
// Orbits of 225 minutes or more take SDP4's lunar-solar periodic terms, which depend on the
// date; these elements carry none, so the conversion is made at a fixed reference epoch,
// J2000.0 (ds50 18263.5). Near-Earth orbits do not depend on it.
//
// Near-equatorial deep-space orbits with an osculating inclination of a few thousandths to
// about 0.02 deg are the one case SGP4 does not always reproduce (sgp4/sgp4_fit.h): SDP4's
// lunar-solar inclination term keeps its osculating planes from them, and the closest mean
// elements come back, up to a few kilometres off at geostationary distance.
//
// Elements that make no orbit (eccentricity outside [0, 1), semi-major axis not positive,
// values that are not finite) are returned unchanged; when the iteration does not reach its
// tolerance (orbits SGP4 cannot follow at epoch) the closest iterate is returned.
#include <cmath>

#include "astro/astrofunc.h"
#include "sgp4/sgp4_fit.h"
#include "sgp4/sgp4_model.h"
#include "time/time_constants.h"

namespace {

using engine::timeconst::kDeg2Rad;
constexpr double kRevPerDayToRadPerMin = engine::timeconst::kTwoPi / engine::timeconst::kMinutesPerDay;
constexpr double kReferenceEpochDs50 = 18263.5;

bool makes_an_orbit(const double* kep) {
  for (int i = 0; i < 6; ++i) {
    if (!std::isfinite(kep[i])) return false;
  }
  return kep[XA_KEP_A] > 0.0 && kep[XA_KEP_E] >= 0.0 && kep[XA_KEP_E] < 1.0;
}

}  // namespace

extern "C" void KepOscToMean(const double* xa_kep, double* xa_kep_mean) {
  if (!makes_an_orbit(xa_kep)) {
    for (int i = 0; i < 6; ++i) xa_kep_mean[i] = xa_kep[i];
    return;
  }
  double pos[3], vel[3];
  KepToPosVel(xa_kep, pos, vel);

  engine::sgp4::MeanElements mean;
  mean.epoch_ds50_utc = kReferenceEpochDs50;
  mean.eccentricity = xa_kep[XA_KEP_E];
  mean.inclination_rad = xa_kep[XA_KEP_INCLI] * kDeg2Rad;
  mean.raan_rad = xa_kep[XA_KEP_NODE] * kDeg2Rad;
  mean.arg_perigee_rad = xa_kep[XA_KEP_OMEGA] * kDeg2Rad;
  mean.mean_anomaly_rad = xa_kep[XA_KEP_MA] * kDeg2Rad;
  mean.mean_motion_rad_per_min = AToN(xa_kep[XA_KEP_A]) * kRevPerDayToRadPerMin;
  engine::sgp4::fit_mean_elements(pos, vel, mean);

  xa_kep_mean[XA_KEP_A] = NToA(mean.mean_motion_rad_per_min / kRevPerDayToRadPerMin);
  xa_kep_mean[XA_KEP_E] = mean.eccentricity;
  xa_kep_mean[XA_KEP_INCLI] = mean.inclination_rad / kDeg2Rad;
  xa_kep_mean[XA_KEP_MA] = mean.mean_anomaly_rad / kDeg2Rad;
  xa_kep_mean[XA_KEP_NODE] = mean.raan_rad / kDeg2Rad;
  xa_kep_mean[XA_KEP_OMEGA] = mean.arg_perigee_rad / kDeg2Rad;
}

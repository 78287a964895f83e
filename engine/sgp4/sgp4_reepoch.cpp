// An element set moved to a new epoch; see sgp4_reepoch.h.
#include "sgp4/sgp4_reepoch.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdio>

#include "sgp4/sgp4_elset.h"
#include "sgp4/sgp4_fit.h"
#include "tle/tle.h"
#include "time/time_constants.h"

namespace engine::sgp4 {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

using timeconst::kTwoPi;
using timeconst::kDeg2Rad;
using timeconst::kMinutesPerDay;

// Resolution of the element-set text fields.
constexpr double kEpochStepsPerDay = 1.0e8;
constexpr double kAngleStepsPerDeg = 1.0e4;
constexpr double kEccentricitySteps = 1.0e7;
constexpr double kMeanMotionStepsPerRevDay = 1.0e8;

// A fit that stops short of its tolerance is still taken when it is this close (km). It
// stops short only for near-equatorial deep-space orbits whose source state no SDP4 set
// with a non-negative inclination reaches exactly (sgp4_fit.h); in our checks the closest
// set was at most some hundreds of metres off.
constexpr double kAcceptablePositionErrorKm = 1.0;

double round_to(double value, double steps_per_unit) {
  return std::round(value * steps_per_unit) / steps_per_unit;
}

// An angle in degrees rounded to the text's digits, in [0, 360).
double round_angle_deg(double deg) {
  double r = round_to(deg, kAngleStepsPerDeg);
  if (r >= 360.0) r -= 360.0;
  return r;
}

// Down or up to the text's step.
double round_down_or_up(double value, double steps_per_unit, bool up) {
  return (std::floor(value * steps_per_unit) + (up ? 1.0 : 0.0)) / steps_per_unit;
}

double angle_down_or_up_deg(double rad, bool up) {
  double deg = std::fmod(rad / kDeg2Rad, 360.0);
  if (deg < 0.0) deg += 360.0;
  deg = round_down_or_up(deg, kAngleStepsPerDeg, up);
  return deg >= 360.0 ? deg - 360.0 : deg;
}

// Distance (km) of the SGP4 state at epoch of a value array, built as Sgp4InitSat builds
// it, from the target state; infinite when SGP4 cannot start from it.
double distance_at_epoch(const std::array<double, 64>& values, const Prediction& target) {
  MeanElements el;
  std::string ignored;
  Model model;
  Prediction p;
  if (!mean_elements_from_tle(values.data(), el, ignored) || Model::create(el, model) != kOk) {
    return kInfinity;
  }
  const int code = model.propagate(0.0, p);
  if (code != kOk && code != kErrDecayed) return kInfinity;
  return std::hypot(p.pos_km[0] - target.pos_km[0], p.pos_km[1] - target.pos_km[1],
                    p.pos_km[2] - target.pos_km[2]);
}

// The value array closest to the target among the roundings of the fitted elements to the
// text's digits: inclination, node, argument of perigee and eccentricity each rounded down
// or up, the mean anomaly and mean motion refitted for each choice, then the mean anomaly
// rounded down or up and the mean motion to nearest.
bool round_to_text(const Prediction& target, const MeanElements& fitted, int type,
                   const std::array<double, 64>& source_values, std::array<double, 64>& out) {
  double best = kInfinity;
  for (int choice = 0; choice < 16; ++choice) {
    MeanElements el = fitted;
    el.inclination_rad =
        round_down_or_up(fitted.inclination_rad / kDeg2Rad, kAngleStepsPerDeg, choice & 1) *
        kDeg2Rad;
    el.raan_rad = angle_down_or_up_deg(fitted.raan_rad, choice & 2) * kDeg2Rad;
    el.arg_perigee_rad = angle_down_or_up_deg(fitted.arg_perigee_rad, choice & 4) * kDeg2Rad;
    el.eccentricity = round_down_or_up(fitted.eccentricity, kEccentricitySteps, choice & 8);
    if (!(el.eccentricity < 1.0) || el.inclination_rad < 0.0) continue;
    fit_mean_anomaly_and_motion(target.pos_km, target.vel_km_s, el);

    std::array<double, 64> values = source_values;
    store_mean_elements(el, type, values.data());
    values[XA_TLE_INCLI] = round_to(values[XA_TLE_INCLI], kAngleStepsPerDeg);
    values[XA_TLE_NODE] = round_angle_deg(values[XA_TLE_NODE]);
    values[XA_TLE_OMEGA] = round_angle_deg(values[XA_TLE_OMEGA]);
    values[XA_TLE_ECCEN] = round_to(values[XA_TLE_ECCEN], kEccentricitySteps);
    values[XA_TLE_MNMOTN] = round_to(values[XA_TLE_MNMOTN], kMeanMotionStepsPerRevDay);
    for (const bool up : {false, true}) {
      values[XA_TLE_MNANOM] = angle_down_or_up_deg(el.mean_anomaly_rad, up);
      const double d = distance_at_epoch(values, target);
      if (d < best) {
        best = d;
        out = values;
      }
    }
  }
  return best < kInfinity;
}

}  // namespace

std::string describe_error(int code, double minutes_since_epoch, double ds50_utc) {
  char text[200];
  std::snprintf(text, sizeof text,
                "SGP4 error %d (%s) at %.3f minutes since epoch (ds50 UTC %.8f)", code,
                error_condition(code), minutes_since_epoch, ds50_utc);
  return text;
}

int reepoch(const Propagator& source, double new_epoch_ds50_utc,
            std::array<double, 64>& values, std::string& why) {
  const MeanElements& old = source.model.elements();
  const double epoch = round_to(new_epoch_ds50_utc, kEpochStepsPerDay);
  const double t = (epoch - old.epoch_ds50_utc) * kMinutesPerDay;
  Prediction target;
  const int code = source.model.propagate(t, target);
  if (code != kOk) {
    why = describe_error(code, t, epoch);
    return code;
  }

  MeanElements fitted = old;
  fitted.epoch_ds50_utc = epoch;
  fitted.eccentricity = target.eccentricity;
  fitted.inclination_rad = target.inclination_rad;
  fitted.raan_rad = target.raan_rad;
  fitted.arg_perigee_rad = target.arg_perigee_rad;
  fitted.mean_anomaly_rad = target.mean_anomaly_rad;
  fitted.mean_motion_rad_per_min = target.mean_motion_rad_per_min;
  FitResult fit = fit_mean_elements(target.pos_km, target.vel_km_s, fitted);
  if (!fit.converged && !(fit.position_error_km < kAcceptablePositionErrorKm)) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "no mean elements at ds50 UTC %.8f reproduce the state there (%.3f m "
                  "apart after %d iterations)",
                  epoch, fit.position_error_km * 1000.0, fit.iterations);
    why = text;
    return 1;
  }

  const int type = ephemeris_type(source.tle_values.data());
  if (!round_to_text(target, fitted, type, source.tle_values, values)) {
    why = "the fitted elements cannot be written as element-set text (eccentricity rounds to 1)";
    return 1;
  }

  // Ascending-node passages between the epochs.
  double u0 = std::fmod(old.mean_anomaly_rad + old.arg_perigee_rad, kTwoPi);
  if (u0 < 0.0) u0 += kTwoPi;
  const double passages = std::floor((u0 + target.arg_latitude_advance_rad) / kTwoPi);
  values[XA_TLE_REVNUM] = std::max(0.0, source.tle_values[XA_TLE_REVNUM] + passages);
  return 0;
}

}  // namespace engine::sgp4

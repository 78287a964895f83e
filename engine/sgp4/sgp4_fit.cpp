// Mean elements fitted to a state; see sgp4_fit.h.
#include "sgp4/sgp4_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "env/wgs72.h"
#include "time/time_constants.h"

namespace engine::sgp4 {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

using timeconst::kTwoPi;
using timeconst::kPi;
constexpr int kMaxIterations = 60;

double dot(const double a[3], const double b[3]) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void cross(const double a[3], const double b[3], double out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

double wrap_two_pi(double a) {
  const double w = std::fmod(a, kTwoPi);
  return w < 0.0 ? w + kTwoPi : w;
}

// Angle difference in (-pi, pi].
double angle_difference(double a, double b) {
  double d = std::fmod(a - b, kTwoPi);
  if (d > kPi) d -= kTwoPi;
  if (d <= -kPi) d += kTwoPi;
  return d;
}

double semi_major_axis_km(double mean_motion_rad_per_min) {
  return std::pow(wgs72::kKe / mean_motion_rad_per_min, 2.0 / 3.0) * wgs72::kRadiusKm;
}

double mean_motion_rad_per_min(double semi_major_axis_km) {
  return wgs72::kKe / std::pow(semi_major_axis_km / wgs72::kRadiusKm, 1.5);
}

Equinoctial equinoctial_from_mean(const MeanElements& el, int retrograde_factor) {
  Equinoctial q;
  q.retrograde_factor = retrograde_factor;
  const double node = el.raan_rad;
  const double lon_perigee = el.arg_perigee_rad + retrograde_factor * node;
  const double t = retrograde_factor > 0 ? std::tan(0.5 * el.inclination_rad)
                                         : 1.0 / std::tan(0.5 * el.inclination_rad);
  q.a_km = semi_major_axis_km(el.mean_motion_rad_per_min);
  q.af = el.eccentricity * std::cos(lon_perigee);
  q.ag = el.eccentricity * std::sin(lon_perigee);
  q.chi = t * std::sin(node);
  q.psi = t * std::cos(node);
  q.lambda_rad = el.mean_anomaly_rad + lon_perigee;
  return q;
}

// Back to classical mean elements; false when they make no orbit.
bool mean_from_equinoctial(const Equinoctial& q, MeanElements& el) {
  const double e = std::hypot(q.af, q.ag);
  if (!(e < 1.0) || !(q.a_km > 0.0)) return false;
  const double s = std::hypot(q.chi, q.psi);
  const double incl = q.retrograde_factor > 0 ? 2.0 * std::atan(s) : kPi - 2.0 * std::atan(s);
  const double node = s > 0.0 ? std::atan2(q.chi, q.psi) : el.raan_rad;
  const double lon_perigee = e > 0.0 ? std::atan2(q.ag, q.af)
                                     : el.arg_perigee_rad + q.retrograde_factor * node;
  el.eccentricity = e;
  el.inclination_rad = incl;
  el.raan_rad = wrap_two_pi(node);
  el.arg_perigee_rad = wrap_two_pi(lon_perigee - q.retrograde_factor * node);
  el.mean_anomaly_rad = wrap_two_pi(q.lambda_rad - lon_perigee);
  el.mean_motion_rad_per_min = mean_motion_rad_per_min(q.a_km);
  return true;
}

// SGP4 state at the epoch of `el`; a decayed state is still a state to fit.
int state_at_epoch(const MeanElements& el, double pos[3], double vel[3]) {
  Model model;
  const int rc = Model::create(el, model);
  if (rc != kOk) return rc;
  Prediction p;
  const int code = model.propagate(0.0, p);
  if (code != kOk && code != kErrDecayed) return code;
  for (int i = 0; i < 3; ++i) {
    pos[i] = p.pos_km[i];
    vel[i] = p.vel_km_s[i];
  }
  return kOk;
}

using Vector6 = std::array<double, 6>;

Vector6 to_vector(const Equinoctial& q) {
  return {q.a_km, q.af, q.ag, q.chi, q.psi, q.lambda_rad};
}

Equinoctial from_vector(const Vector6& x, int retrograde_factor) {
  Equinoctial q;
  q.a_km = x[0];
  q.af = x[1];
  q.ag = x[2];
  q.chi = x[3];
  q.psi = x[4];
  q.lambda_rad = x[5];
  q.retrograde_factor = retrograde_factor;
  return q;
}

// One trial of mean elements: the distance of its SGP4 state at epoch from the target and
// the difference of the osculating equinoctial elements (target minus model).
struct Trial {
  int code = kOk;
  double pos_error = kInfinity;
  double vel_error = kInfinity;
  // Root sum square of the position error and the velocity error times 1/n: how far apart
  // the two orbits are, not only the two positions (a plane tilted about the position line
  // matches the position).
  double distance = kInfinity;
  Vector6 residual{};   // osculating equinoctial elements, target minus model
  Vector6 cartesian{};  // position (km) and velocity times 1/n (km), model minus target
};

class Fitter {
 public:
  Fitter(const double pos_km[3], const double vel_km_s[3]) {
    for (int i = 0; i < 3; ++i) {
      pos_[i] = pos_km[i];
      vel_[i] = vel_km_s[i];
    }
    double h[3];
    cross(pos_, vel_, h);
    retrograde_ = h[2] < 0.0 ? -1 : 1;
    target_ = equinoctial_from_state(pos_, vel_, retrograde_);
    const double a = std::fabs(target_.a_km);
    seconds_per_radian_ = std::sqrt(a * a * a / wgs72::kMu);
  }

  int retrograde() const { return retrograde_; }

  // Inclination of the target's osculating plane (radians).
  double osculating_inclination() const {
    const double s = std::hypot(target_.chi, target_.psi);
    return retrograde_ > 0 ? 2.0 * std::atan(s) : kPi - 2.0 * std::atan(s);
  }

  Trial evaluate(const MeanElements& el) const {
    Trial t;
    double pos[3], vel[3];
    t.code = state_at_epoch(el, pos, vel);
    if (t.code != kOk) return t;
    const double dp[3] = {pos[0] - pos_[0], pos[1] - pos_[1], pos[2] - pos_[2]};
    const double dv[3] = {vel[0] - vel_[0], vel[1] - vel_[1], vel[2] - vel_[2]};
    t.pos_error = std::sqrt(dot(dp, dp));
    t.vel_error = std::sqrt(dot(dv, dv));
    t.distance = std::hypot(t.pos_error, t.vel_error * seconds_per_radian_);
    for (int i = 0; i < 3; ++i) {
      t.cartesian[i] = dp[i];
      t.cartesian[3 + i] = dv[i] * seconds_per_radian_;
    }
    const Equinoctial model = equinoctial_from_state(pos, vel, retrograde_);
    t.residual = {target_.a_km - model.a_km,
                  target_.af - model.af,
                  target_.ag - model.ag,
                  target_.chi - model.chi,
                  target_.psi - model.psi,
                  angle_difference(target_.lambda_rad, model.lambda_rad)};
    return t;
  }

 private:
  double pos_[3], vel_[3];
  int retrograde_ = 1;
  double seconds_per_radian_ = 0.0;  // 1 / mean motion of the target
  Equinoctial target_;
};

bool converged(const Trial& t) {
  return t.pos_error < kFitPositionToleranceKm && t.vel_error < kFitVelocityToleranceKmS;
}

// Solves a x = b (6x6) by Gaussian elimination with partial pivoting; false if singular.
bool solve6(std::array<Vector6, 6> a, Vector6 b, Vector6& x) {
  for (int col = 0; col < 6; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 6; ++r) {
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    }
    if (!(std::fabs(a[pivot][col]) > 0.0)) return false;
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (int r = col + 1; r < 6; ++r) {
      const double f = a[r][col] / a[col][col];
      for (int c = col; c < 6; ++c) a[r][c] -= f * a[col][c];
      b[r] -= f * b[col];
    }
  }
  for (int r = 5; r >= 0; --r) {
    double sum = b[r];
    for (int c = r + 1; c < 6; ++c) sum -= a[r][c] * x[c];
    x[r] = sum / a[r][r];
  }
  return true;
}

enum class FreeElements { kAll, kAllButPlane, kMeanAnomalyAndMotion };

// Mean elements moved by `step` in the mean equinoctial elements: all six, all but the
// plane (chi, psi), or only a and lambda (the mean anomaly taking the whole change of
// lambda); false when they make no orbit.
bool moved(const MeanElements& from, const Vector6& step, int retrograde, FreeElements free,
           MeanElements& to) {
  to = from;
  Vector6 x = to_vector(equinoctial_from_mean(from, retrograde));
  if (free == FreeElements::kAll || free == FreeElements::kAllButPlane) {
    for (int i = 0; i < 6; ++i) {
      const bool plane = i == 3 || i == 4;
      if (free == FreeElements::kAll || !plane) x[i] += step[i];
    }
    return mean_from_equinoctial(from_vector(x, retrograde), to);
  }
  const double a_km = x[0] + step[0];
  if (!(a_km > 0.0)) return false;
  const double lon_perigee = from.arg_perigee_rad + retrograde * from.raan_rad;
  to.mean_anomaly_rad = wrap_two_pi(x[5] + step[5] - lon_perigee);
  to.mean_motion_rad_per_min = mean_motion_rad_per_min(a_km);
  return true;
}

// Levenberg-Marquardt on the Cartesian residual (position, and velocity times 1/n), with
// a forward-difference Jacobian in the mean equinoctial elements. Unlike the fixed point it
// follows the orbit distance itself, so it also works where the periodic terms turn with
// the elements they perturb faster than the fixed point can follow (the lunar-solar
// inclination and node terms of near-equatorial deep-space orbits) and ends at the closest
// orbit where no exact one exists.
void levenberg_marquardt(const Fitter& fitter, MeanElements& best, Trial& best_trial,
                         FitResult& result) {
  constexpr int kMaxSteps = 40;
  constexpr double kInitialDamping = 1.0e-3;
  constexpr double kMaxDamping = 1.0e12;
  const int retrograde = fitter.retrograde();
  double damping = kInitialDamping;
  for (int iter = 0; iter < kMaxSteps && !converged(best_trial); ++iter) {
    ++result.iterations;
    const Vector6 x = to_vector(equinoctial_from_mean(best, retrograde));
    const Vector6 steps = {1.0e-7 * x[0], 1.0e-8, 1.0e-8, 1.0e-8, 1.0e-8, 1.0e-8};
    std::array<Vector6, 6> jacobian{};  // d(cartesian residual) / d(mean), row-major
    for (int j = 0; j < 6; ++j) {
      Vector6 dx{};
      dx[j] = steps[j];
      MeanElements probe;
      if (!moved(best, dx, retrograde, FreeElements::kAll, probe)) return;
      const Trial t = fitter.evaluate(probe);
      if (t.code != kOk) return;
      for (int i = 0; i < 6; ++i) {
        jacobian[i][j] = (t.cartesian[i] - best_trial.cartesian[i]) / steps[j];
      }
    }
    // Normal equations J^T J and J^T r.
    std::array<Vector6, 6> normal{};
    Vector6 gradient{};
    for (int a = 0; a < 6; ++a) {
      for (int b = 0; b < 6; ++b) {
        for (int i = 0; i < 6; ++i) normal[a][b] += jacobian[i][a] * jacobian[i][b];
      }
      for (int i = 0; i < 6; ++i) gradient[a] -= jacobian[i][a] * best_trial.cartesian[i];
    }
    bool improved = false;
    while (!improved && damping < kMaxDamping) {
      std::array<Vector6, 6> damped = normal;
      for (int a = 0; a < 6; ++a) damped[a][a] *= 1.0 + damping;
      Vector6 step{};
      MeanElements trial_el;
      if (solve6(damped, gradient, step) &&
          moved(best, step, retrograde, FreeElements::kAll, trial_el)) {
        const Trial t = fitter.evaluate(trial_el);
        if (t.code == kOk && t.distance < best_trial.distance) {
          best = trial_el;
          best_trial = t;
          improved = true;
          damping = std::max(damping / 3.0, 1.0e-12);
          continue;
        }
      }
      damping *= 4.0;
    }
    if (!improved) return;
  }
}

// Fixed point from `best` while it contracts: each step adds the residual to the mean
// elements that are free.
void fixed_point(const Fitter& fitter, FreeElements free, int max_iterations, MeanElements& best,
                 Trial& best_trial, FitResult& result) {
  MeanElements current = best;
  Trial current_trial = best_trial;
  for (int iter = 0; iter < max_iterations && !converged(best_trial); ++iter) {
    ++result.iterations;
    MeanElements next;
    if (!moved(current, current_trial.residual, fitter.retrograde(), free, next)) return;
    const Trial t = fitter.evaluate(next);
    if (t.code != kOk) {
      result.sgp4_error = t.code;
      return;
    }
    const bool contracting = t.distance < 0.5 * current_trial.distance;
    current = next;
    current_trial = t;
    if (t.distance < best_trial.distance) {
      best = next;
      best_trial = t;
    }
    if (!contracting) return;
  }
}

// The local search: fixed point, then Levenberg-Marquardt where the fixed point stops
// contracting.
void local_fit(const Fitter& fitter, FreeElements free, MeanElements& best, Trial& best_trial,
               FitResult& result) {
  fixed_point(fitter, free, kMaxIterations, best, best_trial, result);
  if (free == FreeElements::kAll && !converged(best_trial)) {
    levenberg_marquardt(fitter, best, best_trial, result);
  }
}

// Near the equator SDP4's lunar-solar inclination and node terms fold the map from mean
// to osculating orbit planes: the plane that reproduces a state can lie a few hundredths
// of a degree of inclination and any node away from the plane of the first guess, out of
// reach of the local search. Seeds on a grid of mean inclination and node, each with the
// other four elements fitted, find its neighbourhood; the local search starts again from
// the best few seeds.
void plane_scan(const Fitter& fitter, MeanElements& best, Trial& best_trial, FitResult& result) {
  constexpr double kMaxInclinationDeg = 0.1;
  constexpr double kInclinationStepDeg = 0.005;
  constexpr double kNodeStepDeg = 10.0;
  constexpr int kSeedIterations = 8;
  constexpr int kSeedsKept = 6;
  constexpr double kDeg = kPi / 180.0;
  struct Seed {
    MeanElements elements;
    Trial trial;
  };
  std::vector<Seed> seeds;
  for (double incl = 0.0; incl <= kMaxInclinationDeg + 1e-9; incl += kInclinationStepDeg) {
    for (double node = 0.0; node < 360.0; node += kNodeStepDeg) {
      MeanElements seed = best;
      const double lon_perigee = best.arg_perigee_rad + best.raan_rad;
      const double mean_longitude = best.mean_anomaly_rad + lon_perigee;
      seed.inclination_rad = incl * kDeg;
      seed.raan_rad = node * kDeg;
      seed.arg_perigee_rad = wrap_two_pi(lon_perigee - seed.raan_rad);
      seed.mean_anomaly_rad = wrap_two_pi(mean_longitude - lon_perigee);
      Trial t = fitter.evaluate(seed);
      if (t.code != kOk) continue;
      FitResult ignored;
      fixed_point(fitter, FreeElements::kAllButPlane, kSeedIterations, seed, t, ignored);
      seeds.push_back({seed, t});
    }
  }
  const std::size_t kept = std::min<std::size_t>(kSeedsKept, seeds.size());
  std::partial_sort(seeds.begin(), seeds.begin() + kept, seeds.end(),
                    [](const Seed& a, const Seed& b) { return a.trial.distance < b.trial.distance; });
  for (std::size_t k = 0; k < kept && !converged(best_trial); ++k) {
    ++result.iterations;
    local_fit(fitter, FreeElements::kAll, seeds[k].elements, seeds[k].trial, result);
    if (seeds[k].trial.distance < best_trial.distance) {
      best = seeds[k].elements;
      best_trial = seeds[k].trial;
    }
  }
}

FitResult fit(const double pos_km[3], const double vel_km_s[3], MeanElements& elements,
              FreeElements free) {
  // Near-equatorial: osculating inclination below this takes the plane scan when the
  // local search fails.
  constexpr double kNearEquatorialRad = 0.1 * kPi / 180.0;
  const Fitter fitter(pos_km, vel_km_s);
  FitResult result;

  // Iterates are expressed with a non-negative inclination; a guess below zero (the
  // lunar-solar secular rate can take a near-equatorial mean inclination there) starts from
  // the same orbit plane written that way, as SGP4 itself turns a negative inclination.
  MeanElements best = elements;
  if (best.inclination_rad < 0.0) {
    best.inclination_rad = -best.inclination_rad;
    best.raan_rad = wrap_two_pi(best.raan_rad + kPi);
    best.arg_perigee_rad = wrap_two_pi(best.arg_perigee_rad - kPi);
  }
  Trial best_trial = fitter.evaluate(best);
  if (best_trial.code != kOk) {
    result.sgp4_error = best_trial.code;
    return result;
  }
  local_fit(fitter, free, best, best_trial, result);
  if (free == FreeElements::kAll && !converged(best_trial) &&
      fitter.osculating_inclination() < kNearEquatorialRad) {
    plane_scan(fitter, best, best_trial, result);
  }
  result.converged = converged(best_trial);
  if (result.converged) result.sgp4_error = kOk;
  result.position_error_km = best_trial.pos_error;
  result.velocity_error_km_s = best_trial.vel_error;
  elements = best;
  return result;
}

}  // namespace

Equinoctial equinoctial_from_state(const double pos_km[3], const double vel_km_s[3],
                                   int retrograde_factor) {
  const double mu = wgs72::kMu;
  const int I = retrograde_factor;
  Equinoctial q;
  q.retrograde_factor = I;

  double h[3];
  cross(pos_km, vel_km_s, h);
  const double hmag = std::sqrt(dot(h, h));
  const double w[3] = {h[0] / hmag, h[1] / hmag, h[2] / hmag};
  q.chi = w[0] / (1.0 + I * w[2]);
  q.psi = -w[1] / (1.0 + I * w[2]);

  // Equinoctial frame: f along the node-referred origin of longitudes, g 90 deg ahead.
  const double p = q.chi, s = q.psi;
  const double den = 1.0 + p * p + s * s;
  const double f[3] = {(1.0 - p * p + s * s) / den, 2.0 * p * s / den, -2.0 * I * p / den};
  const double g[3] = {2.0 * I * p * s / den, I * (1.0 + p * p - s * s) / den, 2.0 * s / den};

  const double r = std::sqrt(dot(pos_km, pos_km));
  const double v2 = dot(vel_km_s, vel_km_s);
  q.a_km = 1.0 / (2.0 / r - v2 / mu);
  double vxh[3];
  cross(vel_km_s, h, vxh);
  const double e[3] = {vxh[0] / mu - pos_km[0] / r, vxh[1] / mu - pos_km[1] / r,
                       vxh[2] / mu - pos_km[2] / r};
  q.af = dot(e, f);
  q.ag = dot(e, g);

  // Eccentric longitude from the position in the equinoctial frame, then Kepler's equation.
  const double x = dot(pos_km, f), y = dot(pos_km, g);
  const double k = q.af, hh = q.ag;
  const double root = std::sqrt(1.0 - hh * hh - k * k);
  const double beta = 1.0 / (1.0 + root);
  const double cos_f = k + ((1.0 - k * k * beta) * x - hh * k * beta * y) / (q.a_km * root);
  const double sin_f = hh + ((1.0 - hh * hh * beta) * y - hh * k * beta * x) / (q.a_km * root);
  const double ecc_lon = std::atan2(sin_f, cos_f);
  q.lambda_rad = ecc_lon + hh * std::cos(ecc_lon) - k * std::sin(ecc_lon);
  return q;
}

FitResult fit_mean_elements(const double pos_km[3], const double vel_km_s[3],
                            MeanElements& elements) {
  return fit(pos_km, vel_km_s, elements, FreeElements::kAll);
}

FitResult fit_mean_anomaly_and_motion(const double pos_km[3], const double vel_km_s[3],
                                      MeanElements& elements) {
  return fit(pos_km, vel_km_s, elements, FreeElements::kMeanAnomalyAndMotion);
}

}  // namespace engine::sgp4

// Element conversions: semi-major axis and mean motion, Kozai and Brouwer mean motion,
// two-body Keplerian elements and Cartesian states, and equinoctial elements.
//
// WGS-72 constants throughout (env/wgs72.h): ke for mean motion, mu = 398600.8 km^3/s^2
// for the two-body state.

#include <cmath>
#include <limits>

#include "astro/astrofunc.h"
#include "astro/vec3.h"
#include "env/wgs72.h"
#include "time/time_constants.h"

namespace {

using namespace engine::timeconst;
using engine::astro::cross;
using engine::astro::dot;
using engine::astro::norm;
namespace wgs72 = engine::wgs72;

constexpr double kRevPerDayToRadPerMin = kTwoPi / kMinutesPerDay;

// Kepler's equation: Newton iterations stop when the step is below this (radians), or after
// kMaxKeplerIterations (reached only by input that makes no orbit, e.g. NaN).
constexpr double kKeplerTolerance = 1e-15;
constexpr int kMaxKeplerIterations = 50;

// Below these an orbit is taken as circular (eccentricity) or equatorial (sine of the
// inclination): the undefined angles are then set by the conventions of PosVelToKep.
constexpr double kCircularEccentricity = 1e-12;
constexpr double kEquatorialSinInclination = 1e-12;

// Fixed-point iterations of BrouwerToKozai; each gains about three digits. It stops when
// an iterate changes by no more than a few units in the last place.
constexpr int kMaxKozaiIterations = 30;
constexpr double kKozaiSettled = 4.0 * std::numeric_limits<double>::epsilon();

double degrees_0_360(double angle_rad) {
  double deg = std::fmod(angle_rad * kRad2Deg, 360.0);
  if (deg < 0.0) deg += 360.0;
  return deg < 360.0 ? deg : 0.0;
}

double wrap_degrees(double deg) {
  deg = std::fmod(deg, 360.0);
  if (deg < 0.0) deg += 360.0;
  return deg < 360.0 ? deg : 0.0;
}

// Eccentric anomaly of an ellipse (e < 1) from the mean anomaly.
double eccentric_anomaly(double mean_anomaly_rad, double e) {
  const double m = std::remainder(mean_anomaly_rad, kTwoPi);
  double big_e = e < 0.8 ? m : (m < 0.0 ? -kPi : kPi);
  for (int i = 0; i < kMaxKeplerIterations; ++i) {
    const double step = (big_e - e * std::sin(big_e) - m) / (1.0 - e * std::cos(big_e));
    big_e -= step;
    if (std::fabs(step) < kKeplerTolerance) break;
  }
  return big_e;
}

// Hyperbolic anomaly (e > 1) from the mean anomaly M = e sinh H - H.
double hyperbolic_anomaly(double mean_anomaly_rad, double e) {
  const double m = mean_anomaly_rad;
  double h = std::asinh(m / e);
  for (int i = 0; i < kMaxKeplerIterations; ++i) {
    const double step = (e * std::sinh(h) - h - m) / (e * std::cosh(h) - 1.0);
    h -= step;
    if (std::fabs(step) < kKeplerTolerance * std::fmax(1.0, std::fabs(h))) break;
  }
  return h;
}

// The un-Kozai step of SGP4 (Spacetrack Report #3; Vallado et al. 2006, sgp4init): the
// Brouwer mean motion from the Kozai one, both in rad/min.
double brouwer_from_kozai_rad_min(double e, double incl_rad, double n_kozai) {
  const double cos_i = std::cos(incl_rad);
  const double beta_sq = 1.0 - e * e;
  const double d1 =
      0.75 * wgs72::kJ2 * (3.0 * cos_i * cos_i - 1.0) / (beta_sq * std::sqrt(beta_sq));
  const double a1 = std::pow(wgs72::kKe / n_kozai, 2.0 / 3.0);
  const double delta1 = d1 / (a1 * a1);
  const double a0 =
      a1 * (1.0 - delta1 * (1.0 / 3.0 + delta1 * (1.0 + 134.0 / 81.0 * delta1)));
  const double delta0 = d1 / (a0 * a0);
  return n_kozai / (1.0 + delta0);
}

}  // namespace

extern "C" double AToN(double a) {
  const double n_rad_min = wgs72::kKe / std::pow(a / wgs72::kRadiusKm, 1.5);
  return n_rad_min / kRevPerDayToRadPerMin;
}

extern "C" double NToA(double n) {
  const double n_rad_min = n * kRevPerDayToRadPerMin;
  return wgs72::kRadiusKm * std::pow(wgs72::kKe / n_rad_min, 2.0 / 3.0);
}

extern "C" double KozaiToBrouwer(double eccen, double incli, double nKozai) {
  const double n =
      brouwer_from_kozai_rad_min(eccen, incli * kDeg2Rad, nKozai * kRevPerDayToRadPerMin);
  return n / kRevPerDayToRadPerMin;
}

// The inverse of KozaiToBrouwer: n_kozai = n_brouwer (n_kozai / f(n_kozai)) as a fixed-point
// iteration, which contracts by about the J2 correction (1e-3) per step.
extern "C" double BrouwerToKozai(double eccen, double incli, double nBrouwer) {
  double n_kozai = nBrouwer;
  for (int i = 0; i < kMaxKozaiIterations; ++i) {
    const double next = n_kozai * nBrouwer / KozaiToBrouwer(eccen, incli, n_kozai);
    const bool settled = std::fabs(next - n_kozai) <= kKozaiSettled * std::fabs(next);
    n_kozai = next;
    if (settled) break;
  }
  return n_kozai;
}

// Two-body state from elements. The perifocal state comes from the eccentric (e <= 1) or
// hyperbolic (e > 1, semi-major axis taken as negative whatever its sign) anomaly, then
// turns by R3(-node) R1(-incl) R3(-argp) (Vallado, algorithm 10 "COE2RV").
extern "C" void KepToPosVel(const double* xa_kep, double* pos, double* vel) {
  const double a = xa_kep[XA_KEP_A];
  const double e = xa_kep[XA_KEP_E];
  const double incl = xa_kep[XA_KEP_INCLI] * kDeg2Rad;
  const double mean_anomaly = xa_kep[XA_KEP_MA] * kDeg2Rad;
  const double node = xa_kep[XA_KEP_NODE] * kDeg2Rad;
  const double argp = xa_kep[XA_KEP_OMEGA] * kDeg2Rad;
  const double mu = wgs72::kMu;

  double x, y, vx, vy;
  if (e <= 1.0) {
    const double big_e = eccentric_anomaly(mean_anomaly, e);
    const double root = std::sqrt(1.0 - e * e);
    const double r = a * (1.0 - e * std::cos(big_e));
    const double speed = std::sqrt(mu * a) / r;
    x = a * (std::cos(big_e) - e);
    y = a * root * std::sin(big_e);
    vx = -speed * std::sin(big_e);
    vy = speed * root * std::cos(big_e);
  } else {
    const double abs_a = std::fabs(a);
    const double h = hyperbolic_anomaly(mean_anomaly, e);
    const double root = std::sqrt(e * e - 1.0);
    const double r = abs_a * (e * std::cosh(h) - 1.0);
    const double speed = std::sqrt(mu * abs_a) / r;
    x = abs_a * (e - std::cosh(h));
    y = abs_a * root * std::sinh(h);
    vx = -speed * std::sinh(h);
    vy = speed * root * std::cosh(h);
  }

  const double cn = std::cos(node), sn = std::sin(node);
  const double ci = std::cos(incl), si = std::sin(incl);
  const double cw = std::cos(argp), sw = std::sin(argp);
  const double p_axis[3] = {cn * cw - sn * sw * ci, sn * cw + cn * sw * ci, sw * si};
  const double q_axis[3] = {-cn * sw - sn * cw * ci, -sn * sw + cn * cw * ci, cw * si};
  for (int k = 0; k < 3; ++k) {
    pos[k] = x * p_axis[k] + y * q_axis[k];
    vel[k] = vx * p_axis[k] + vy * q_axis[k];
  }
}

// Elements from a two-body state (Vallado, algorithm 9 "RV2COE"). Angles are measured in
// the orbit plane from the ascending node, with these conventions where they are undefined:
//  - equatorial orbit (sin i < 1e-12): node 0, so the node line is the x axis and the
//    argument of perigee is the angle from x to perigee in the sense of motion;
//  - circular orbit (e < 1e-12): argument of perigee 0, so the mean anomaly is the argument
//    of latitude (the true longitude when also equatorial).
// Semi-major axis from the energy (negative for e > 1); mean anomaly in [0, 360) for
// ellipses and e sinh H - H in degrees, unwrapped, for hyperbolas.
extern "C" void PosVelToKep(const double* pos, const double* vel, double* xa_kep) {
  const double mu = wgs72::kMu;
  const double r = norm(pos);
  const double v_sq = dot(vel, vel);
  double h[3];
  cross(pos, vel, h);
  const double h_mag = norm(h);
  const double h_unit[3] = {h[0] / h_mag, h[1] / h_mag, h[2] / h_mag};

  const double r_dot_v = dot(pos, vel);
  double e_vec[3];
  for (int k = 0; k < 3; ++k) e_vec[k] = ((v_sq - mu / r) * pos[k] - r_dot_v * vel[k]) / mu;
  const double e = norm(e_vec);
  const double a = 1.0 / (2.0 / r - v_sq / mu);

  const double sin_i = std::hypot(h_unit[0], h_unit[1]);
  const double incl = std::atan2(sin_i, h_unit[2]);
  const double node = sin_i < kEquatorialSinInclination ? 0.0 : std::atan2(h_unit[0], -h_unit[1]);

  // In-plane axes: node line and its perpendicular in the sense of motion.
  const double node_axis[3] = {std::cos(node), std::sin(node), 0.0};
  double normal_axis[3];
  cross(h_unit, node_axis, normal_axis);
  const double arg_latitude = std::atan2(dot(pos, normal_axis), dot(pos, node_axis));
  const double argp =
      e < kCircularEccentricity ? 0.0 : std::atan2(dot(e_vec, normal_axis), dot(e_vec, node_axis));
  const double true_anomaly = arg_latitude - argp;

  double mean_anomaly_deg;
  if (e < 1.0) {
    const double big_e = std::atan2(std::sqrt(1.0 - e * e) * std::sin(true_anomaly),
                                    e + std::cos(true_anomaly));
    mean_anomaly_deg = degrees_0_360(big_e - e * std::sin(big_e));
  } else {
    const double sinh_h = std::sqrt(e * e - 1.0) * std::sin(true_anomaly) /
                          (1.0 + e * std::cos(true_anomaly));
    const double h_anomaly = std::asinh(sinh_h);
    mean_anomaly_deg = (e * sinh_h - h_anomaly) * kRad2Deg;
  }

  xa_kep[XA_KEP_A] = a;
  xa_kep[XA_KEP_E] = e;
  xa_kep[XA_KEP_INCLI] = incl * kRad2Deg;
  xa_kep[XA_KEP_MA] = mean_anomaly_deg;
  xa_kep[XA_KEP_NODE] = degrees_0_360(node);
  xa_kep[XA_KEP_OMEGA] = degrees_0_360(argp);
}

// Equinoctial elements (Broucke and Cefola 1972, direct set): af = e cos(w + W),
// ag = e sin(w + W), chi = tan(i/2) sin W, psi = tan(i/2) cos W, L = M + w + W in degrees
// [0, 360), n = AToN(a) in rev/day. Singular for i = 180 deg.
extern "C" void KepToEqnx(const double* xa_kep, double* xa_eqnx) {
  const double e = xa_kep[XA_KEP_E];
  const double node = xa_kep[XA_KEP_NODE] * kDeg2Rad;
  const double periapsis_longitude = node + xa_kep[XA_KEP_OMEGA] * kDeg2Rad;
  const double tan_half_i = std::tan(0.5 * xa_kep[XA_KEP_INCLI] * kDeg2Rad);
  xa_eqnx[XA_EQNX_AF] = e * std::cos(periapsis_longitude);
  xa_eqnx[XA_EQNX_AG] = e * std::sin(periapsis_longitude);
  xa_eqnx[XA_EQNX_CHI] = tan_half_i * std::sin(node);
  xa_eqnx[XA_EQNX_PSI] = tan_half_i * std::cos(node);
  xa_eqnx[XA_EQNX_L] =
      wrap_degrees(xa_kep[XA_KEP_MA] + xa_kep[XA_KEP_OMEGA] + xa_kep[XA_KEP_NODE]);
  xa_eqnx[XA_EQNX_N] = AToN(xa_kep[XA_KEP_A]);
}

// The inverse, with the conventions of PosVelToKep where angles are undefined: node 0 for
// an equatorial orbit (chi = psi = 0), argument of perigee 0 for a circular one
// (af = ag = 0).
extern "C" void EqnxToKep(const double* xa_eqnx, double* xa_kep) {
  const double af = xa_eqnx[XA_EQNX_AF];
  const double ag = xa_eqnx[XA_EQNX_AG];
  const double chi = xa_eqnx[XA_EQNX_CHI];
  const double psi = xa_eqnx[XA_EQNX_PSI];
  const double e = std::hypot(af, ag);
  const double node_deg = degrees_0_360(std::atan2(chi, psi));
  const double periapsis_longitude_deg =
      e == 0.0 ? node_deg : degrees_0_360(std::atan2(ag, af));
  xa_kep[XA_KEP_A] = NToA(xa_eqnx[XA_EQNX_N]);
  xa_kep[XA_KEP_E] = e;
  xa_kep[XA_KEP_INCLI] = 2.0 * std::atan(std::hypot(chi, psi)) * kRad2Deg;
  xa_kep[XA_KEP_MA] = wrap_degrees(xa_eqnx[XA_EQNX_L] - periapsis_longitude_deg);
  xa_kep[XA_KEP_NODE] = node_deg;
  xa_kep[XA_KEP_OMEGA] = wrap_degrees(periapsis_longitude_deg - node_deg);
}

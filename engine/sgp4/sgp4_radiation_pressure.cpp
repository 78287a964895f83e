// Solar radiation pressure of the extended mean theory; the model and its sources are in
// sgp4_radiation_pressure.h.
#include "sgp4/sgp4_radiation_pressure.h"

#include <algorithm>
#include <cmath>

#include "env/wgs72.h"
#include "sgp4/sgp4_model.h"
#include "time/time_constants.h"

namespace engine::sgp4 {
namespace {

using timeconst::kDeg2Rad;
using timeconst::kMinutesPerDay;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kKmPerM = 1.0e-3;
// ds50 of J2000.0 (2000 January 1 12h), the origin of the solar series.
constexpr double kDs50J2000 = 18263.5;
// Longest quadrature panel, minutes.
constexpr double kPanelMin = 1440.0;

struct Vec {
  double x, y, z;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y, s * a.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Node line, in-plane normal to it, and orbit normal.
struct OrbitFrame {
  Vec n, q, w;
};
OrbitFrame orbit_frame(double incl, double node) {
  const double si = std::sin(incl), ci = std::cos(incl);
  const double sn = std::sin(node), cn = std::cos(node);
  return {{cn, sn, 0.0}, {-ci * sn, ci * cn, si}, {sn * si, -cn * si, ci}};
}

// Gauss-Legendre nodes and weights on [-1, 1].
constexpr double kGaussNodes[3] = {-0.7745966692414834, 0.0, 0.7745966692414834};
constexpr double kGaussWeights[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};

}  // namespace

void low_precision_sun(double ds50, double unit[3], double& distance_au) {
  const double n = ds50 - kDs50J2000;
  const double mean_longitude = (280.460 + 0.9856474 * n) * kDeg2Rad;
  const double g = (357.528 + 0.9856003 * n) * kDeg2Rad;
  const double lambda =
      mean_longitude + (1.915 * std::sin(g) + 0.020 * std::sin(2.0 * g)) * kDeg2Rad;
  const double eps = (23.439 - 0.0000004 * n) * kDeg2Rad;
  distance_au = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2.0 * g);
  unit[0] = std::cos(lambda);
  unit[1] = std::cos(eps) * std::sin(lambda);
  unit[2] = std::sin(eps) * std::sin(lambda);
}

RadiationPressureTerms init_radiation_pressure(const MeanElements& elements,
                                               const NearEarthTerms& ne) {
  RadiationPressureTerms srp;
  if (elements.agom_m2_per_kg == 0.0) return srp;
  srp.active = true;
  srp.epoch_ds50 = elements.epoch_ds50_utc;
  srp.accel_km_s2 = kSolarPressureNPerM2 * elements.agom_m2_per_kg * kKmPerM;
  const double a_km = ne.ao * wgs72::kRadiusKm;
  srp.rate_scale_s_km = 1.5 * std::sqrt(a_km / wgs72::kMu);
  srp.ecc = ne.ecco;
  srp.incl = ne.inclo;
  srp.raan = ne.nodeo;
  srp.argp = ne.argpo;
  srp.raan_rate = ne.nodedot;
  srp.argp_rate = ne.argpdot;
  return srp;
}

void apply_radiation_pressure(const RadiationPressureTerms& srp, double t, double& em,
                              double& inclm, double& nodem, double& argpm, double& mm) {
  if (!srp.active || t == 0.0) return;

  // Changes accumulated in the node-line frame: eccentricity vector (en, eq) and tilt of
  // the orbit normal (tn, tq).
  double en = 0.0, eq = 0.0, tn = 0.0, tq = 0.0;
  const double h_epoch = std::sqrt(1.0 - srp.ecc * srp.ecc);
  const int panels = std::max(1, static_cast<int>(std::ceil(std::fabs(t) / kPanelMin)));
  const double width = t / panels;
  for (int p = 0; p < panels; ++p) {
    const double mid = (p + 0.5) * width;
    for (int k = 0; k < 3; ++k) {
      const double tau = mid + 0.5 * width * kGaussNodes[k];
      const double weight_s = 0.5 * width * kGaussWeights[k] * kSecondsPerMinute;
      const OrbitFrame f = orbit_frame(srp.incl, srp.raan + srp.raan_rate * tau);
      const double argp = srp.argp + srp.argp_rate * tau;
      const Vec e = (srp.ecc * std::cos(argp)) * f.n + (srp.ecc * std::sin(argp)) * f.q;
      const Vec h = h_epoch * f.w;

      double sun[3], r_au;
      low_precision_sun(srp.epoch_ds50 + tau / kMinutesPerDay, sun, r_au);
      const double accel = -srp.accel_km_s2 / (r_au * r_au);
      const Vec force = {accel * sun[0], accel * sun[1], accel * sun[2]};

      const Vec de = (-srp.rate_scale_s_km) * cross(h, force);
      const Vec dh = (-srp.rate_scale_s_km) * cross(e, force);
      // The perigee turns on from tau to t; carry this change of e with it.
      const double turn = srp.argp_rate * (t - tau);
      const double c = std::cos(turn), s = std::sin(turn);
      const double de_n = dot(de, f.n), de_q = dot(de, f.q);
      en += weight_s * (de_n * c - de_q * s);
      eq += weight_s * (de_n * s + de_q * c);
      tn += weight_s * dot(dh, f.n) / h_epoch;
      tq += weight_s * dot(dh, f.q) / h_epoch;
    }
  }

  // Apply to the mean elements at t.
  const OrbitFrame f = orbit_frame(inclm, nodem);
  Vec w = f.w + tn * f.n + tq * f.q;
  w = (1.0 / std::sqrt(dot(w, w))) * w;
  Vec e = (em * std::cos(argpm) + en) * f.n + (em * std::sin(argpm) + eq) * f.q;
  e = e + (-dot(e, w)) * w;
  const double mean_longitude = mm + argpm + nodem;

  const double sin_incl = std::hypot(w.x, w.y);
  const double new_incl = std::atan2(sin_incl, w.z);
  const double new_node = sin_incl > 0.0 ? std::atan2(w.x, -w.y) : nodem;
  const OrbitFrame g = orbit_frame(new_incl, new_node);
  const double new_e = std::sqrt(dot(e, e));
  const double new_argp = new_e > 0.0 ? std::atan2(dot(e, g.q), dot(e, g.n)) : argpm;

  em = new_e;
  inclm = new_incl;
  nodem = new_node;
  argpm = new_argp;
  mm = mean_longitude - new_argp - new_node;
}

}  // namespace engine::sgp4

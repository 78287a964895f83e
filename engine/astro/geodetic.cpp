// Geodetic latitude, longitude and height on the WGS-72 ellipsoid (a = 6378.135 km,
// f = 1/298.26; WGS-72, DMA 1974), from and to TEME positions.
//
// Cartesian -> geodetic starts from ERFA's eraGc2gde (T. Fukushima 2006, "Transformation
// from Cartesian to geodetic coordinates accelerated by Halley's method", J. Geodesy 79,
// 689), which is exact to rounding near the surface but off by up to 3e-11 rad at GPS and
// GEO heights; two Newton steps on the normal-line condition bring it to rounding at every
// height (the steps are skipped near the Earth's centre, where the condition has several
// roots). Geodetic -> Cartesian is eraGd2gce (closed form). The
// Earth-fixed axes are EFG: TEME turned by the Greenwich angle (GMST 1982), no polar motion.
// Longitude is east-positive in (-180, 180], latitude in [-90, 90], height in km.

#include <erfa.h>

#include <cmath>

#include "astro/astrofunc.h"
#include "astro/frames.h"
#include "astro/vec3.h"
#include "env/wgs72.h"
#include "time/time_constants.h"

namespace {

using namespace engine::timeconst;
using engine::wgs72::kFlattening;
using engine::wgs72::kRadiusKm;

constexpr double kEccentricitySq = kFlattening * (2.0 - kFlattening);
constexpr int kNewtonSteps = 2;
// A Newton step larger than this (rad) means the start was not near the root: keep ERFA's.
constexpr double kLargestNewtonStep = 1e-6;

// Geodetic latitude of the point at distance p from the polar axis and height z above the
// equator plane lies on the ellipsoid normal through it:
//   g(lat) = p sin(lat) - z cos(lat) - e^2 N(lat) sin(lat) cos(lat) = 0,
// N = a / sqrt(1 - e^2 sin^2(lat)) the prime-vertical radius of curvature.
double refined_latitude(double p, double z, double lat) {
  for (int i = 0; i < kNewtonSteps; ++i) {
    const double s = std::sin(lat), c = std::cos(lat);
    const double w = 1.0 - kEccentricitySq * s * s;
    const double n = kRadiusKm / std::sqrt(w);
    const double g = p * s - z * c - kEccentricitySq * n * s * c;
    const double dg = p * c + z * s -
                      kEccentricitySq * n * (kEccentricitySq * s * s * c * c / w + c * c - s * s);
    const double step = g / dg;
    if (!(std::fabs(step) < kLargestNewtonStep)) break;
    lat -= step;
  }
  return lat;
}

void geodetic_of_efg(const double* efg, double* llh) {
  double xyz[3] = {efg[0], efg[1], efg[2]};
  double lon_rad = 0.0;
  double lat_rad = 0.0;
  double height_km = 0.0;
  eraGc2gde(kRadiusKm, kFlattening, xyz, &lon_rad, &lat_rad, &height_km);
  const double p = std::hypot(efg[0], efg[1]);
  const double refined = refined_latitude(p, efg[2], lat_rad);
  if (refined != lat_rad) {
    // Height along the normal: p cos(lat) + z sin(lat) = a sqrt(1 - e^2 sin^2(lat)) + h.
    const double s = std::sin(refined);
    lat_rad = refined;
    height_km = p * std::cos(refined) + efg[2] * s -
                kRadiusKm * std::sqrt(1.0 - kEccentricitySq * s * s);
  }
  double lon_deg = lon_rad * kRad2Deg;
  if (lon_deg <= -180.0) lon_deg += 360.0;
  llh[0] = lat_rad * kRad2Deg;
  llh[1] = lon_deg;
  llh[2] = height_km;
}

}  // namespace

extern "C" void XYZToLLH(double thetaG, const double* metricPos, double* metricLLH) {
  double efg[3];
  engine::astro::rotate_axes_z(thetaG, metricPos, efg);
  geodetic_of_efg(efg, metricLLH);
}

extern "C" void XYZToLLHTime(double ds50_utc, const double* metricPos, double* metricLLH) {
  XYZToLLH(engine::astro::greenwich_angle_of_utc(ds50_utc), metricPos, metricLLH);
}

extern "C" void LLHToXYZTime(double ds50_utc, const double* metricLLH, double* metricXYZ) {
  double efg[3];
  eraGd2gce(kRadiusKm, kFlattening, metricLLH[1] * kDeg2Rad, metricLLH[0] * kDeg2Rad,
            metricLLH[2], efg);
  engine::astro::rotate_axes_z(-engine::astro::greenwich_angle_of_utc(ds50_utc), efg,
                               metricXYZ);
}

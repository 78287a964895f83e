// Topocentric right ascension / declination and horizon azimuth / elevation of a satellite
// seen from a site on the rotating Earth (Vallado, Fundamentals of Astrodynamics and
// Applications, 4th ed., algorithms 25 and 27, "RAZEL" and "RV2TRADEC").
//
// The line of sight is rho = r_sat - r_site in TEME. The site moves with the Earth
// (v_site = w x r_site, w the WGS-72 rotation rate about z), so the inertial rate of rho,
// which gives the right-ascension and declination rates, is v_sat - w x r_site. Azimuth and
// elevation are measured in the site's south-east-zenith frame, which turns with the Earth;
// their rates come from the Earth-fixed relative velocity v_sat - w x r_sat. The local
// vertical is the geodetic one (latitude given), and the frame is placed by the local
// sidereal angle theta (Greenwich angle plus east longitude).
//
// Azimuth is from north through east in [0, 360), right ascension in [0, 360), elevation and
// declination in [-90, 90], all in degrees; rates in degrees per second, range in km, range
// rate in km/s.
//
// Singular directions, our convention: straight up or down from the site (horizontal
// component of rho below 1e-10 of the range, i.e. within 6e-9 degrees of the zenith, where
// rounding alone decides the azimuth) the azimuth and its rate are 0 and the elevation rate
// is its one-sided limit, -sign(el) (horizontal speed) / range; along the celestial poles
// likewise the right ascension and its rate are 0 and the declination rate is -sign(dec)
// (speed across the pole) / range. A satellite at the site itself (range 0) gives 0 in
// every component.

#include <cmath>

#include "astro/astrofunc.h"
#include "astro/frames.h"
#include "astro/vec3.h"
#include "env/wgs72.h"
#include "time/time_constants.h"

namespace {

using namespace engine::timeconst;
using engine::wgs72::kRotationRate;

// Horizontal part of a direction, relative to its length, below which it points along the
// axis (zenith, nadir or celestial pole).
constexpr double kAlongAxis = 1e-10;

double degrees_0_360(double angle_rad) {
  double deg = angle_rad * kRad2Deg;
  if (deg < 0.0) deg += 360.0;
  return deg < 360.0 ? deg : 0.0;
}

// Angle and rate of a direction (p, q, r) whose rate is (dp, dq, dr): the azimuth-like
// angle atan2(q, p), the elevation-like angle atan2(r, hypot(p, q)), and their rates, in
// radians and radians per second, with the pole conventions above.
struct SphericalAngles {
  double around, around_rate, up, up_rate;
};

SphericalAngles spherical(double p, double q, double r, double dp, double dq, double dr) {
  const double horizontal = std::hypot(p, q);
  const double range_sq = horizontal * horizontal + r * r;
  SphericalAngles a{};
  a.up = std::atan2(r, horizontal);
  if (horizontal <= kAlongAxis * std::sqrt(range_sq)) {
    const double across = std::hypot(dp, dq);
    a.up_rate = r > 0.0 ? -across / std::sqrt(range_sq) : across / std::sqrt(range_sq);
    return a;
  }
  const double horizontal_rate = (p * dp + q * dq) / horizontal;
  a.around = std::atan2(q, p);
  a.around_rate = (p * dq - q * dp) / (horizontal * horizontal);
  a.up_rate = (dr * horizontal - r * horizontal_rate) / range_sq;
  return a;
}

// Components of a TEME vector in the south-east-zenith axes of a site.
void to_sez(double local_theta_rad, double lat_rad, const double* v, double* sez) {
  const double st = std::sin(local_theta_rad), ct = std::cos(local_theta_rad);
  const double sp = std::sin(lat_rad), cp = std::cos(lat_rad);
  sez[0] = sp * ct * v[0] + sp * st * v[1] - cp * v[2];
  sez[1] = -st * v[0] + ct * v[1];
  sez[2] = cp * ct * v[0] + cp * st * v[1] + sp * v[2];
}

}  // namespace

extern "C" void ECIToTopoComps(double theta, double lat, const double* senPos,
                               const double* satPos, const double* satVel, double* xa_topo) {
  for (int i = 0; i < XA_TOPO_SIZE; ++i) xa_topo[i] = 0.0;
  const double rho[3] = {satPos[0] - senPos[0], satPos[1] - senPos[1], satPos[2] - senPos[2]};
  const double range = engine::astro::norm(rho);
  if (range == 0.0) return;

  // Inertial rate of the line of sight, and the satellite's Earth-fixed velocity.
  const double rho_rate[3] = {satVel[0] + kRotationRate * senPos[1],
                              satVel[1] - kRotationRate * senPos[0], satVel[2]};
  const double fixed_vel[3] = {satVel[0] + kRotationRate * satPos[1],
                               satVel[1] - kRotationRate * satPos[0], satVel[2]};

  const SphericalAngles radec =
      spherical(rho[0], rho[1], rho[2], rho_rate[0], rho_rate[1], rho_rate[2]);

  double sez[3];
  double sez_rate[3];
  const double lat_rad = lat * kDeg2Rad;
  to_sez(theta, lat_rad, rho, sez);
  to_sez(theta, lat_rad, fixed_vel, sez_rate);
  // Azimuth from north (-S) towards east (+E).
  const SphericalAngles azel =
      spherical(-sez[0], sez[1], sez[2], -sez_rate[0], sez_rate[1], sez_rate[2]);

  xa_topo[XA_TOPO_RA] = degrees_0_360(radec.around);
  xa_topo[XA_TOPO_DEC] = radec.up * kRad2Deg;
  xa_topo[XA_TOPO_AZ] = degrees_0_360(azel.around);
  xa_topo[XA_TOPO_EL] = azel.up * kRad2Deg;
  xa_topo[XA_TOPO_RANGE] = range;
  xa_topo[XA_TOPO_RADOT] = radec.around_rate * kRad2Deg;
  xa_topo[XA_TOPO_DECDOT] = radec.up_rate * kRad2Deg;
  xa_topo[XA_TOPO_AZDOT] = azel.around_rate * kRad2Deg;
  xa_topo[XA_TOPO_ELDOT] = azel.up_rate * kRad2Deg;
  xa_topo[XA_TOPO_RANGEDOT] = engine::astro::dot(rho, rho_rate) / range;
}

extern "C" void RaDecToAzEl(double thetaG, double lat, double lon, double RA, double dec,
                            double* az, double* el) {
  const double ra_rad = RA * kDeg2Rad;
  const double dec_rad = dec * kDeg2Rad;
  const double u[3] = {std::cos(dec_rad) * std::cos(ra_rad), std::cos(dec_rad) * std::sin(ra_rad),
                       std::sin(dec_rad)};
  double sez[3];
  to_sez(thetaG + lon * kDeg2Rad, lat * kDeg2Rad, u, sez);
  const SphericalAngles azel = spherical(-sez[0], sez[1], sez[2], 0.0, 0.0, 0.0);
  *az = degrees_0_360(azel.around);
  *el = azel.up * kRad2Deg;
}

extern "C" void RaDecToAzElTime(double ds50_utc, double lat, double lon, double RA, double dec,
                                double* az, double* el) {
  RaDecToAzEl(engine::astro::greenwich_angle_of_utc(ds50_utc), lat, lon, RA, dec, az, el);
}

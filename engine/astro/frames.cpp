// Frame rotations between TEME, EFG, ECR and J2000, and right ascension / declination
// between the axes of date and a mean equinox.
//
//  TEME -> EFG  r_efg = R3(GMST82(UT1)) r_teme; v_efg = R3 v_teme - w x r_efg, with w the
//               WGS-72 rotation rate about z (Vallado et al. 2006, AIAA 2006-6753, the
//               TEME -> PEF step).
//  EFG -> ECR   r_ecr = W r_efg, W the polar-motion matrix of ERFA's eraPom00 with the
//               loaded x_p, y_p and s' = 0 (IERS Conventions 2010, eq. 5.3; identity
//               when no Earth-orientation file is loaded). Velocity turned by the same W.
//  J2000 -> TEME  r_teme = R3(dpsi cos eps) N(eps, dpsi, deps) P r_j2000: IAU 1976
//               precession (Lieske et al. 1977, eraPmat76), IAU 1980 nutation
//               (Seidelmann 1982, eraNut80) and mean obliquity (eraObl80), with the TAI
//               count turned into TT. Velocity turned by the same matrix (its rate of
//               change, about 1e-11 rad/s, is left out as the SGP4 convention does).

#include "astro/frames.h"

#include <erfa.h>

#include <cmath>

#include "astro/astrofunc.h"
#include "astro/nutation80.h"
#include "astro/vec3.h"
#include "env/wgs72.h"
#include "time/earth_orientation.h"
#include "time/time_constants.h"
#include "time/timefunc.h"

namespace engine::astro {
namespace {

using namespace engine::timeconst;
using engine::wgs72::kRotationRate;

double tai_to_tt(double ds50_tai) { return ds50_tai + kTtMinusTaiSeconds / kSecondsPerDay; }

void polar_motion_matrix(double ds50_utc, double w[3][3]) {
  double xp_rad = 0.0;
  double yp_rad = 0.0;
  engine::eop::polar_motion_rad(ds50_utc, &xp_rad, &yp_rad);
  eraPom00(xp_rad, yp_rad, 0.0, w);
}

// w x r for the rotation about z.
void add_rotation_velocity(double sign, const double* r, double* v) {
  v[0] -= sign * kRotationRate * r[1];
  v[1] += sign * kRotationRate * r[0];
}

void unit_vector(double ra_deg, double dec_deg, double* u) {
  const double ra = ra_deg * kDeg2Rad;
  const double dec = dec_deg * kDeg2Rad;
  u[0] = std::cos(dec) * std::cos(ra);
  u[1] = std::cos(dec) * std::sin(ra);
  u[2] = std::sin(dec);
}

void ra_dec_of(const double* u, double* ra_deg, double* dec_deg) {
  double ra = std::atan2(u[1], u[0]) * kRad2Deg;
  if (ra < 0.0) ra += 360.0;
  if (ra >= 360.0) ra = 0.0;
  *ra_deg = ra;
  *dec_deg = std::atan2(u[2], std::hypot(u[0], u[1])) * kRad2Deg;
}

// Axes of date (TEME) from the axes of the given equinox code; false for an unknown code.
bool equinox_to_teme_matrix(int yr_of_eqnx, int nutation_terms, double ds50_utc,
                            double m[3][3]) {
  const double ds50_tt = UTCToET(ds50_utc);
  if (yr_of_eqnx == YROFEQNX_CURR) {
    mean_of_date_to_teme_matrix(ds50_tt, nutation_terms, m);
    return true;
  }
  if (yr_of_eqnx == YROFEQNX_2000) {
    j2000_to_teme_matrix(ds50_tt, nutation_terms, m);
    return true;
  }
  return false;
}

}  // namespace

double greenwich_angle_of_utc(double ds50_utc) { return ThetaGrnwchFK5(UTCToUT1(ds50_utc)); }

void mean_of_date_to_teme_matrix(double ds50_tt, int nutation_terms, double m[3][3]) {
  double dpsi = 0.0;
  double deps = 0.0;
  if (nutation_terms >= kNutation80Terms) {
    eraNut80(kJdAtDs50Zero, ds50_tt, &dpsi, &deps);
  } else {
    nutation80(ds50_tt - kDs50AtJ2000, nutation_terms, &dpsi, &deps);
  }
  const double eps_mean = eraObl80(kJdAtDs50Zero, ds50_tt);
  eraNumat(eps_mean, dpsi, deps, m);
  eraRz(dpsi * std::cos(eps_mean), m);
}

void j2000_to_teme_matrix(double ds50_tt, int nutation_terms, double m[3][3]) {
  double precession[3][3];
  double nutation[3][3];
  eraPmat76(kJdAtDs50Zero, ds50_tt, precession);
  mean_of_date_to_teme_matrix(ds50_tt, nutation_terms, nutation);
  eraRxr(nutation, precession, m);
}

}  // namespace engine::astro

using namespace engine::astro;

extern "C" void ECIToEFGTime(double ds50_utc, const double* posECI, const double* velECI,
                             double* posEFG, double* velEFG) {
  const double theta = greenwich_angle_of_utc(ds50_utc);
  double r[3];
  double v[3];
  rotate_axes_z(theta, posECI, r);
  rotate_axes_z(theta, velECI, v);
  add_rotation_velocity(-1.0, r, v);
  for (int i = 0; i < 3; ++i) {
    posEFG[i] = r[i];
    velEFG[i] = v[i];
  }
}

extern "C" void EFGToECITime(double ds50_utc, const double* posEFG, const double* velEFG,
                             double* posECI, double* velECI) {
  const double theta = greenwich_angle_of_utc(ds50_utc);
  double v[3] = {velEFG[0], velEFG[1], velEFG[2]};
  add_rotation_velocity(+1.0, posEFG, v);
  double r[3];
  rotate_axes_z(-theta, posEFG, r);
  rotate_axes_z(-theta, v, v);
  for (int i = 0; i < 3; ++i) {
    posECI[i] = r[i];
    velECI[i] = v[i];
  }
}

extern "C" void EFGToECRTime(double ds50_utc, const double* posEFG, const double* velEFG,
                             double* posECR, double* velECR) {
  double w[3][3];
  polar_motion_matrix(ds50_utc, w);
  multiply(w, posEFG, posECR);
  multiply(w, velEFG, velECR);
}

extern "C" void ECRToEFGTime(double ds50_utc, const double* posECR, const double* velECR,
                             double* posEFG, double* velEFG) {
  double w[3][3];
  polar_motion_matrix(ds50_utc, w);
  multiply_transposed(w, posECR, posEFG);
  multiply_transposed(w, velECR, velEFG);
}

// spectr selects nothing here (only the 1980 series exists); any value is taken as 0.
extern "C" void RotJ2KToDate(int /*spectr*/, int nutationTerms, double ds50_tai,
                             const double* posJ2K, const double* velJ2K, double* posDate,
                             double* velDate) {
  double m[3][3];
  j2000_to_teme_matrix(tai_to_tt(ds50_tai), nutationTerms, m);
  multiply(m, posJ2K, posDate);
  multiply(m, velJ2K, velDate);
}

extern "C" void RotDateToJ2K(int /*spectr*/, int nutationTerms, double ds50_tai,
                             const double* posDate, const double* velDate, double* posJ2K,
                             double* velJ2K) {
  double m[3][3];
  j2000_to_teme_matrix(tai_to_tt(ds50_tai), nutationTerms, m);
  multiply_transposed(m, posDate, posJ2K);
  multiply_transposed(m, velDate, velJ2K);
}

// An unknown year-of-equinox code leaves the direction unchanged.
extern "C" void RotRADec_DateToEqnx(int nutationTerms, int yrOfEqnx, double ds50_utc,
                                    double RADate, double decDate, double* RAEqnx,
                                    double* decEqnx) {
  double m[3][3];
  double u[3];
  unit_vector(RADate, decDate, u);
  if (equinox_to_teme_matrix(yrOfEqnx, nutationTerms, ds50_utc, m)) {
    multiply_transposed(m, u, u);
  }
  ra_dec_of(u, RAEqnx, decEqnx);
}

extern "C" void RotRADec_EqnxToDate(int nutationTerms, int yrOfEqnx, double ds50_utc,
                                    double RAEqnx, double decEqnx, double* RADate,
                                    double* decDate) {
  double m[3][3];
  double u[3];
  unit_vector(RAEqnx, decEqnx, u);
  if (equinox_to_teme_matrix(yrOfEqnx, nutationTerms, ds50_utc, m)) multiply(m, u, u);
  ra_dec_of(u, RADate, decDate);
}

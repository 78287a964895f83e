// Engine-internal: the coefficient blocks of the SGP4 model (sgp4_model.h) and the
// deep-space and radiation-pressure phases that act on the mean elements.
//
// Symbol names follow the published text (Spacetrack Report #3; Vallado et al. 2006,
// AIAA 2006-6753) so that each term can be checked against its equation there. All
// quantities are in SGP4's internal units: earth radii, minutes, radians.
#pragma once

namespace engine::sgp4 {

struct MeanElements;

// Initialisation of the near-Earth model (with drag), also the base of the deep-space one.
struct NearEarthTerms {
  // Mean elements at epoch.
  double ecco = 0, inclo = 0, nodeo = 0, argpo = 0, mo = 0, no = 0, bstar = 0;
  double ao = 0;  // semi-major axis from the Brouwer mean motion, earth radii
  double cosio = 0, sinio = 0, cosio2 = 0, eccsq = 0, omeosq = 0, rteosq = 0;
  double con41 = 0, x1mth2 = 0, x7thm1 = 0;
  // Secular gravity rates.
  double mdot = 0, argpdot = 0, nodedot = 0, xpidot = 0;
  // Drag.
  bool isimp = false;  // perigee below 220 km: the simplified drag equations
  double eta = 0, cc1 = 0, cc4 = 0, cc5 = 0, d2 = 0, d3 = 0, d4 = 0;
  double t2cof = 0, t3cof = 0, t4cof = 0, t5cof = 0;
  double nodecf = 0, omgcof = 0, xmcof = 0, delmo = 0, sinmao = 0;
  // Long-period J3 terms at the epoch inclination.
  double xlcof = 0, aycof = 0;
};

// Deep-space terms (periods of 225 minutes or more).
struct DeepSpaceTerms {
  // Lunar-solar periodic coefficients (dscom) and the Sun's and Moon's mean anomalies at epoch.
  double e3 = 0, ee2 = 0, se2 = 0, se3 = 0, sgh2 = 0, sgh3 = 0, sgh4 = 0, sh2 = 0, sh3 = 0;
  double si2 = 0, si3 = 0, sl2 = 0, sl3 = 0, sl4 = 0, xgh2 = 0, xgh3 = 0, xgh4 = 0;
  double xh2 = 0, xh3 = 0, xi2 = 0, xi3 = 0, xl2 = 0, xl3 = 0, xl4 = 0, zmol = 0, zmos = 0;
  // Lunar-solar secular rates (dsinit), per minute.
  double dedt = 0, didt = 0, dmdt = 0, dnodt = 0, domdt = 0;
  // Greenwich sidereal angle at epoch.
  double gsto = 0;
  // Resonance: 0 none, 1 one-day (synchronous), 2 half-day.
  int irez = 0;
  double d2201 = 0, d2211 = 0, d3210 = 0, d3222 = 0, d4410 = 0, d4422 = 0;
  double d5220 = 0, d5232 = 0, d5421 = 0, d5433 = 0;
  double del1 = 0, del2 = 0, del3 = 0, xfact = 0, xlamo = 0;
};

// Mean elements as the deep-space phases update them.
struct DeepMeanElements {
  double em = 0, inclm = 0, argpm = 0, nodem = 0, mm = 0, nm = 0;
  // The resonant mean anomaly is referred to the Greenwich angle, which wraps at 2 pi; the
  // same mean anomaly with the angle unwrapped counts revolutions.
  double mm_unwrapped = 0;
};

// Greenwich sidereal angle (radians) at ds50 UTC as the AFSPC code computes it: the
// 1970-based polynomial of Spacetrack Report #3 (opsmode "a" of Vallado et al. 2006).
double afspc_greenwich_angle(double epoch_ds50);

// Builds the deep-space terms (dscom and dsinit) from the near-Earth initialisation.
DeepSpaceTerms init_deep_space(double epoch_ds50, const NearEarthTerms& ne);

// Lunar-solar secular terms and the resonance integration to t minutes (dspace). The
// integrator starts from the epoch at every call, so the result does not depend on the
// order of calls.
void apply_deep_space_secular(const DeepSpaceTerms& ds, const NearEarthTerms& ne, double t,
                              DeepMeanElements& m);

// Lunar-solar periodics at t minutes (dpper), with Lyddane's modification below 0.2 rad.
void apply_lunar_solar_periodics(const DeepSpaceTerms& ds, double t, double& ep,
                                 double& inclp, double& nodep, double& argpp, double& mp);

// Solar radiation pressure of the extended theory (sgp4_radiation_pressure.h).
struct RadiationPressureTerms {
  bool active = false;
  double epoch_ds50 = 0;
  double accel_km_s2 = 0;      // P * agom at 1 au, km/s^2
  double rate_scale_s_km = 0;  // 1.5 * sqrt(a / mu), s/km
  double ecc = 0, incl = 0, raan = 0, argp = 0;
  double raan_rate = 0, argp_rate = 0;  // secular J2 rates, rad/min
};

}  // namespace engine::sgp4

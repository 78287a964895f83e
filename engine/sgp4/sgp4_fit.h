// Engine-internal: mean elements fitted to a state. Used to turn an osculating state into
// SGP4 mean elements (KepOscToMean) and to move an element set to a new epoch
// (Sgp4ReepochTLE).
#pragma once

#include "sgp4/sgp4_model.h"

namespace engine::sgp4 {

// Equinoctial elements (Broucke and Cefola, "On the equinoctial orbit elements", Celestial
// Mechanics 5, 1972), with the retrograde factor: the direct set for inclinations up to
// 90 deg, the retrograde set (node entering with the opposite sign) above, so that neither
// a circular nor an equatorial orbit is singular.
struct Equinoctial {
  double a_km = 0;  // semi-major axis
  double af = 0;    // e cos(argp + I node)
  double ag = 0;    // e sin(argp + I node)
  double chi = 0;   // tan(i/2)^I sin(node)
  double psi = 0;   // tan(i/2)^I cos(node)
  double lambda_rad = 0;  // M + argp + I node
  int retrograde_factor = 1;  // I
};

// Two-body osculating equinoctial elements of a TEME state (km, km/s), WGS-72 mu.
Equinoctial equinoctial_from_state(const double pos_km[3], const double vel_km_s[3],
                                   int retrograde_factor);

// How close the fit must come: position (km) and velocity (km/s).
inline constexpr double kFitPositionToleranceKm = 1.0e-7;
inline constexpr double kFitVelocityToleranceKmS = 1.0e-10;

// Result of a fit.
struct FitResult {
  bool converged = false;
  int sgp4_error = kOk;  // the SGP4 error that stopped the fit, if any
  int iterations = 0;
  double position_error_km = 0;
  double velocity_error_km_s = 0;
};

// Adjusts the six mean elements of `elements` (eccentricity, inclination, node, argument of
// perigee, mean anomaly, mean motion; epoch, B* and agom are kept) so that the SGP4 state
// at its epoch is the given TEME state. `elements` is the first guess on entry and the best
// iterate on return. Fixed-point iteration on the osculating equinoctial elements: each
// step adds the difference between the target's and the model's osculating elements to
// the mean elements, which contracts by about the size of the periodic terms per step.
// Where it stops contracting, Levenberg-Marquardt steps on the Cartesian residual
// (position, and velocity times 1/n) take over, with a finite-difference Jacobian. A guess
// with a negative inclination is first written with a positive one (node + 180 deg,
// argument of perigee - 180 deg).
//
// Near-equatorial deep-space targets (osculating inclination below 0.1 deg) need more: SDP4's
// lunar-solar inclination and node terms are there as large as the inclination and fold the
// map from mean to osculating planes, so the plane that reproduces the state can lie far
// from the guess. When the local search fails on such a target, a grid of mean
// inclinations (0 to 0.1 deg) and nodes seeds it again from its six best points.
//
// Not every state is an SGP4 state: with a non-negative mean inclination, SDP4 reaches no
// osculating plane inclined less than its lunar-solar inclination term (about 0.01 deg at
// geostationary distance, depending on the date and node), so such a target can stay
// kilometres away (up to about 7 km in our checks). `converged` is then false and
// `elements` the closest orbit found (by position and velocity times 1/n).
FitResult fit_mean_elements(const double pos_km[3], const double vel_km_s[3],
                            MeanElements& elements);

// Same, with the inclination, node, eccentricity and argument of perigee held fixed: only
// the mean anomaly takes the along-track correction and the mean motion the semi-major
// axis correction. Used after those four have been rounded to what element-set text holds.
FitResult fit_mean_anomaly_and_motion(const double pos_km[3], const double vel_km_s[3],
                                      MeanElements& elements);

}  // namespace engine::sgp4

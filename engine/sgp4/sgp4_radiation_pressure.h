// Engine-internal: solar radiation pressure in the extended mean theory (ephemeris type 4).
//
// Model. A flat-plate acceleration of constant size P * agom (P = 4.56e-6 N/m^2 at 1 au,
// scaled by 1/r^2 with the Sun's distance r in au, agom = reflectivity times area over
// mass in m^2/kg), directed from the Sun to the Earth, acts on the mean elements through the
// orbit-averaged variational equations of the eccentricity vector e and the normalised
// angular-momentum vector H = h / sqrt(mu a) (Milankovitch's vector elements). For a
// perturbing acceleration F that is constant over one revolution, averaging with
// <r> = -3/2 a e gives
//     dH/dt = -3/2 sqrt(a/mu) e x F,     de/dt = -3/2 sqrt(a/mu) H x F,
// and no secular change of a (the equations used for high area-to-mass objects by
// Rosengren and Scheeres, "Long-term dynamics of high area-to-mass ratio objects in
// high-Earth orbit", Advances in Space Research 52, 2013). The Sun's direction and distance
// come from the low-precision solar coordinates of the Astronomical Almanac (section C,
// about 0.01 deg from 1950 to 2050).
//
// The equations are integrated to first order in F along the epoch orbit, whose node and
// perigee turn at the SGP4 secular J2 rates: the changes of e and of the orbit normal are
// accumulated in the frame of the node line (the eccentricity change also turned by the
// perigee rate) with 3-point Gauss-Legendre quadrature on panels of at most one day, then
// added to the SGP4 mean elements at the time. The mean longitude M + argp + node is kept.
//
// Limits: no Earth shadow; first order in the acceleration, so changes of e and i that are
// large against their epoch values are not followed (the rates use the epoch e and i);
// no short-period radiation-pressure terms and no change of the mean longitude of order
// e * F; the Sun at the Earth's centre (no parallax). Good for area-to-mass ratios up to
// about 1 m^2/kg over days to a few weeks.
#pragma once

#include "sgp4/sgp4_terms.h"

namespace engine::sgp4 {

struct MeanElements;

// Solar radiation pressure at 1 au on a perfectly absorbing surface, N/m^2.
inline constexpr double kSolarPressureNPerM2 = 4.56e-6;

// Unit vector from the Earth to the Sun (mean equator and equinox of date, which the
// low-precision series does not tell from TEME) and the distance in au at ds50.
void low_precision_sun(double ds50, double unit[3], double& distance_au);

// The terms of `elements`; inactive (no effect) when its agom is 0.
RadiationPressureTerms init_radiation_pressure(const MeanElements& elements,
                                               const NearEarthTerms& ne);

// Adds the radiation-pressure change accumulated from the epoch to t minutes to the mean
// elements at t (radians).
void apply_radiation_pressure(const RadiationPressureTerms& srp, double t, double& em,
                              double& inclm, double& nodem, double& argpm, double& mm);

}  // namespace engine::sgp4

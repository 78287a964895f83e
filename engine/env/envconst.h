// Environment constants: the Earth model used by SGP4 and by the frame and element
// conversions. The engine uses WGS-72 throughout, the model SGP4 was built on
// (Spacetrack Report #3; Vallado et al. 2006, AIAA 2006-6753).
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Indices accepted by EnvGetGeoConst.
#define XF_GEOCON_FF 1     // flattening (unitless)
#define XF_GEOCON_J2 2     // second zonal harmonic (unitless)
#define XF_GEOCON_J3 3     // third zonal harmonic (unitless)
#define XF_GEOCON_J4 4     // fourth zonal harmonic (unitless)
#define XF_GEOCON_KE 5     // ke = sqrt(mu / R^3), earth radii^1.5 per minute
#define XF_GEOCON_KMPER 6  // equatorial radius, km
#define XF_GEOCON_RPTIM 7  // Earth rotation rate, rad/s
#define XF_GEOCON_MU 13    // gravitational parameter mu, km^3/s^2

// Returns the constant of the given index, or 0.0 for an unknown index.
double EnvGetGeoConst(int xf_GeoConst);

#ifdef __cplusplus
}
#endif

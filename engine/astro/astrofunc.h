// Astrodynamics functions: element conversions, frame rotations between TEME, EFG, ECR and
// J2000, geodetic and topocentric coordinates.
//
// Units: km, km/s, degrees for angles in element and coordinate arrays, radians for
// Greenwich and local sidereal angles. Mean motion in revolutions per day. WGS-72 constants
// throughout (envconst.h).
//
// Keplerian arrays (6): semi-major axis, eccentricity, inclination, mean anomaly, right
// ascension of the ascending node, argument of perigee.
// Equinoctial arrays (6): af, ag, chi, psi, mean longitude (deg), mean motion (rev/day).
// Topocentric arrays (10): right ascension, declination, azimuth, elevation (deg), range (km),
// right-ascension rate, declination rate, azimuth rate, elevation rate (deg/s), range rate (km/s).
//
// Conventions at the singular points: an equatorial orbit has node 0 and a circular one
// argument of perigee 0 (the mean anomaly is then the argument of latitude); a hyperbola has a
// negative semi-major axis and an unwrapped mean anomaly. A direction within 1e-10 rad of the
// zenith or nadir has azimuth and azimuth rate 0 and the one-sided limit of the elevation rate
// (the same for right ascension at the celestial poles); a zero range gives all components 0.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

#define XA_KEP_A 0
#define XA_KEP_E 1
#define XA_KEP_INCLI 2
#define XA_KEP_MA 3
#define XA_KEP_NODE 4
#define XA_KEP_OMEGA 5

#define XA_EQNX_AF 0
#define XA_EQNX_AG 1
#define XA_EQNX_CHI 2
#define XA_EQNX_PSI 3
#define XA_EQNX_L 4
#define XA_EQNX_N 5

#define XA_TOPO_RA 0
#define XA_TOPO_DEC 1
#define XA_TOPO_AZ 2
#define XA_TOPO_EL 3
#define XA_TOPO_RANGE 4
#define XA_TOPO_RADOT 5
#define XA_TOPO_DECDOT 6
#define XA_TOPO_AZDOT 7
#define XA_TOPO_ELDOT 8
#define XA_TOPO_RANGEDOT 9
#define XA_TOPO_SIZE 10

// Year-of-equinox codes.
#define YROFEQNX_CURR 1
#define YROFEQNX_2000 2

// Semi-major axis (km) <-> mean motion (rev/day), two-body with ke.
double AToN(double a);
double NToA(double n);

// Kozai <-> Brouwer mean motion (rev/day) as SGP4 defines them; inclination in degrees.
double KozaiToBrouwer(double eccen, double incli, double nKozai);
double BrouwerToKozai(double eccen, double incli, double nBrouwer);

// Osculating Keplerian elements -> SGP4 (Brouwer) mean elements whose SGP4 state at the
// epoch reproduces the osculating state.
void KepOscToMean(const double* xa_kep, double* xa_kep_mean);

void KepToEqnx(const double* xa_kep, double* xa_eqnx);
void EqnxToKep(const double* xa_eqnx, double* xa_kep);
void KepToPosVel(const double* xa_kep, double* pos, double* vel);
void PosVelToKep(const double* pos, const double* vel, double* xa_kep);

// TEME ("ECI") <-> EFG <-> ECR at a UTC instant.
void ECIToEFGTime(double ds50UTC, const double* posECI, const double* velECI, double* posEFG,
                  double* velEFG);
void EFGToECITime(double ds50UTC, const double* posEFG, const double* velEFG, double* posECI,
                  double* velECI);
void EFGToECRTime(double ds50UTC, const double* posEFG, const double* velEFG, double* posECR,
                  double* velECR);
void ECRToEFGTime(double ds50UTC, const double* posECR, const double* velECR, double* posEFG,
                  double* velEFG);

// J2000 <-> TEME at a TAI instant: IAU 1976 precession and IAU 1980 nutation with the first
// nutationTerms terms of the series in decreasing amplitude (106 or more: the full series; 0
// or fewer: no nutation). spectr is accepted and ignored.
void RotJ2KToDate(int spectr, int nutationTerms, double ds50TAI, const double* posJ2K,
                  const double* velJ2K, double* posDate, double* velDate);
void RotDateToJ2K(int spectr, int nutationTerms, double ds50TAI, const double* posDate,
                  const double* velDate, double* posJ2K, double* velJ2K);

// Right ascension and declination (deg) between the TEME axes of date and the axes of the
// given equinox (YROFEQNX_CURR: mean equator and equinox of date; YROFEQNX_2000: J2000). An
// unknown equinox code leaves the direction unchanged.
void RotRADec_DateToEqnx(int nutationTerms, int yrOfEqnx, double ds50UTC, double RADate,
                         double decDate, double* RAEqnx, double* decEqnx);
void RotRADec_EqnxToDate(int nutationTerms, int yrOfEqnx, double ds50UTC, double RAEqnx,
                         double decEqnx, double* RADate, double* decDate);

// Direction (RA, Dec of date, deg) to azimuth and elevation (deg) at a geodetic site.
void RaDecToAzEl(double thetaG, double lat, double lon, double RA, double dec, double* az,
                 double* el);
void RaDecToAzElTime(double ds50UTC, double lat, double lon, double RA, double dec,
                     double* az, double* el);

// Topocentric components of a TEME satellite state seen from a TEME sensor position. theta
// is the local sidereal angle (Greenwich angle plus east longitude, radians); lat is the
// sensor's geodetic latitude (deg). The sensor moves with the Earth.
void ECIToTopoComps(double theta, double lat, const double* senPos, const double* satPos,
                    const double* satVel, double* xa_topo);

// TEME position -> geodetic latitude, longitude (deg) and height (km) on the WGS-72
// ellipsoid, given the Greenwich angle or the UTC instant.
void XYZToLLH(double thetaG, const double* metricPos, double* metricLLH);
void XYZToLLHTime(double ds50UTC, const double* metricPos, double* metricLLH);
// Geodetic latitude, longitude (deg), height (km) -> TEME position at a UTC instant.
void LLHToXYZTime(double ds50UTC, const double* metricLLH, double* metricXYZ);

#ifdef __cplusplus
}
#endif

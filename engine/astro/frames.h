// Engine-internal: the rotations between TEME, EFG, ECR, the mean equator and equinox of
// date and J2000, for engine code that needs the matrices or angles themselves.
//
// TEME is the frame of SGP4 output: true equator of date, x axis along the "uniform"
// equinox, i.e. true of date turned about z by the equation of the equinoxes
// dpsi cos(eps_mean) alone, without the 1994 extra terms (Vallado, Crawford, Hujsak and
// Kelso 2006, "Revisiting Spacetrack Report #3", AIAA 2006-6753, section on TEME).
#pragma once

namespace engine::astro {

// Greenwich angle for TEME <-> EFG at a UTC instant: GMST IAU 1982 of UT1, the UT1 coming
// from the loaded Earth-orientation table (UT1 = UTC when none is loaded).
double greenwich_angle_of_utc(double ds50_utc);

// Rotation from the mean equator and equinox of date to TEME at a TT instant: nutation
// (IAU 1980, first nutation_terms terms, mean obliquity IAU 1980) then the equation of the
// equinoxes. v_teme = m v_mean_of_date.
void mean_of_date_to_teme_matrix(double ds50_tt, int nutation_terms, double m[3][3]);

// Rotation from J2000 (mean equator and equinox of J2000.0) to TEME at a TT instant: IAU
// 1976 precession, then the rotation above. v_teme = m v_j2000.
void j2000_to_teme_matrix(double ds50_tt, int nutation_terms, double m[3][3]);

}  // namespace engine::astro

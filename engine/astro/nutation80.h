// Engine-internal: the IAU 1980 theory of nutation, truncated to its first terms.
//
// Seidelmann, P. K. (1982), "1980 IAU Theory of Nutation: the final report of the IAU
// Working Group on Nutation", Celestial Mechanics 27, 79-106; the 106-term series with the
// Delaunay arguments of the same report. The terms are kept in the order of the IERS
// table nut_IAU1980.dat (also Vallado, Fundamentals of Astrodynamics and Applications,
// 4th ed., appendix D), which lists them by decreasing amplitude, so that "the first n
// terms" are the n largest.
#pragma once

namespace engine::astro {

// Number of terms of the full series.
inline constexpr int kNutation80Terms = 106;

// Nutation in longitude and obliquity (radians) from the first term_count terms of the
// series, at a TT instant given as days since J2000.0 (JD 2451545.0 TT). term_count is
// clipped to 0..106; with 106 the result is that of ERFA's eraNut80.
void nutation80(double days_since_j2000_tt, int term_count, double* dpsi_rad,
                double* deps_rad);

}  // namespace engine::astro

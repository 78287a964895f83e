// Engine-internal: the few 3-vector and 3x3-matrix operations the frame and element code
// needs, on plain arrays (the layout ERFA uses).
#pragma once

#include <cmath>

namespace engine::astro {

inline double dot(const double* a, const double* b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double norm(const double* a) { return std::sqrt(dot(a, a)); }

inline void cross(const double* a, const double* b, double* out) {
  const double x = a[1] * b[2] - a[2] * b[1];
  const double y = a[2] * b[0] - a[0] * b[2];
  const double z = a[0] * b[1] - a[1] * b[0];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

// out = m v (out may be v).
inline void multiply(const double m[3][3], const double* v, double* out) {
  const double x = m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2];
  const double y = m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2];
  const double z = m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

// out = transpose(m) v (out may be v).
inline void multiply_transposed(const double m[3][3], const double* v, double* out) {
  const double x = m[0][0] * v[0] + m[1][0] * v[1] + m[2][0] * v[2];
  const double y = m[0][1] * v[0] + m[1][1] * v[1] + m[2][1] * v[2];
  const double z = m[0][2] * v[0] + m[1][2] * v[1] + m[2][2] * v[2];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

// out = R3(angle) v: the components of v in axes turned by +angle about z (a rotation of
// the frame, as ERFA's eraRz). out may be v.
inline void rotate_axes_z(double angle_rad, const double* v, double* out) {
  const double c = std::cos(angle_rad);
  const double s = std::sin(angle_rad);
  const double x = c * v[0] + s * v[1];
  const double y = -s * v[0] + c * v[1];
  out[0] = x;
  out[1] = y;
  out[2] = v[2];
}

}  // namespace engine::astro

// Three Cartesian components (km for positions, km/s for velocities), and the spherical form
// (range, right ascension, declination in degrees). Neither knows its frame.
#pragma once

#include <array>

namespace vastorin {

class SphericalVector;

// Immutable; every operation returns a new vector.
class CartesianVector {
 public:
  CartesianVector(double x, double y, double z) : c_{x, y, z} {}
  explicit CartesianVector(const std::array<double, 3>& components) : c_(components) {}

  double x() const { return c_[0]; }
  double y() const { return c_[1]; }
  double z() const { return c_[2]; }
  const std::array<double, 3>& components() const { return c_; }

  // The evaluation orders below are part of the contract: results agree to the last bit.
  double magnitude() const;                              // sqrt((x*x + y*y) + z*z)
  double dot(const CartesianVector& other) const;        // (x*ox + y*oy) + z*oz
  double distance(const CartesianVector& other) const;   // magnitude of the difference
  double angle(const CartesianVector& other) const;      // radians; 0 when either is zero
  SphericalVector to_spherical() const;

  CartesianVector operator+(const CartesianVector& o) const { return {c_[0] + o.c_[0], c_[1] + o.c_[1], c_[2] + o.c_[2]}; }
  CartesianVector operator-(const CartesianVector& o) const { return {c_[0] - o.c_[0], c_[1] - o.c_[1], c_[2] - o.c_[2]}; }

 private:
  std::array<double, 3> c_;
};

// Mutable and unchecked: any range and any angles are kept as given.
class SphericalVector {
 public:
  SphericalVector(double range, double right_ascension, double declination)
      : range(range), right_ascension(right_ascension), declination(declination) {}

  CartesianVector to_cartesian() const;

  double range;
  double right_ascension;  // degrees, from +x towards +y
  double declination;      // degrees above the x-y plane
};

}  // namespace vastorin

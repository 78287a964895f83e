#include "elements/cartesian_vector.h"

#include <cmath>

#include "binding/bind.h"
#include "elements/angles.h"

namespace vastorin {

double CartesianVector::magnitude() const { return std::sqrt((c_[0] * c_[0] + c_[1] * c_[1]) + c_[2] * c_[2]); }

double CartesianVector::dot(const CartesianVector& o) const {
  return (c_[0] * o.c_[0] + c_[1] * o.c_[1]) + c_[2] * o.c_[2];
}

double CartesianVector::distance(const CartesianVector& o) const {
  const double dx = c_[0] - o.c_[0];
  const double dy = c_[1] - o.c_[1];
  const double dz = c_[2] - o.c_[2];
  return std::sqrt((dx * dx + dy * dy) + dz * dz);
}

double CartesianVector::angle(const CartesianVector& o) const {
  const double p = magnitude() * o.magnitude();
  if (p == 0.0) return 0.0;
  // Rounding can carry the quotient of parallel vectors just past 1 (a vector and itself give
  // 1.0000000000000002 for some components); the angle is then 0, not NaN. NaN inputs still
  // give NaN.
  double cosine = dot(o) / p;
  if (cosine > 1.0) cosine = 1.0;
  if (cosine < -1.0) cosine = -1.0;
  return std::acos(cosine);
}

SphericalVector CartesianVector::to_spherical() const {
  const double xy = std::sqrt(c_[0] * c_[0] + c_[1] * c_[1]);
  return SphericalVector(magnitude(), std::atan2(c_[1], c_[0]) * kRadToDeg, std::atan2(c_[2], xy) * kRadToDeg);
}

CartesianVector SphericalVector::to_cartesian() const {
  const double alpha = right_ascension * kDegToRad;
  const double delta = declination * kDegToRad;
  return CartesianVector(range * std::cos(alpha) * std::cos(delta), range * std::sin(alpha) * std::cos(delta),
                         range * std::sin(delta));
}

namespace {

CartesianVector make_cartesian(double x, double y, double z) { return CartesianVector(x, y, z); }

SphericalVector make_spherical(double range, double right_ascension, double declination) {
  return SphericalVector(range, right_ascension, declination);
}

template <CartesianVector (CartesianVector::*Op)(const CartesianVector&) const>
bind::Object vector_operator(const CartesianVector& self, PyObject* other) {
  if (auto vector = bind::try_load<CartesianVector>(other)) return bind::cast((self.*Op)(*vector));
  return bind::not_implemented();
}

}  // namespace

}  // namespace vastorin

using vastorin::CartesianVector;
using vastorin::SphericalVector;

VASTORIN_CLASS(CartesianVector, "CartesianVector", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"CartesianVector(x, y, z)", &make_cartesian>();
  cls.readonly<"x", &CartesianVector::x>();
  cls.readonly<"y", &CartesianVector::y>();
  cls.readonly<"z", &CartesianVector::z>();
  cls.readonly<"magnitude", &CartesianVector::magnitude>();
  cls.method<"dot(other)", &CartesianVector::dot>();
  cls.method<"distance(other)", &CartesianVector::distance>();
  cls.method<"angle(other)", &CartesianVector::angle>();
  cls.method<"to_spherical()", &CartesianVector::to_spherical>();
  cls.add(&vector_operator<&CartesianVector::operator+>);
  cls.subtract(&vector_operator<&CartesianVector::operator- >);
}

VASTORIN_CLASS(SphericalVector, "SphericalVector", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"SphericalVector(range, right_ascension, declination)", &make_spherical>();
  cls.field<"range", &SphericalVector::range>();
  cls.field<"right_ascension", &SphericalVector::right_ascension>();
  cls.field<"declination", &SphericalVector::declination>();
  cls.method<"to_cartesian()", &SphericalVector::to_cartesian>();
}

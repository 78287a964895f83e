#include "elements/topocentric_elements.h"

#include <cmath>

#include "binding/bind.h"
#include "elements/angles.h"
#include "saal/astro_func_interface.h"

namespace vastorin {

namespace {

// The year-of-equinox code of J2000.
constexpr int kEquinoxJ2000 = 2;

}  // namespace

TopocentricElements::TopocentricElements(double right_ascension, double declination)
    : right_ascension_(right_ascension), declination_(declination) {
  update_direction();
}

TopocentricElements TopocentricElements::from_j2000(const Epoch& epoch, double right_ascension, double declination) {
  const auto [ra, dec] =
      saal::ra_dec_equinox_to_date(kEquinoxJ2000, epoch.days_since_1950(), right_ascension, declination);
  return TopocentricElements(ra, dec);
}

void TopocentricElements::set_right_ascension(double degrees) {
  right_ascension_ = degrees;
  update_direction();
}

void TopocentricElements::set_declination(double degrees) {
  declination_ = degrees;
  update_direction();
}

void TopocentricElements::update_direction() {
  const double alpha = right_ascension_ * kDegToRad;
  const double delta = declination_ * kDegToRad;
  observed_direction_ =
      CartesianVector(std::cos(alpha) * std::cos(delta), std::sin(alpha) * std::cos(delta), std::sin(delta));
}

namespace {

TopocentricElements make(double right_ascension, double declination) {
  return TopocentricElements(right_ascension, declination);
}

}  // namespace

}  // namespace vastorin

using vastorin::TopocentricElements;

VASTORIN_CLASS(TopocentricElements, "TopocentricElements", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"TopocentricElements(right_ascension, declination)", &make>();
  cls.static_method<"from_j2000(epoch, right_ascension, declination)", &TopocentricElements::from_j2000>();
  cls.readwrite<"right_ascension", &TopocentricElements::right_ascension, &TopocentricElements::set_right_ascension>();
  cls.readwrite<"declination", &TopocentricElements::declination, &TopocentricElements::set_declination>();
  cls.field<"range", &TopocentricElements::range>();
  cls.field<"range_rate", &TopocentricElements::range_rate>();
  cls.field<"right_ascension_rate", &TopocentricElements::right_ascension_rate>();
  cls.field<"declination_rate", &TopocentricElements::declination_rate>();
  cls.readonly<"observed_direction", &TopocentricElements::observed_direction>();
}

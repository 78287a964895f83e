// Where a target is seen from a site: right ascension and declination (degrees), with
// optional range (km), range rate (km/s) and angle rates (deg/s), and the unit line of sight.
#pragma once

#include <optional>

#include "elements/cartesian_vector.h"
#include "time/epoch.h"

namespace vastorin {

class TopocentricElements {
 public:
  TopocentricElements(double right_ascension, double declination);

  // Right ascension and declination of date from J2000 values, at the epoch's count taken
  // unconverted.
  static TopocentricElements from_j2000(const Epoch& epoch, double right_ascension, double declination);

  double right_ascension() const { return right_ascension_; }
  double declination() const { return declination_; }
  // Setting either angle recomputes the line of sight.
  void set_right_ascension(double degrees);
  void set_declination(double degrees);
  const CartesianVector& observed_direction() const { return observed_direction_; }

  std::optional<double> range;
  std::optional<double> range_rate;
  std::optional<double> right_ascension_rate;
  std::optional<double> declination_rate;

 private:
  void update_direction();

  double right_ascension_;
  double declination_;
  CartesianVector observed_direction_{0.0, 0.0, 0.0};
};

}  // namespace vastorin

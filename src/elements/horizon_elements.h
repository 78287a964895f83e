// Where a target is seen in a site's horizon frame: azimuth and elevation (degrees) with
// optional range (km), range rate (km/s) and angle rates (deg/s); and the same at an epoch.
#pragma once

#include <optional>

#include "elements/cartesian_state.h"
#include "time/epoch.h"

namespace vastorin {

struct HorizonElements {
  double azimuth = 0.0;
  double elevation = 0.0;
  std::optional<double> range;
  std::optional<double> range_rate;
  std::optional<double> azimuth_rate;
  std::optional<double> elevation_rate;
};

struct HorizonState {
  // The view of the target from the sensor, both TEME states taken at the sensor's instant
  // (frames and epochs are not checked). The result keeps the sensor state's epoch.
  static HorizonState from_teme_states(const CartesianState& sensor_teme, const CartesianState& target_teme);

  Epoch epoch;
  HorizonElements elements;
};

}  // namespace vastorin

// The four parts of an SGP4 result, as a record.
#pragma once

#include "elements/cartesian_state.h"
#include "elements/geodetic_position.h"
#include "elements/keplerian_elements.h"

namespace vastorin {

struct SGP4Output {
  CartesianState cartesian_state;
  KeplerianElements mean_elements;
  KeplerianElements osculating_elements;
  GeodeticPosition geodetic_position;
};

}  // namespace vastorin

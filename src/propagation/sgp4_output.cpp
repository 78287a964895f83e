#include "propagation/sgp4_output.h"

#include "binding/bind.h"

using vastorin::SGP4Output;

VASTORIN_CLASS(SGP4Output, "SGP4Output", "vastorin.propagation") {
  cls.readonly<"cartesian_state", &SGP4Output::cartesian_state>();
  cls.readonly<"mean_elements", &SGP4Output::mean_elements>();
  cls.readonly<"osculating_elements", &SGP4Output::osculating_elements>();
  cls.readonly<"geodetic_position", &SGP4Output::geodetic_position>();
}

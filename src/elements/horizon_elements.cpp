#include "elements/horizon_elements.h"

#include "binding/bind.h"
#include "saal/astro_func_interface.h"

namespace vastorin {

HorizonState HorizonState::from_teme_states(const CartesianState& sensor_teme, const CartesianState& target_teme) {
  const auto topo = saal::teme_to_topo_at_site(sensor_teme.epoch().fk5_greenwich_angle_or_internal(),
                                               sensor_teme.position().components(),
                                               target_teme.position().components(),
                                               target_teme.velocity().components());
  HorizonElements elements{topo[saal::kTopoAzimuth], topo[saal::kTopoElevation], topo[saal::kTopoRange],
                           topo[saal::kTopoRangeRate], topo[saal::kTopoAzimuthRate], topo[saal::kTopoElevationRate]};
  return HorizonState{sensor_teme.epoch(), elements};
}

namespace {

HorizonElements make_elements(double azimuth, double elevation) {
  return HorizonElements{azimuth, elevation, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
}

HorizonState make_state(const Epoch& epoch, const HorizonElements& elements) { return HorizonState{epoch, elements}; }

// HorizonState's element attributes read and write its HorizonElements.
template <auto Field>
auto get_through(const HorizonState& state) {
  return state.elements.*Field;
}

template <auto Field>
void set_through(HorizonState& state, std::remove_cvref_t<decltype(std::declval<HorizonElements&>().*Field)> value) {
  state.elements.*Field = value;
}

}  // namespace

}  // namespace vastorin

using vastorin::HorizonElements;
using vastorin::HorizonState;

VASTORIN_CLASS(HorizonElements, "HorizonElements", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"HorizonElements(azimuth, elevation)", &make_elements>();
  cls.field<"azimuth", &HorizonElements::azimuth>();
  cls.field<"elevation", &HorizonElements::elevation>();
  cls.field<"range", &HorizonElements::range>();
  cls.field<"range_rate", &HorizonElements::range_rate>();
  cls.field<"azimuth_rate", &HorizonElements::azimuth_rate>();
  cls.field<"elevation_rate", &HorizonElements::elevation_rate>();
}

#define VASTORIN_THROUGH(name) \
  cls.readwrite<#name, &get_through<&HorizonElements::name>, &set_through<&HorizonElements::name>>()

VASTORIN_CLASS(HorizonState, "HorizonState", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"HorizonState(epoch, elements)", &make_state>();
  cls.static_method<"from_teme_states(sensor_teme, target_teme)", &HorizonState::from_teme_states>();
  cls.field<"epoch", &HorizonState::epoch>();
  cls.field<"elements", &HorizonState::elements>();
  VASTORIN_THROUGH(azimuth);
  VASTORIN_THROUGH(elevation);
  VASTORIN_THROUGH(range);
  VASTORIN_THROUGH(range_rate);
  VASTORIN_THROUGH(azimuth_rate);
  VASTORIN_THROUGH(elevation_rate);
}

#include "binding/bind.h"
#include "elements/cartesian_state.h"
#include "elements/cartesian_vector.h"
#include "elements/geodetic_position.h"
#include "elements/horizon_elements.h"
#include "elements/keplerian_state.h"
#include "elements/tle.h"
#include "elements/topocentric_elements.h"
#include "lib/registration.h"

namespace vastorin {

void register_elements(PyObject* parent) {
  bind::Object module = bind::new_submodule("elements");
  PyObject* m = module.get();
  bind::add_class<TLE>(m);
  bind::add_class<CartesianState>(m);
  bind::add_class<CartesianVector>(m);
  bind::add_class<KeplerianState>(m);
  bind::add_class<KeplerianElements>(m);
  bind::add_class<SphericalVector>(m);
  bind::add_class<TopocentricElements>(m);
  bind::add_class<EquinoctialElements>(m);
  bind::add_class<GeodeticPosition>(m);
  bind::add_class<HorizonElements>(m);
  bind::add_class<HorizonState>(m);
  bind::insert_submodule(parent, std::move(module), "elements", "vastorin._vastorin.elements");
}

}  // namespace vastorin

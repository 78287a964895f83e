#include "binding/bind.h"
#include "lib/registration.h"
#include "propagation/force_properties.h"
#include "propagation/inertial_propagator.h"
#include "propagation/sgp4_output.h"

namespace vastorin {

void register_propagation(PyObject* parent) {
  bind::Object module = bind::new_submodule("propagation");
  PyObject* m = module.get();
  bind::add_class<ForceProperties>(m);
  bind::add_class<InertialPropagator>(m);
  bind::add_class<SGP4Output>(m);
  bind::add_function<"b_star_to_drag_coefficient(b_star)", &b_star_to_drag_coefficient>(m);
  bind::add_function<"drag_coefficient_to_b_star(drag_coefficient)", &drag_coefficient_to_b_star>(m);
  bind::insert_submodule(parent, std::move(module), "propagation", "vastorin._vastorin.propagation");
}

}  // namespace vastorin

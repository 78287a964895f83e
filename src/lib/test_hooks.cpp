// Private functions that let the tests reach internal operations which have no Python
// entry point of their own yet. They are attributes of the top-level module whose names begin
// with an underscore, and no module lists them in its __all__.
#include "binding/bind.h"
#include "elements/tle.h"
#include "lib/registration.h"
#include "propagation/inertial_propagator.h"
#include "saal/sgp4_prop_interface.h"
#include "saal/tle_interface.h"

namespace vastorin {

namespace {

// Element sets in the engine's TLE store and keys initialised for SGP4.
std::tuple<std::size_t, std::size_t> engine_key_counts() {
  return {saal::tle_store_size(), saal::sgp4_store_size()};
}

// Re-epochs a propagator in place; a failure is a ValueError carrying the engine's text.
void step_to_epoch(InertialPropagator& propagator, double days_since_1950) {
  propagator.step_to_epoch(days_since_1950).raise_if_failed(ErrorKind::Value);
}

InertialPropagator clone_at_epoch(const InertialPropagator& propagator, const Epoch& epoch) {
  return propagator.clone_at_epoch(epoch).value_or_raise(ErrorKind::Value);
}

// A record built from elements, as the satellite classes build them.
TLE new_tle(int32_t norad_id, const KeplerianState& keplerian_state, const ForceProperties& force_properties) {
  return TLE::create(new_uuid4(), norad_id, std::nullopt, Classification::Unclassified, "", keplerian_state,
                     force_properties)
      .value_or_raise(ErrorKind::Value);
}

template <bind::Text Declaration, auto F>
void add_hook(PyObject* module) {
  static PyMethodDef definition = bind::Entry<Declaration, F, bind::Kind::Function>::method_def(nullptr);
  bind::Object function = bind::check(PyCFunction_NewEx(&definition, module, nullptr));
  if (PyModule_AddObjectRef(module, definition.ml_name, function.get()) < 0) throw bind::ErrorAlreadySet{};
}

}  // namespace

void add_test_hooks(PyObject* module) {
  add_hook<"_engine_key_counts()", &engine_key_counts>(module);
  add_hook<"_step_to_epoch(propagator, days_since_1950)", &step_to_epoch>(module);
  add_hook<"_clone_at_epoch(propagator, epoch)", &clone_at_epoch>(module);
  add_hook<"_new_tle(norad_id, keplerian_state, force_properties)", &new_tle>(module);
}

}  // namespace vastorin

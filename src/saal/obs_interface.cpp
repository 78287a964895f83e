#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_obs_interface(PyObject* parent) {
  bind::Object module = bind::new_submodule("obs_interface");
  bind::insert_submodule(parent, std::move(module), "obs_interface", "vastorin._vastorin.saal.obs_interface");
}

}  // namespace vastorin

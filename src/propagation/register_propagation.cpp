#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_propagation(PyObject* parent) {
  bind::Object module = bind::new_submodule("propagation");
  bind::insert_submodule(parent, std::move(module), "propagation", "vastorin._vastorin.propagation");
}

}  // namespace vastorin

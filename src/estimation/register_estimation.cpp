#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_estimation(PyObject* parent) {
  bind::Object module = bind::new_submodule("estimation");
  bind::insert_submodule(parent, std::move(module), "estimation", "vastorin._vastorin.estimation");
}

}  // namespace vastorin

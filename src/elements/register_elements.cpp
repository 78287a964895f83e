#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_elements(PyObject* parent) {
  bind::Object module = bind::new_submodule("elements");
  bind::insert_submodule(parent, std::move(module), "elements", "vastorin._vastorin.elements");
}

}  // namespace vastorin

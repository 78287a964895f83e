#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_astro_func_interface(PyObject* parent) {
  bind::Object module = bind::new_submodule("astro_func_interface");
  bind::insert_submodule(parent, std::move(module), "astro_func_interface", "vastorin._vastorin.saal.astro_func_interface");
}

}  // namespace vastorin

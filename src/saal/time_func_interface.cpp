#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_time_func_interface(PyObject* parent) {
  bind::Object module = bind::new_submodule("time_func_interface");
  bind::insert_submodule(parent, std::move(module), "time_func_interface", "vastorin._vastorin.saal.time_func_interface");
}

}  // namespace vastorin

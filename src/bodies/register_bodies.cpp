#include "lib/registration.h"

#include "binding/bind.h"
#include "bodies/earth.h"

namespace vastorin {

void register_bodies(PyObject* parent) {
  bind::Object module = bind::new_submodule("bodies");
  bind::add_class<Earth>(module.get());
  bind::insert_submodule(parent, std::move(module), "bodies", "vastorin._vastorin.bodies");
}

}  // namespace vastorin

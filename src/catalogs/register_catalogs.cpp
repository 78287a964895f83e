#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_catalogs(PyObject* parent) {
  bind::Object module = bind::new_submodule("catalogs");
  bind::insert_submodule(parent, std::move(module), "catalogs", "vastorin._vastorin.catalogs");
}

}  // namespace vastorin

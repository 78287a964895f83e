#include "lib/registration.h"

#include "binding/bind.h"

namespace vastorin {

void register_events(PyObject* parent) {
  bind::Object module = bind::new_submodule("events");
  bind::insert_submodule(parent, std::move(module), "events", "vastorin._vastorin.events");
}

}  // namespace vastorin

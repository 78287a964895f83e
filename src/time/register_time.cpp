#include "lib/registration.h"

#include "binding/bind.h"
#include "time/epoch.h"
#include "time/time_components.h"
#include "time/time_span.h"

namespace vastorin {

void register_time(PyObject* parent) {
  bind::Object module = bind::new_submodule("time");
  bind::add_class<TimeSpan>(module.get());
  bind::add_class<Epoch>(module.get());
  bind::add_class<TimeComponents>(module.get());
  bind::insert_submodule(parent, std::move(module), "time", "vastorin._vastorin.time");
}

}  // namespace vastorin

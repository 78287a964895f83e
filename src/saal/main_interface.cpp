#include "saal/main_interface.h"

#include "binding/bind.h"
#include "lib/registration.h"
#include "saal/engine.h"
#include "saal/get_set_string.h"

namespace vastorin::saal {

Status set_key_mode(SAALKeyMode mode) {
  if (SetAllKeyMode(static_cast<int>(mode)) != 0) return last_error();
  return {};
}

SAALKeyMode get_key_mode() {
  switch (GetAllKeyMode()) {
    case 0: return SAALKeyMode::NoDuplicates;
    case 1: return SAALKeyMode::DirectMemoryAccess;
    default: throw InternalError("Unknown key mode");
  }
}

namespace {

void set_key_mode_or_raise(SAALKeyMode key_mode) {
  set_key_mode(key_mode).raise_if_failed(ErrorKind::Runtime);
}

}  // namespace

}  // namespace vastorin::saal

namespace vastorin {

void register_saal(PyObject* parent) {
  bind::Object module = bind::new_submodule("saal");
  bind::add_function<"get_key_mode()", &saal::get_key_mode>(module.get());
  bind::add_function<"set_key_mode(key_mode)", &saal::set_key_mode_or_raise>(module.get());
  bind::insert_submodule(parent, std::move(module), "saal", "vastorin._vastorin.saal");
}

}  // namespace vastorin

#include "exceptions/exceptions.h"

#include "binding/bind.h"
#include "lib/registration.h"

namespace vastorin {

PyObject* saal_error_type() {
  static PyObject* type = nullptr;
  if (type == nullptr)
    type = PyErr_NewException("vastorin.exceptions.SAALError", PyExc_Exception, nullptr);
  return type;
}

PyObject* internal_error_type() {
  static PyObject* type = nullptr;
  if (type == nullptr)
    type = PyErr_NewException("vastorin.exceptions.InternalError", PyExc_BaseException, nullptr);
  return type;
}

void register_exceptions(PyObject* parent) {
  bind::Object module = bind::new_submodule("exceptions");
  PyObject* saal_error = saal_error_type();
  if (saal_error == nullptr) throw bind::ErrorAlreadySet{};
  bind::add_object(module.get(), "SAALError", bind::Object::borrow(saal_error));
  // Reachable for `except` clauses, but not one of the module's exported names.
  PyObject* internal_error = internal_error_type();
  if (internal_error == nullptr || PyModule_AddObjectRef(module.get(), "InternalError", internal_error) < 0)
    throw bind::ErrorAlreadySet{};
  bind::insert_submodule(parent, std::move(module), "exceptions", "vastorin._vastorin.exceptions");
}

}  // namespace vastorin

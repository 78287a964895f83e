#include "binding/bind.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

#include "exceptions/exceptions.h"

namespace vastorin::bind {

// ---------------------------------------------------------------------------------------------
// References and errors

Object check(PyObject* p) {
  if (p == nullptr) throw ErrorAlreadySet{};
  return Object::steal(p);
}

Object not_implemented() { return Object::borrow(Py_NotImplemented); }

namespace {

PyObject* python_type_of(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Type: return PyExc_TypeError;
    case ErrorKind::Value: return PyExc_ValueError;
    case ErrorKind::Runtime: return PyExc_RuntimeError;
    case ErrorKind::Key: return PyExc_KeyError;
    case ErrorKind::Overflow: return PyExc_OverflowError;
    case ErrorKind::Attribute: return PyExc_AttributeError;
    case ErrorKind::NotImplemented: return PyExc_NotImplementedError;
    case ErrorKind::SAAL: return saal_error_type();
  }
  return PyExc_SystemError;
}

// Sets an exception whose message is text that may hold bytes that are not UTF-8 (engine
// texts cut at 512 bytes can end inside a character): those read as U+FFFD.
void set_error_text(PyObject* type, const std::string& message) {
  PyObject* text = PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "replace");
  if (text == nullptr) return;
  PyErr_SetObject(type, text);
  Py_DECREF(text);
}

void set_internal_error(const std::string& message) {
  PyObject* type = internal_error_type();
  if (type != nullptr) set_error_text(type, message);
}

}  // namespace

void raise(PyObject* type, const std::string& message) {
  set_error_text(type, message);
  throw ErrorAlreadySet{};
}

namespace {

std::string type_qualname(PyObject* o) {
  Object name = Object::steal(PyType_GetQualName(Py_TYPE(o)));
  if (!name) {
    PyErr_Clear();
    return Py_TYPE(o)->tp_name;
  }
  const char* text = PyUnicode_AsUTF8(name.get());
  if (text == nullptr) {
    PyErr_Clear();
    return Py_TYPE(o)->tp_name;
  }
  return text;
}

}  // namespace

void translate_current_exception() noexcept {
  try {
    throw;
  } catch (const ErrorAlreadySet&) {
    if (!PyErr_Occurred()) set_internal_error("a failure was reported without an exception");
  } catch (const Error& e) {
    PyObject* type = python_type_of(e.kind());
    if (type != nullptr) set_error_text(type, e.message());
  } catch (const InternalError& e) {
    set_internal_error(e.what());
  } catch (const std::bad_alloc&) {
    PyErr_NoMemory();
  } catch (const std::exception& e) {
    set_internal_error(e.what());
  } catch (...) {
    set_internal_error("unknown C++ exception");
  }
}

void report_unraisable_internal_error(const std::string& message) noexcept {
  if (!PyGILState_Check()) {
    std::fprintf(stderr, "vastorin internal error: %s\n", message.c_str());
    return;
  }
  PyObject* pending = PyErr_GetRaisedException();
  set_internal_error(message);
  PyErr_WriteUnraisable(nullptr);
  PyErr_SetRaisedException(pending);
}

void raise_cannot_convert(PyObject* o, const char* target) {
  raise(PyExc_TypeError,
        "'" + type_qualname(o) + "' object cannot be converted to '" + target + "'");
}

void raise_wrong_length(std::size_t expected, Py_ssize_t got) {
  raise(PyExc_ValueError, "expected a sequence of length " + std::to_string(expected) +
                              " (got " + std::to_string(got) + ")");
}

void raise_no_constructor(PyTypeObject* type) {
  Object name = check(PyType_GetName(type));
  raise(PyExc_TypeError, std::string("No constructor defined for ") + PyUnicode_AsUTF8(name.get()));
}

void raise_cannot_delete() { raise(PyExc_AttributeError, "can't delete attribute"); }

// ---------------------------------------------------------------------------------------------
// Signatures and arguments

Signature parse_signature(const char* declaration, const char* class_name, Kind kind) {
  Signature sig;
  const std::string text(declaration);
  const std::size_t open = text.find('(');
  const std::size_t close = text.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open)
    throw InternalError("malformed declaration: " + text);
  sig.name = text.substr(0, open);
  const std::string params = text.substr(open + 1, close - open - 1);

  bool optional_seen = false;
  std::size_t start = 0;
  while (start < params.size()) {
    std::size_t end = params.find(',', start);
    if (end == std::string::npos) end = params.size();
    std::string param = params.substr(start, end - start);
    while (!param.empty() && param.front() == ' ') param.erase(param.begin());
    while (!param.empty() && param.back() == ' ') param.pop_back();
    const std::size_t equals = param.find('=');
    if (equals != std::string::npos) {
      optional_seen = true;
      param = param.substr(0, equals);
    } else if (optional_seen) {
      throw InternalError("required parameter after an optional one: " + text);
    } else {
      ++sig.required;
    }
    sig.params.push_back(param);
    start = end + 1;
  }

  switch (kind) {
    case Kind::Function: sig.qualified = sig.name + "()"; break;
    case Kind::Method:
    case Kind::Static: sig.qualified = std::string(class_name) + "." + sig.name + "()"; break;
    case Kind::Constructor: sig.qualified = std::string(class_name) + ".__new__()"; break;
  }
  const std::string self = kind == Kind::Method ? (params.empty() ? "$self" : "$self, ") : "";
  sig.doc = sig.name + "(" + self + params + ")\n--\n\n";
  return sig;
}

namespace {

// 'a'; 'a' and 'b'; 'a', 'b', and 'c'
std::string quoted_list(const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i != 0) {
      if (names.size() > 2) out += ',';
      out += i == names.size() - 1 ? " and " : " ";
    }
    out += "'" + names[i] + "'";
  }
  return out;
}

[[noreturn]] void raise_too_many_positional(const Signature& sig, Py_ssize_t given) {
  const std::string was = given == 1 ? "was" : "were";
  std::string takes = sig.required == sig.params.size()
                          ? std::to_string(sig.params.size())
                          : "from " + std::to_string(sig.required) + " to " +
                                std::to_string(sig.params.size());
  raise(PyExc_TypeError, sig.qualified + " takes " + takes + " positional arguments but " +
                             std::to_string(given) + " " + was + " given");
}

}  // namespace

void extract_arguments(const Signature& sig, PyObject* const* args, Py_ssize_t nargs,
                       PyObject* kwnames, PyObject** out) {
  const std::size_t count = sig.params.size();
  if (static_cast<std::size_t>(nargs) > count) raise_too_many_positional(sig, nargs);
  for (Py_ssize_t i = 0; i < nargs; ++i) out[i] = args[i];

  const Py_ssize_t nkw = kwnames == nullptr ? 0 : PyTuple_GET_SIZE(kwnames);
  for (Py_ssize_t k = 0; k < nkw; ++k) {
    PyObject* key = PyTuple_GET_ITEM(kwnames, k);
    const char* name = PyUnicode_AsUTF8(key);
    if (name == nullptr) throw ErrorAlreadySet{};
    std::size_t index = 0;
    while (index < count && sig.params[index] != name) ++index;
    if (index == count)
      raise(PyExc_TypeError, sig.qualified + " got an unexpected keyword argument '" + name + "'");
    if (out[index] != nullptr)
      raise(PyExc_TypeError, sig.qualified + " got multiple values for argument '" + name + "'");
    out[index] = args[nargs + k];
  }

  std::vector<std::string> missing;
  for (std::size_t i = 0; i < sig.required; ++i)
    if (out[i] == nullptr) missing.push_back(sig.params[i]);
  if (!missing.empty()) {
    raise(PyExc_TypeError, sig.qualified + " missing " + std::to_string(missing.size()) +
                               " required positional argument" + (missing.size() == 1 ? "" : "s") +
                               ": " + quoted_list(missing));
  }
}

void reraise_argument_error(const std::string& name) {
  PyObject* raised = PyErr_GetRaisedException();
  if (raised == nullptr || Py_TYPE(raised) != reinterpret_cast<PyTypeObject*>(PyExc_TypeError)) {
    PyErr_SetRaisedException(raised);
    throw ErrorAlreadySet{};
  }
  Object original = Object::steal(raised);
  Object message = Object::steal(PyObject_Str(original.get()));
  if (!message) throw ErrorAlreadySet{};
  Object text = check(PyUnicode_FromFormat("argument '%s': %U", name.c_str(), message.get()));
  Object wrapped = check(PyObject_CallOneArg(PyExc_TypeError, text.get()));
  PyException_SetCause(wrapped.get(), original.release());
  PyErr_SetRaisedException(wrapped.release());
  throw ErrorAlreadySet{};
}

// ---------------------------------------------------------------------------------------------
// Conversions

double Caster<double>::load(PyObject* o) {
  if (PyFloat_CheckExact(o)) return PyFloat_AS_DOUBLE(o);
  const double v = PyFloat_AsDouble(o);
  if (v == -1.0 && PyErr_Occurred()) throw ErrorAlreadySet{};
  return v;
}
Object Caster<double>::cast(double v) { return check(PyFloat_FromDouble(v)); }

int64_t Caster<int64_t>::load(PyObject* o) {
  const long long v = PyLong_AsLongLong(o);
  if (v == -1 && PyErr_Occurred()) throw ErrorAlreadySet{};
  return v;
}
Object Caster<int64_t>::cast(int64_t v) { return check(PyLong_FromLongLong(v)); }

int32_t Caster<int32_t>::load(PyObject* o) {
  const long long v = Caster<int64_t>::load(o);
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    raise(PyExc_OverflowError, "Python int too large to convert to C int");
  return static_cast<int32_t>(v);
}
Object Caster<int32_t>::cast(int32_t v) { return check(PyLong_FromLong(v)); }

uint64_t Caster<uint64_t>::load(PyObject* o) {
  Object index = check(PyNumber_Index(o));
  const unsigned long long v = PyLong_AsUnsignedLongLong(index.get());
  if (v == static_cast<unsigned long long>(-1) && PyErr_Occurred()) throw ErrorAlreadySet{};
  return v;
}
Object Caster<uint64_t>::cast(uint64_t v) { return check(PyLong_FromUnsignedLongLong(v)); }

uint32_t Caster<uint32_t>::load(PyObject* o) {
  const uint64_t v = Caster<uint64_t>::load(o);
  if (v > std::numeric_limits<uint32_t>::max())
    raise(PyExc_OverflowError, "Python int too large to convert to C unsigned int");
  return static_cast<uint32_t>(v);
}
Object Caster<uint32_t>::cast(uint32_t v) { return check(PyLong_FromUnsignedLong(v)); }

bool Caster<bool>::load(PyObject* o) {
  if (!PyBool_Check(o)) raise_cannot_convert(o, "bool");
  return o == Py_True;
}
Object Caster<bool>::cast(bool v) { return Object::borrow(v ? Py_True : Py_False); }

std::string Caster<std::string>::load(PyObject* o) {
  if (!PyUnicode_Check(o)) raise_cannot_convert(o, "str");
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(o, &size);
  if (data == nullptr) throw ErrorAlreadySet{};
  return std::string(data, static_cast<std::size_t>(size));
}
Object Caster<std::string>::cast(const std::string& v) {
  // Text from the engine may hold bytes that are not UTF-8; they read as U+FFFD.
  return check(PyUnicode_DecodeUTF8(v.data(), static_cast<Py_ssize_t>(v.size()), "replace"));
}

Object as_sequence(PyObject* o) {
  if (!PySequence_Check(o)) raise_cannot_convert(o, "Sequence");
  return check(PySequence_Fast(o, "expected a sequence"));
}

Object as_list_source(PyObject* o) {
  // A str is a sequence of characters, never what a list parameter means.
  if (PyUnicode_Check(o)) raise(PyExc_TypeError, "Can't extract `str` to `Vec`");
  return as_sequence(o);
}

// ---------------------------------------------------------------------------------------------
// Modules

void add_object(PyObject* module, const char* name, Object obj) {
  if (PyModule_AddObjectRef(module, name, obj.get()) < 0) throw ErrorAlreadySet{};
  PyObject* dict = PyModule_GetDict(module);
  Object key = check(PyUnicode_FromString("__all__"));
  PyObject* all = PyDict_GetItemWithError(dict, key.get());
  if (all == nullptr) {
    if (PyErr_Occurred()) throw ErrorAlreadySet{};
    Object list = check(PyList_New(0));
    if (PyDict_SetItem(dict, key.get(), list.get()) < 0) throw ErrorAlreadySet{};
    all = list.get();
  }
  Object entry = check(PyUnicode_FromString(name));
  if (PyList_Append(all, entry.get()) < 0) throw ErrorAlreadySet{};
}

void add_int_constant(PyObject* module, const char* name, long value) {
  add_object(module, name, check(PyLong_FromLong(value)));
}

Object new_submodule(const char* short_name) { return check(PyModule_New(short_name)); }

void insert_submodule(PyObject* parent, Object module, const char* short_name, const char* key) {
  const std::string text =
      std::string("import sys; sys.modules['") + key + "'] = " + short_name;
  Object locals = check(PyDict_New());
  if (PyDict_SetItemString(locals.get(), short_name, module.get()) < 0) throw ErrorAlreadySet{};
  PyObject* main = PyImport_AddModule("__main__");
  if (main == nullptr) throw ErrorAlreadySet{};
  PyObject* globals = PyModule_GetDict(main);
  Object result = Object::steal(PyRun_String(text.c_str(), Py_file_input, globals, locals.get()));
  if (!result) {
    PyErr_Print();
    Object flushed = Object::steal(
        PyRun_String("import sys; sys.stderr.flush()", Py_file_input, globals, locals.get()));
    if (!flushed) {
      PyErr_Clear();
      throw InternalError("could not flush standard error");
    }
    throw InternalError(text);
  }
  add_object(parent, short_name, std::move(module));
}

// ---------------------------------------------------------------------------------------------
// Classes

PyTypeObject* TypeBuilder::finish(Py_ssize_t basicsize) {
  // Type objects live for the rest of the process, and so does everything they point to.
  if (!methods.empty()) {
    auto* table = new PyMethodDef[methods.size() + 1]();
    std::copy(methods.begin(), methods.end(), table);
    slots.push_back({Py_tp_methods, table});
  }
  if (!getsets.empty()) {
    auto* table = new PyGetSetDef[getsets.size() + 1]();
    std::copy(getsets.begin(), getsets.end(), table);
    slots.push_back({Py_tp_getset, table});
  }
  if (!doc.empty()) slots.push_back({Py_tp_doc, const_cast<char*>(doc.c_str())});
  slots.push_back({0, nullptr});

  const char* name = strdup(qualified_name.c_str());
  PyType_Spec spec{name, static_cast<int>(basicsize), 0,
                   Py_TPFLAGS_DEFAULT | Py_TPFLAGS_IMMUTABLETYPE, slots.data()};
  return reinterpret_cast<PyTypeObject*>(PyType_FromSpec(&spec));
}

}  // namespace vastorin::bind

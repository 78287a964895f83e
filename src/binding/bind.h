// The binding layer: a small, generic bridge between C++ values and functions and the CPython
// C API.
//
// Everything Python sees is produced here from one place: argument extraction by position and
// keyword with the argument messages, conversions chosen from the C++ parameter types, text
// signatures, class objects, attributes and operators, and the rule that no C++ exception ever
// reaches the interpreter. A class is then declared in one short block, one line per member:
//
//   VASTORIN_CLASS(TimeSpan, "TimeSpan", "vastorin.time") {
//     cls.static_method<"from_days(days)", &TimeSpan::from_days>();
//     cls.method<"in_days()", &TimeSpan::in_days>();
//   }
//
// Conversions: double, 32/64-bit signed and unsigned integers, bool, std::string, std::optional,
// std::array (fixed-length sequences), std::vector (lists), std::pair/std::tuple (returned as
// tuples), bound classes (taken and returned by copy; a method's receiver is borrowed), and
// bind::Object for raw Python objects.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "exceptions/error.h"

namespace vastorin::bind {

// ---------------------------------------------------------------------------------------------
// References and errors

// An owned reference to a Python object (or null).
class Object {
 public:
  Object() = default;
  static Object steal(PyObject* p) {
    Object o;
    o.p_ = p;
    return o;
  }
  static Object borrow(PyObject* p) {
    Py_XINCREF(p);
    return steal(p);
  }
  Object(const Object& o) : p_(o.p_) { Py_XINCREF(p_); }
  Object(Object&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  Object& operator=(Object o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~Object() { Py_XDECREF(p_); }

  PyObject* get() const noexcept { return p_; }
  PyObject* release() noexcept { return std::exchange(p_, nullptr); }
  explicit operator bool() const noexcept { return p_ != nullptr; }

 private:
  PyObject* p_ = nullptr;
};

// Thrown when a Python exception has been set and the call must end with it.
struct ErrorAlreadySet {};

// Takes ownership of a new reference; throws ErrorAlreadySet when it is null.
Object check(PyObject* p);

// Sets a Python exception of the given type and throws ErrorAlreadySet.
[[noreturn]] void raise(PyObject* type, const std::string& message);

// Python's NotImplemented, returned by operators that do not handle an operand.
Object not_implemented();

// Raises the current C++ exception as the matching Python exception. Call inside a catch.
void translate_current_exception() noexcept;

// Reports an internal error that has no caller to raise it to (a failure while an object is
// being freed): as an unraisable exception when the interpreter lock is held, else on stderr.
void report_unraisable_internal_error(const std::string& message) noexcept;

// Runs fn, turning every C++ exception into a Python exception; returns `failed` then.
template <class Fn, class R = std::invoke_result_t<Fn>>
R guard(Fn&& fn, R failed) noexcept {
  try {
    return fn();
  } catch (...) {
    translate_current_exception();
    return failed;
  }
}

// ---------------------------------------------------------------------------------------------
// Text signatures and argument extraction

// A string usable as a template argument.
template <std::size_t N>
struct Text {
  char value[N]{};
  constexpr Text(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) value[i] = s[i];
  }
  constexpr const char* c_str() const { return value; }
};

enum class Kind { Function, Method, Static, Constructor };

// What a callable looks like to Python, parsed from its declaration text "name(a, b=None)".
struct Signature {
  std::string name;
  std::string qualified;  // "name()", "Class.name()", "Class.__new__()" in messages
  std::vector<std::string> params;
  std::size_t required = 0;  // the leading parameters without a default
  std::string doc;           // "name($self, a, b=None)\n--\n\n"
};

Signature parse_signature(const char* declaration, const char* class_name, Kind kind);

// Matches a vectorcall's arguments to the parameters; out gets one borrowed reference per
// parameter, null for an omitted optional one. Raises the binding layer's TypeErrors.
void extract_arguments(const Signature& sig, PyObject* const* args, Py_ssize_t nargs,
                       PyObject* kwnames, PyObject** out);

// Re-raises a TypeError set while converting the named argument as "argument 'name': ...";
// other exception types pass through unchanged. Always throws ErrorAlreadySet.
[[noreturn]] void reraise_argument_error(const std::string& name);

// ---------------------------------------------------------------------------------------------
// Bound classes

template <class T>
struct Instance {
  PyObject_HEAD
  bool alive;
  alignas(T) unsigned char storage[sizeof(T)];

  T& value() { return *std::launder(reinterpret_cast<T*>(storage)); }
};

template <class T>
class Class;

// Where the type object of a bound C++ class lives, and how it is built on first use.
template <class T>
struct TypeSlot {
  static inline PyTypeObject* type = nullptr;
  static inline const char* name = nullptr;
  static inline const char* module = nullptr;
  static inline void (*declare)(Class<T>&) = nullptr;
};

template <class T>
bool register_class(const char* name, const char* module, void (*declare)(Class<T>&)) {
  TypeSlot<T>::name = name;
  TypeSlot<T>::module = module;
  TypeSlot<T>::declare = declare;
  return true;
}

template <class T>
PyTypeObject* type_of();

// The C++ value inside o, or null when o is not an instance of T's class.
template <class T>
T* instance_value(PyObject* o) {
  PyTypeObject* type = type_of<T>();
  if (!PyObject_TypeCheck(o, type)) return nullptr;
  auto* inst = reinterpret_cast<Instance<T>*>(o);
  return inst->alive ? &inst->value() : nullptr;
}

// A new Python instance of T's class holding value.
template <class T>
Object make_instance(T value, PyTypeObject* type = nullptr) {
  if (type == nullptr) type = type_of<T>();
  Object obj = check(type->tp_alloc(type, 0));
  auto* inst = reinterpret_cast<Instance<T>*>(obj.get());
  new (inst->storage) T(std::move(value));
  inst->alive = true;
  return obj;
}

// "'str' object cannot be converted to 'Epoch'"
[[noreturn]] void raise_cannot_convert(PyObject* o, const char* target);

// ---------------------------------------------------------------------------------------------
// Conversions

// Caster<T>::load converts a Python object (raising on failure); Caster<T>::cast makes a new
// Python object. The primary template handles bound classes.
template <class T, class Enable = void>
struct Caster {
  static T load(PyObject* o) {
    T* value = instance_value<T>(o);
    if (value == nullptr) raise_cannot_convert(o, TypeSlot<T>::name);
    return *value;
  }
  static Object cast(T value) { return make_instance<T>(std::move(value)); }
};

template <>
struct Caster<double> {
  static double load(PyObject* o);
  static Object cast(double v);
};
template <>
struct Caster<int32_t> {
  static int32_t load(PyObject* o);
  static Object cast(int32_t v);
};
template <>
struct Caster<int64_t> {
  static int64_t load(PyObject* o);
  static Object cast(int64_t v);
};
template <>
struct Caster<uint32_t> {
  static uint32_t load(PyObject* o);
  static Object cast(uint32_t v);
};
template <>
struct Caster<uint64_t> {
  static uint64_t load(PyObject* o);
  static Object cast(uint64_t v);
};
template <>
struct Caster<bool> {
  static bool load(PyObject* o);
  static Object cast(bool v);
};
template <>
struct Caster<std::string> {
  static std::string load(PyObject* o);
  static Object cast(const std::string& v);
};
template <>
struct Caster<Object> {
  static Object load(PyObject* o) { return Object::borrow(o); }
  static Object cast(Object v) { return v; }
};

template <class T>
struct Caster<std::optional<T>> {
  static std::optional<T> load(PyObject* o) {
    if (o == nullptr || o == Py_None) return std::nullopt;
    return Caster<T>::load(o);
  }
  static Object cast(const std::optional<T>& v) {
    if (!v) return Object::borrow(Py_None);
    return Caster<T>::cast(*v);
  }
};

// Any sequence, as a fast sequence; raises TypeError otherwise.
Object as_sequence(PyObject* o);
// The same for list parameters, which refuse a str.
Object as_list_source(PyObject* o);

template <class T, std::size_t N>
struct Caster<std::array<T, N>> {
  static std::array<T, N> load(PyObject* o);
  static Object cast(const std::array<T, N>& v) {
    Object list = check(PyList_New(N));
    for (std::size_t i = 0; i < N; ++i) PyList_SET_ITEM(list.get(), i, Caster<T>::cast(v[i]).release());
    return list;
  }
};

[[noreturn]] void raise_wrong_length(std::size_t expected, Py_ssize_t got);

template <class T, std::size_t N>
std::array<T, N> Caster<std::array<T, N>>::load(PyObject* o) {
  Object seq = as_sequence(o);
  const Py_ssize_t n = PySequence_Fast_GET_SIZE(seq.get());
  if (n != static_cast<Py_ssize_t>(N)) raise_wrong_length(N, n);
  std::array<T, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = Caster<T>::load(PySequence_Fast_GET_ITEM(seq.get(), i));
  return out;
}

template <class T>
struct Caster<std::vector<T>> {
  static std::vector<T> load(PyObject* o) {
    Object seq = as_list_source(o);
    const Py_ssize_t n = PySequence_Fast_GET_SIZE(seq.get());
    std::vector<T> out;
    out.reserve(n);
    for (Py_ssize_t i = 0; i < n; ++i) out.push_back(Caster<T>::load(PySequence_Fast_GET_ITEM(seq.get(), i)));
    return out;
  }
  static Object cast(std::vector<T> v) {
    Object list = check(PyList_New(static_cast<Py_ssize_t>(v.size())));
    for (std::size_t i = 0; i < v.size(); ++i)
      PyList_SET_ITEM(list.get(), i, Caster<T>::cast(std::move(v[i])).release());
    return list;
  }
};

template <class... T>
struct Caster<std::tuple<T...>> {
  static Object cast(std::tuple<T...> v) {
    Object tuple = check(PyTuple_New(sizeof...(T)));
    fill(tuple.get(), v, std::index_sequence_for<T...>{});
    return tuple;
  }

 private:
  template <std::size_t... I>
  static void fill(PyObject* tuple, std::tuple<T...>& v, std::index_sequence<I...>) {
    (PyTuple_SET_ITEM(tuple, I, Caster<T>::cast(std::move(std::get<I>(v))).release()), ...);
  }
};

template <class A, class B>
struct Caster<std::pair<A, B>> {
  static Object cast(std::pair<A, B> v) {
    return Caster<std::tuple<A, B>>::cast(std::tuple<A, B>(std::move(v.first), std::move(v.second)));
  }
};

// Converts a Python object to T; used by operators that inspect their other operand.
template <class T>
std::optional<T> try_load(PyObject* o) {
  const T* value = instance_value<T>(o);
  if (value == nullptr) return std::nullopt;
  return *value;
}

template <class T>
Object cast(T&& value) {
  return Caster<std::decay_t<T>>::cast(std::forward<T>(value));
}

// ---------------------------------------------------------------------------------------------
// Calling C++ functions from Python

template <class F>
struct FnTraits;
template <class R, class... A>
struct FnTraits<R (*)(A...)> {
  using Ret = R;
  using Args = std::tuple<A...>;
};
template <class R, class... A>
struct FnTraits<R (*)(A...) noexcept> : FnTraits<R (*)(A...)> {};
template <class R, class C, class... A>
struct FnTraits<R (C::*)(A...) const> {
  using Ret = R;
  using Args = std::tuple<const C&, A...>;
};
template <class R, class C, class... A>
struct FnTraits<R (C::*)(A...) const noexcept> : FnTraits<R (C::*)(A...) const> {};
template <class R, class C, class... A>
struct FnTraits<R (C::*)(A...)> {
  using Ret = R;
  using Args = std::tuple<C&, A...>;
};
template <class R, class C, class... A>
struct FnTraits<R (C::*)(A...) noexcept> : FnTraits<R (C::*)(A...)> {};

// How a parameter of type A is held between conversion and the call: value parameters and
// const references get a copy (values cross the boundary by copy); a non-const reference to a
// bound class borrows the Python object's value for writing.
template <class A>
struct Argument {
  using Stored = std::remove_cvref_t<A>;
  static Stored load(PyObject* o) { return Caster<Stored>::load(o); }
  static Stored& get(Stored& stored) { return stored; }
};

template <class T>
  requires(!std::is_const_v<T>)
struct Argument<T&> {
  using Stored = T*;
  static Stored load(PyObject* o) {
    T* value = instance_value<T>(o);
    if (value == nullptr) raise_cannot_convert(o, TypeSlot<T>::name);
    return value;
  }
  static T& get(Stored stored) { return *stored; }
};

template <class A>
using Loaded = typename Argument<A>::Stored;

// Converts one named argument, re-raising a TypeError as "argument 'name': ...".
template <class A>
Loaded<A> load_argument(PyObject* o, const std::string& name) {
  try {
    return Argument<A>::load(o);
  } catch (const ErrorAlreadySet&) {
    reraise_argument_error(name);
  }
}

template <class R>
PyObject* to_python(R&& value) {
  return Caster<std::remove_cvref_t<R>>::cast(std::forward<R>(value)).release();
}

// Calls F with the receiver (if any) followed by the converted parameters.
template <auto F, bool HasReceiver>
struct Invoker {
  using Traits = FnTraits<decltype(F)>;
  using Args = typename Traits::Args;
  static constexpr std::size_t kOffset = HasReceiver ? 1 : 0;
  static constexpr std::size_t kParams = std::tuple_size_v<Args> - kOffset;

  static PyObject* call(PyObject* self, PyObject** slots, const Signature& sig) {
    return call_indexed(self, slots, sig, std::make_index_sequence<kParams>{});
  }

 private:
  template <std::size_t... I>
  static PyObject* call_indexed(PyObject* self, PyObject** slots, const Signature& sig,
                                std::index_sequence<I...>) {
    std::tuple<Loaded<std::tuple_element_t<I + kOffset, Args>>...> values{
        load_argument<std::tuple_element_t<I + kOffset, Args>>(slots[I], sig.params[I])...};
    if constexpr (HasReceiver) {
      using Receiver = std::remove_cvref_t<std::tuple_element_t<0, Args>>;
      Receiver& receiver = reinterpret_cast<Instance<Receiver>*>(self)->value();
      return finish([&]() -> decltype(auto) {
        return std::invoke(F, receiver, Argument<std::tuple_element_t<I + kOffset, Args>>::get(std::get<I>(values))...);
      });
    } else {
      (void)self;
      return finish([&]() -> decltype(auto) {
        return std::invoke(F, Argument<std::tuple_element_t<I + kOffset, Args>>::get(std::get<I>(values))...);
      });
    }
  }

  template <class Call>
  static PyObject* finish(Call&& call) {
    if constexpr (std::is_void_v<typename Traits::Ret>) {
      call();
      Py_RETURN_NONE;
    } else {
      return to_python(call());
    }
  }
};

// One Python-callable entry point per bound C++ function.
template <Text Decl, auto F, Kind K>
struct Entry {
  static constexpr bool kReceiver = K == Kind::Method;
  using Call = Invoker<F, kReceiver>;
  static inline Signature sig;

  static PyObject* fastcall(PyObject* self, PyObject* const* args, Py_ssize_t nargs,
                            PyObject* kwnames) {
    return guard(
        [&]() -> PyObject* {
          PyObject* slots[Call::kParams + 1] = {};
          extract_arguments(sig, args, nargs, kwnames, slots);
          return Call::call(self, slots, sig);
        },
        static_cast<PyObject*>(nullptr));
  }
  static PyObject* noargs(PyObject* self, PyObject*) {
    return guard([&]() -> PyObject* { return Call::call(self, nullptr, sig); },
                 static_cast<PyObject*>(nullptr));
  }

  static PyMethodDef method_def(const char* class_name) {
    sig = parse_signature(Decl.c_str(), class_name, K);
    int flags = K == Kind::Static ? METH_STATIC : 0;
    if constexpr (Call::kParams == 0) {
      return PyMethodDef{sig.name.c_str(), reinterpret_cast<PyCFunction>(&noargs),
                         flags | METH_NOARGS, sig.doc.c_str()};
    } else {
      return PyMethodDef{sig.name.c_str(), reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&fastcall)),
                         flags | METH_FASTCALL | METH_KEYWORDS, sig.doc.c_str()};
    }
  }
};

// ---------------------------------------------------------------------------------------------
// Modules

// Adds obj to module under name and appends name to the module's __all__.
void add_object(PyObject* module, const char* name, Object obj);

void add_int_constant(PyObject* module, const char* name, long value);

// Adds a function declared as "name(params)".
template <Text Decl, auto F>
void add_function(PyObject* module) {
  static PyMethodDef def = Entry<Decl, F, Kind::Function>::method_def(nullptr);
  Object module_name = check(PyModule_GetNameObject(module));
  Object function = check(PyCFunction_NewEx(&def, module, module_name.get()));
  add_object(module, def.ml_name, std::move(function));
}

template <class T>
void add_class(PyObject* module) {
  add_object(module, TypeSlot<T>::name, Object::borrow(reinterpret_cast<PyObject*>(type_of<T>())));
}

// Creates a submodule named short_name, fills it, inserts it into sys.modules under key by
// executing Python text, and adds it to parent.
Object new_submodule(const char* short_name);
void insert_submodule(PyObject* parent, Object module, const char* short_name, const char* key);

// ---------------------------------------------------------------------------------------------
// Class declarations

template <class T>
struct Slots {
  static inline bool (*eq)(const T&, const T&) = nullptr;
  static inline bool (*ne)(const T&, const T&) = nullptr;
  static inline bool (*lt)(const T&, const T&) = nullptr;
  static inline bool (*le)(const T&, const T&) = nullptr;
  static inline bool (*gt)(const T&, const T&) = nullptr;
  static inline bool (*ge)(const T&, const T&) = nullptr;
  static inline Object (*add)(const T&, PyObject*) = nullptr;
  static inline Object (*sub)(const T&, PyObject*) = nullptr;
  static inline std::string (*repr)(const T&) = nullptr;
  static inline std::string (*str)(const T&) = nullptr;
  static inline long (*to_int)(const T&) = nullptr;
};

// The pieces of a type under construction that do not depend on T.
struct TypeBuilder {
  std::string qualified_name;  // "vastorin.time.Epoch"
  std::string doc;
  std::vector<PyMethodDef> methods;
  std::vector<PyGetSetDef> getsets;
  std::vector<PyType_Slot> slots;
  std::vector<std::pair<std::string, Object>> class_attributes;

  PyTypeObject* finish(Py_ssize_t basicsize);
};

[[noreturn]] void raise_no_constructor(PyTypeObject* type);
[[noreturn]] void raise_cannot_delete();

template <class T>
class Class {
 public:
  Class(const char* name, const char* module) : name_(name) {
    builder_.qualified_name = std::string(module) + "." + name;
    builder_.slots.push_back({Py_tp_dealloc, reinterpret_cast<void*>(&dealloc)});
    builder_.slots.push_back({Py_tp_new, reinterpret_cast<void*>(&no_constructor)});
  }

  // A constructor "Class(a, b)" calling F(a, b) -> T.
  template <Text Decl, auto F>
  Class& constructor() {
    using E = Entry<Decl, F, Kind::Constructor>;
    E::sig = parse_signature(Decl.c_str(), name_, Kind::Constructor);
    builder_.doc = E::sig.doc;
    builder_.slots[1] = {Py_tp_new, reinterpret_cast<void*>(&construct<E>)};
    return *this;
  }

  // A method "name(a, b)" calling F(self, a, b) or self.F(a, b).
  template <Text Decl, auto F>
  Class& method() {
    builder_.methods.push_back(Entry<Decl, F, Kind::Method>::method_def(name_));
    return *this;
  }

  template <Text Decl, auto F>
  Class& static_method() {
    builder_.methods.push_back(Entry<Decl, F, Kind::Static>::method_def(name_));
    return *this;
  }

  // A read-only attribute whose value is F(self), or the data member F.
  template <Text Name, auto F>
  Class& readonly() {
    builder_.getsets.push_back({Name.c_str(), &getter<F>, nullptr, nullptr, nullptr});
    return *this;
  }

  // A read-write attribute: Get(self) reads, Set(self, value) writes.
  template <Text Name, auto Get, auto Set>
  Class& readwrite() {
    builder_.getsets.push_back({Name.c_str(), &getter<Get>, &setter<Name, Set>, nullptr, nullptr});
    return *this;
  }

  // A read-write attribute backed by the data member M.
  template <Text Name, auto M>
  Class& field() {
    builder_.getsets.push_back({Name.c_str(), &getter<M>, &member_setter<Name, M>, nullptr, nullptr});
    return *this;
  }

  // An attribute that can be assigned but not read.
  template <Text Name, auto Set>
  Class& writeonly() {
    builder_.getsets.push_back({Name.c_str(), nullptr, &setter<Name, Set>, nullptr, nullptr});
    return *this;
  }

  // == and != by the given functions; instances become unhashable.
  Class& equality(bool (*eq)(const T&, const T&), bool (*ne)(const T&, const T&)) {
    Slots<T>::eq = eq;
    Slots<T>::ne = ne;
    return *this;
  }
  Class& ordering(bool (*lt)(const T&, const T&), bool (*le)(const T&, const T&),
                  bool (*gt)(const T&, const T&), bool (*ge)(const T&, const T&)) {
    Slots<T>::lt = lt;
    Slots<T>::le = le;
    Slots<T>::gt = gt;
    Slots<T>::ge = ge;
    return *this;
  }
  // self + other and self - other; F returns bind::not_implemented() for operands it does
  // not handle.
  Class& add(Object (*f)(const T&, PyObject*)) {
    Slots<T>::add = f;
    return *this;
  }
  Class& subtract(Object (*f)(const T&, PyObject*)) {
    Slots<T>::sub = f;
    return *this;
  }
  Class& repr(std::string (*f)(const T&)) {
    Slots<T>::repr = f;
    return *this;
  }
  Class& str(std::string (*f)(const T&)) {
    Slots<T>::str = f;
    return *this;
  }
  Class& to_int(long (*f)(const T&)) {
    Slots<T>::to_int = f;
    return *this;
  }

  // A class attribute holding an instance of T, created with the class.
  Class& instance_attribute(const char* name, T value) {
    pending_instances_.emplace_back(name, std::move(value));
    return *this;
  }

  PyTypeObject* finish() {
    add_slot_if(Slots<T>::eq || Slots<T>::ne || Slots<T>::lt, Py_tp_richcompare, &richcompare);
    if (Slots<T>::eq) builder_.slots.push_back({Py_tp_hash, reinterpret_cast<void*>(&PyObject_HashNotImplemented)});
    add_slot_if(Slots<T>::add, Py_nb_add, &binary<&Slots<T>::add>);
    add_slot_if(Slots<T>::sub, Py_nb_subtract, &binary<&Slots<T>::sub>);
    add_slot_if(Slots<T>::repr, Py_tp_repr, &text<&Slots<T>::repr>);
    add_slot_if(Slots<T>::str, Py_tp_str, &text<&Slots<T>::str>);
    add_slot_if(Slots<T>::to_int, Py_nb_int, &integer);
    PyTypeObject* type = builder_.finish(sizeof(Instance<T>));
    if (type == nullptr) return nullptr;
    TypeSlot<T>::type = type;
    for (auto& [name, value] : pending_instances_) {
      Object member = make_instance<T>(std::move(value), type);
      if (PyDict_SetItemString(type->tp_dict, name, member.get()) < 0) return nullptr;
    }
    PyType_Modified(type);
    return type;
  }

 private:
  template <class F>
  void add_slot_if(bool present, int slot, F* function) {
    if (present) builder_.slots.push_back({slot, reinterpret_cast<void*>(function)});
  }

  static void dealloc(PyObject* self) {
    auto* inst = reinterpret_cast<Instance<T>*>(self);
    if (inst->alive) {
      inst->alive = false;
      try {
        inst->value().~T();
      } catch (...) {
        translate_current_exception();
        PyErr_WriteUnraisable(self);
      }
    }
    PyTypeObject* type = Py_TYPE(self);
    type->tp_free(self);
    Py_DECREF(type);
  }

  static PyObject* no_constructor(PyTypeObject* type, PyObject*, PyObject*) {
    return guard([&]() -> PyObject* { raise_no_constructor(type); }, static_cast<PyObject*>(nullptr));
  }

  template <class E>
  static PyObject* construct(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
    return guard(
        [&]() -> PyObject* {
          // Lay the tuple and dict out as a vectorcall: positional values, then keyword values
          // named by a tuple of keyword names.
          const Py_ssize_t nargs = PyTuple_GET_SIZE(args);
          std::vector<PyObject*> vector(&PyTuple_GET_ITEM(args, 0), &PyTuple_GET_ITEM(args, 0) + nargs);
          Object kwnames;
          if (kwargs != nullptr && PyDict_GET_SIZE(kwargs) > 0) {
            kwnames = check(PyTuple_New(PyDict_GET_SIZE(kwargs)));
            Py_ssize_t pos = 0, i = 0;
            PyObject *key, *value;
            while (PyDict_Next(kwargs, &pos, &key, &value)) {
              PyTuple_SET_ITEM(kwnames.get(), i++, Py_NewRef(key));
              vector.push_back(value);
            }
          }
          PyObject* slots[E::Call::kParams + 1] = {};
          extract_arguments(E::sig, vector.data(), nargs, kwnames.get(), slots);
          (void)type;  // the classes are final: type is always T's class
          return E::Call::call(nullptr, slots, E::sig);
        },
        static_cast<PyObject*>(nullptr));
  }

  template <auto F>
  static PyObject* getter(PyObject* self, void*) {
    return guard(
        [&]() -> PyObject* {
          T& value = reinterpret_cast<Instance<T>*>(self)->value();
          return to_python(std::invoke(F, value));
        },
        static_cast<PyObject*>(nullptr));
  }

  template <Text Name, auto Set>
  static int setter(PyObject* self, PyObject* value, void*) {
    return guard(
        [&]() -> int {
          if (value == nullptr) raise_cannot_delete();
          using Value = std::tuple_element_t<1, typename FnTraits<decltype(Set)>::Args>;
          auto loaded = load_argument<Value>(value, Name.c_str());
          std::invoke(Set, reinterpret_cast<Instance<T>*>(self)->value(), std::move(loaded));
          return 0;
        },
        -1);
  }

  template <Text Name, auto M>
  static int member_setter(PyObject* self, PyObject* value, void*) {
    return guard(
        [&]() -> int {
          if (value == nullptr) raise_cannot_delete();
          using Value = std::remove_cvref_t<decltype(std::declval<T&>().*M)>;
          reinterpret_cast<Instance<T>*>(self)->value().*M = load_argument<Value>(value, Name.c_str());
          return 0;
        },
        -1);
  }

  static PyObject* richcompare(PyObject* a, PyObject* b, int op) {
    return guard(
        [&]() -> PyObject* {
          T* left = instance_value<T>(a);
          T* right = instance_value<T>(b);
          bool (*f)(const T&, const T&) = nullptr;
          switch (op) {
            case Py_EQ: f = Slots<T>::eq; break;
            case Py_NE: f = Slots<T>::ne; break;
            case Py_LT: f = Slots<T>::lt; break;
            case Py_LE: f = Slots<T>::le; break;
            case Py_GT: f = Slots<T>::gt; break;
            case Py_GE: f = Slots<T>::ge; break;
          }
          if (left == nullptr || right == nullptr || f == nullptr) return not_implemented().release();
          return Py_NewRef(f(*left, *right) ? Py_True : Py_False);
        },
        static_cast<PyObject*>(nullptr));
  }

  template <Object (**F)(const T&, PyObject*)>
  static PyObject* binary(PyObject* a, PyObject* b) {
    return guard(
        [&]() -> PyObject* {
          T* left = instance_value<T>(a);
          if (left == nullptr) return not_implemented().release();
          return (*F)(*left, b).release();
        },
        static_cast<PyObject*>(nullptr));
  }

  template <std::string (**F)(const T&)>
  static PyObject* text(PyObject* self) {
    return guard(
        [&]() -> PyObject* {
          return to_python((*F)(reinterpret_cast<Instance<T>*>(self)->value()));
        },
        static_cast<PyObject*>(nullptr));
  }

  static PyObject* integer(PyObject* self) {
    return guard(
        [&]() -> PyObject* {
          return PyLong_FromLong(Slots<T>::to_int(reinterpret_cast<Instance<T>*>(self)->value()));
        },
        static_cast<PyObject*>(nullptr));
  }

  const char* name_;
  TypeBuilder builder_;
  std::vector<std::pair<const char*, T>> pending_instances_;
};

template <class T>
PyTypeObject* type_of() {
  if (TypeSlot<T>::type == nullptr) {
    if (TypeSlot<T>::declare == nullptr) throw InternalError("class used before it was declared");
    Class<T> cls(TypeSlot<T>::name, TypeSlot<T>::module);
    TypeSlot<T>::declare(cls);
    if (cls.finish() == nullptr) throw ErrorAlreadySet{};
  }
  return TypeSlot<T>::type;
}

}  // namespace vastorin::bind

// Declares the Python class of the C++ type `Type`: the block that follows receives
// `bind::Class<Type>& cls` and adds one member per line.
#define VASTORIN_CLASS(Type, Name, Module)                                                 \
  static void vastorin_declare_##Type(::vastorin::bind::Class<Type>& cls);                  \
  [[maybe_unused]] static const bool vastorin_registered_##Type =                            \
      ::vastorin::bind::register_class<Type>(Name, Module, &vastorin_declare_##Type);        \
  static void vastorin_declare_##Type(::vastorin::bind::Class<Type>& cls)

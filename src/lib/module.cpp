// The extension module: load-time initializer, init function and thread-count functions.
#include "binding/bind.h"
#include "enums/saal_key_mode.h"
#include "lib/registration.h"
#include "lib/thread_pool.h"
#include "saal/main_interface.h"

namespace vastorin {

namespace {

// Runs when the dynamic linker loads the library, before Python calls the init function: the
// engine works in direct-memory-access key mode so that every copy of an element set can be
// loaded under its own key. A failure here has nowhere to go and is dropped; the key mode
// can still be set later from Python.
__attribute__((constructor)) void set_key_mode_at_load() {
  (void)saal::set_key_mode(SAALKeyMode::DirectMemoryAccess);
}

std::size_t get_thread_count() { return pool::thread_count(); }

void set_thread_count(std::size_t count) { pool::set_thread_count(count); }


PyModuleDef g_definition = {PyModuleDef_HEAD_INIT, "_vastorin", nullptr, 0, nullptr,
                            nullptr,               nullptr,      nullptr, nullptr};

// The module is built once per process; later imports get the same object.
PyObject* g_module = nullptr;
PyInterpreterState* g_interpreter = nullptr;

void module_body(PyObject* module) {
  bind::add_function<"get_thread_count()", &get_thread_count>(module);
  bind::add_function<"set_thread_count(count)", &set_thread_count>(module);
  register_saal(module);
  register_obs_interface(module);
  register_astro_func_interface(module);
  register_time_func_interface(module);
  register_enums(module);
  register_time(module);
  register_elements(module);
  register_propagation(module);
  register_catalogs(module);
  register_bodies(module);
  register_events(module);
  register_estimation(module);
  register_exceptions(module);
  add_test_hooks(module);
}

PyObject* init_module() {
  PyInterpreterState* interpreter = PyInterpreterState_Get();
  if (g_interpreter != nullptr && g_interpreter != interpreter) {
    PyErr_SetString(PyExc_ImportError,
                    "vastorin._vastorin does not support sub-interpreters: it is already loaded "
                    "in another interpreter of this process");
    return nullptr;
  }
  if (g_module != nullptr) return Py_NewRef(g_module);

  PyObject* module = PyModule_Create(&g_definition);
  if (module == nullptr) return nullptr;
#ifdef Py_GIL_DISABLED
  PyUnstable_Module_SetGIL(module, Py_MOD_GIL_USED);
#endif
  const bool built = bind::guard(
      [&] {
        module_body(module);
        return true;
      },
      false);
  if (!built) {
    Py_DECREF(module);
    return nullptr;
  }
  g_interpreter = interpreter;
  g_module = module;
  return Py_NewRef(module);
}

}  // namespace

}  // namespace vastorin

PyMODINIT_FUNC PyInit__vastorin(void) { return vastorin::init_module(); }

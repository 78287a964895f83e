// The registration routines of the thirteen submodules, in the order the module body runs
// them. Each creates its submodule, fills it, inserts it into sys.modules and adds it to the
// parent module.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace vastorin {

void register_saal(PyObject* parent);
void register_obs_interface(PyObject* parent);
void register_astro_func_interface(PyObject* parent);
void register_time_func_interface(PyObject* parent);
void register_enums(PyObject* parent);
void register_time(PyObject* parent);
void register_elements(PyObject* parent);
void register_propagation(PyObject* parent);
void register_catalogs(PyObject* parent);
void register_bodies(PyObject* parent);
void register_events(PyObject* parent);
void register_estimation(PyObject* parent);
void register_exceptions(PyObject* parent);

// Private functions for the tests, attributes of the top-level module outside its __all__.
void add_test_hooks(PyObject* module);

}  // namespace vastorin

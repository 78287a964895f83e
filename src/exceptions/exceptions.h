// The exception classes the system adds to Python's own.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace vastorin {

// vastorin.exceptions.SAALError: raised when the engine cannot load a time-constants file.
// Created on first use; borrowed reference, or null with a Python error set.
PyObject* saal_error_type();

// vastorin.exceptions.InternalError: raised when an internal expectation fails. It derives
// from BaseException, so `except Exception` does not swallow it.
PyObject* internal_error_type();

}  // namespace vastorin

"""The extension module: registration, sys.modules, __all__, exceptions, thread pool."""

import importlib.util
import sys

import pytest

import vastorin
from vastorin import _vastorin
from vastorin.exceptions import InternalError, SAALError

from conftest import run_python

SUBMODULES = [
    ("saal", "vastorin._vastorin.saal"),
    ("obs_interface", "vastorin._vastorin.saal.obs_interface"),
    ("astro_func_interface", "vastorin._vastorin.saal.astro_func_interface"),
    ("time_func_interface", "vastorin._vastorin.saal.time_func_interface"),
    ("enums", "vastorin._vastorin.enums"),
    ("time", "vastorin._vastorin.time"),
    ("elements", "vastorin._vastorin.elements"),
    ("propagation", "vastorin._vastorin.propagation"),
    ("catalogs", "vastorin._vastorin.catalogs"),
    ("bodies", "vastorin._vastorin.bodies"),
    ("events", "vastorin._vastorin.events"),
    ("estimation", "vastorin._vastorin.estimation"),
    ("exceptions", "vastorin._vastorin.exceptions"),
]


def test_all_lists_functions_then_submodules_in_registration_order():
    assert _vastorin.__all__ == ["get_thread_count", "set_thread_count"] + [
        short for short, _ in SUBMODULES
    ]


@pytest.mark.parametrize("short, key", SUBMODULES)
def test_submodules_are_attributes_and_in_sys_modules(short, key):
    module = getattr(_vastorin, short)
    assert sys.modules[key] is module
    assert module.__name__ == short


def test_interface_submodules_import_through_sys_modules():
    import vastorin._vastorin.saal.obs_interface  # noqa: F401 - found through sys.modules

    assert sys.modules["vastorin._vastorin.saal.obs_interface"] is _vastorin.obs_interface
    assert not hasattr(_vastorin.saal, "obs_interface")


def test_second_initialisation_returns_the_same_module():
    spec = importlib.util.find_spec("vastorin._vastorin")
    assert importlib.util.module_from_spec(spec) is _vastorin


def test_exception_classes():
    assert issubclass(SAALError, Exception)
    assert SAALError.__module__ == "vastorin.exceptions"
    assert SAALError.__name__ == "SAALError"
    assert SAALError.__doc__ is None
    assert _vastorin.exceptions.__all__ == ["SAALError"]
    assert issubclass(InternalError, BaseException)
    assert not issubclass(InternalError, Exception)


def test_internal_error_passes_except_exception():
    with pytest.raises(InternalError):
        try:
            vastorin.time.TimeComponents.from_iso("not a date")
        except Exception:  # noqa: BLE001 - the point is that this does not catch it
            pytest.fail("InternalError was caught by except Exception")


def test_thread_count_functions_have_text_signatures():
    assert _vastorin.get_thread_count.__text_signature__ == "()"
    assert _vastorin.set_thread_count.__text_signature__ == "(count)"
    assert _vastorin.get_thread_count.__doc__ is None


def test_set_thread_count_once_per_process():
    result = run_python("""
        import vastorin
        from vastorin.exceptions import InternalError
        assert vastorin.set_thread_count(4) is None
        assert vastorin.get_thread_count() == 4
        try:
            vastorin.set_thread_count(2)
        except InternalError as error:
            print("refused:", error)
        assert vastorin.get_thread_count() == 4
    """)
    assert result.returncode == 0, result.stderr
    assert "already been initialized" in result.stdout


def test_get_thread_count_creates_the_default_pool():
    result = run_python("""
        import os
        import vastorin
        from vastorin.exceptions import InternalError
        assert vastorin.get_thread_count() == len(os.sched_getaffinity(0))
        try:
            vastorin.set_thread_count(1)
        except InternalError:
            print("refused")
    """)
    assert result.returncode == 0, result.stderr
    assert result.stdout.strip() == "refused"


@pytest.mark.parametrize("count, error", [(-1, OverflowError), ("4", TypeError), (2.0, TypeError)])
def test_set_thread_count_argument_errors(count, error):
    # Conversion fails before the pool is touched, so the shared pool is not created here.
    with pytest.raises(error):
        vastorin.set_thread_count(count)


def test_set_thread_count_zero_takes_the_default_size():
    result = run_python("""
        import os
        import vastorin
        vastorin.set_thread_count(0)
        print(vastorin.get_thread_count() == len(os.sched_getaffinity(0)))
    """)
    assert result.returncode == 0, result.stderr
    assert result.stdout.strip() == "True"


def test_key_mode_after_import_is_direct_memory_access():
    result = run_python("""
        from vastorin import saal
        print(repr(saal.get_key_mode()))
    """)
    assert result.stdout.strip() == "SAALKeyMode.DirectMemoryAccess"


def test_second_subinterpreter_cannot_import():
    testcapi = pytest.importorskip("_testcapi")
    code = (
        "try:\n"
        "    import vastorin._vastorin\n"
        "except ImportError as error:\n"
        "    open(PATH, 'w').write('ImportError')\n"
    )
    import tempfile

    with tempfile.NamedTemporaryFile("r", suffix=".txt") as handle:
        status = testcapi.run_in_subinterp(code.replace("PATH", repr(handle.name)))
        assert status == 0
        assert handle.read() == "ImportError"

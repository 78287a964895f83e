"""The type stubs declare every public name of the compiled module."""

import ast
import importlib
from pathlib import Path

import pytest

import vastorin

PACKAGE = Path(vastorin.__file__).parent
MODULES = ["enums", "time", "elements", "propagation", "catalogs", "bodies", "events",
           "estimation", "exceptions", "saal", "saal.time_func_interface",
           "saal.astro_func_interface", "saal.obs_interface"]


def stub_of(module_name: str) -> dict[str, set[str] | None]:
    """Top-level names of a stub; classes map to the names they declare."""
    path = PACKAGE / (module_name.replace(".", "/") + ".pyi")
    if not path.exists():
        path = PACKAGE / module_name.replace(".", "/") / "__init__.pyi"
    names: dict[str, set[str] | None] = {}
    for node in ast.parse(path.read_text()).body:
        if isinstance(node, ast.ClassDef):
            members = set()
            for item in node.body:
                if isinstance(item, (ast.FunctionDef, ast.AsyncFunctionDef)):
                    members.add(item.name)
                elif isinstance(item, ast.AnnAssign) and isinstance(item.target, ast.Name):
                    members.add(item.target.id)
                elif isinstance(item, ast.Assign):
                    members.update(t.id for t in item.targets if isinstance(t, ast.Name))
            names[node.name] = members
        elif isinstance(node, (ast.FunctionDef, ast.AsyncFunctionDef)):
            names[node.name] = None
        elif isinstance(node, ast.AnnAssign) and isinstance(node.target, ast.Name):
            names[node.target.id] = None
    return names


@pytest.mark.parametrize("module_name", MODULES)
def test_stub_declares_every_public_name(module_name):
    module = importlib.import_module(f"vastorin.{module_name}")
    stub = stub_of(module_name)
    for name in module.__all__:
        assert name in stub, f"{module_name}.{name} missing from the stub"
        obj = getattr(module, name)
        if isinstance(obj, type) and stub[name] is not None and not issubclass(obj, BaseException):
            public = {m for m in vars(obj) if not m.startswith("_")}
            assert public <= stub[name], f"{module_name}.{name}: {public - stub[name]} not in the stub"

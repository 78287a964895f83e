import subprocess
import sys
import textwrap
from pathlib import Path

import pytest

# Real data shared beside the repository (../shared/data from the repository root).
DATA_DIR = Path(__file__).resolve().parents[1].parent / "shared" / "data"


def data_file(name: str) -> Path:
    path = DATA_DIR / name
    if not path.is_file():
        pytest.skip(f"shared data file {name} is not available")
    return path


def run_python(code: str) -> subprocess.CompletedProcess:
    """Runs code in a fresh interpreter, so that process-wide state (the thread pool, the
    engine's key mode) starts as it does after import. -P keeps the working directory (perhaps
    the source tree) off sys.path, so the installed package is the one imported."""
    return subprocess.run([sys.executable, "-P", "-c", textwrap.dedent(code)],
                          capture_output=True, text=True, timeout=120)

"""The demo runs on the sample the package ships."""

import subprocess
import sys
from pathlib import Path

import vastorin

DEMO = Path(__file__).resolve().parents[1] / "examples" / "demo.py"


def test_demo_on_the_shipped_sample():
    sample = Path(vastorin.__file__).parent / "data" / "sample.tle"
    result = subprocess.run([sys.executable, "-P", str(DEMO), str(sample)], capture_output=True, text=True,
                            timeout=120, cwd=DEMO.parent)
    assert result.returncode == 0, result.stderr
    assert "6 element sets from sample.tle" in result.stdout
    assert "SAMPLE LEO STATION at" in result.stdout

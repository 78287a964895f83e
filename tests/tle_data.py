"""Readers for the shared element-set files, independent of vastorin."""

from pathlib import Path

import pytest

from conftest import DATA_DIR, data_file


def three_line_sets(name: str) -> list[tuple[str, str, str]]:
    """(name line, line 1, line 2) of every set in a three-line file."""
    lines = [line.rstrip("\r\n") for line in Path(data_file(name)).read_text().splitlines() if line.strip()]
    return [(lines[i], lines[i + 1], lines[i + 2]) for i in range(0, len(lines) - 2, 3)]


def verification_cases() -> list:
    """(line 1, line 2 cut at column 69, start, stop, step minutes) of the SGP4 verification set,
    as test parameters; one skipped parameter when the file is not available."""
    path = DATA_DIR / "SGP4-VER.TLE"
    if not path.is_file():
        return [pytest.param(None, marks=pytest.mark.skip(reason="SGP4-VER.TLE is not available"))]
    cases = []
    lines = [line.rstrip() for line in path.read_text().splitlines()]
    lines = [line for line in lines if line and not line.startswith("#")]
    for first, second in zip(lines[::2], lines[1::2]):
        start, stop, step = (float(x) for x in second[69:].split())
        cases.append(pytest.param((first, second[:69], start, stop, step), id=first[2:7]))
    return cases


def checksum(line: str) -> int:
    return sum(int(c) if c.isdigit() else 1 if c == "-" else 0 for c in line[:68]) % 10

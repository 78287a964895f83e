"""SGP4 throughput on one core: vastorin against python sgp4, on the same element sets and times.

    .venv/bin/python bench/bench_sgp4.py [number of sets]

Reads the real catalog in ../shared/data. Prints propagations per second for:
  - vastorin, one InertialPropagator.get_cartesian_state_at_epoch call per state;
  - python sgp4, one Satrec.sgp4_tsince call per state (the same per-call shape);
  - python sgp4, SatrecArray.sgp4 over all sets and times in one vectorised call;
and the ratios, all measured in this one run.
"""

import os
import sys
import time
from pathlib import Path

# One core for everyone: NumPy's BLAS threads would otherwise spin on the other core.
os.environ.setdefault("OPENBLAS_NUM_THREADS", "1")

import numpy as np  # noqa: E402
from sgp4.api import WGS72, Satrec, SatrecArray  # noqa: E402

from vastorin.elements import TLE  # noqa: E402
from vastorin.enums import TimeSystem  # noqa: E402
from vastorin.propagation import InertialPropagator  # noqa: E402
from vastorin.time import Epoch  # noqa: E402

CATALOG = Path(__file__).resolve().parents[1].parent / "shared" / "data" / "catalog_3le_2023-09.txt"
OFFSETS_DAYS = [k * 0.25 for k in range(-12, 13)]  # -3 to +3 days every 6 hours
JD_OF_DS50_ZERO = 2433281.5


def read_sets(limit):
    lines = [line for line in CATALOG.read_text().splitlines() if line.strip()]
    return [(lines[i + 1], lines[i + 2]) for i in range(0, len(lines) - 2, 3)][:limit]


def best_of(repeats, run):
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        run()
        best = min(best, time.perf_counter() - start)
    return best


def main():
    if not CATALOG.is_file():
        sys.exit(f"catalog not found: {CATALOG}")
    limit = int(sys.argv[1]) if len(sys.argv) > 1 else 5000
    sets = read_sets(limit)
    count = len(sets) * len(OFFSETS_DAYS)

    # One absolute time grid for every set: the catalog's snapshot day, -3 to +3 days every 6 h.
    satellites = [Satrec.twoline2rv(l1, l2, WGS72) for l1, l2 in sets]
    centre_jd = float(np.median([sat.jdsatepoch + sat.jdsatepochF for sat in satellites]))
    grid_ds50 = [centre_jd - JD_OF_DS50_ZERO + d for d in OFFSETS_DAYS]

    propagators = [InertialPropagator.from_tle(TLE.from_lines(l1, l2)) for l1, l2 in sets]
    epochs = [Epoch.from_days_since_1950(t, TimeSystem.UTC) for t in grid_ds50]

    def ours():
        for propagator in propagators:
            for epoch in epochs:
                propagator.get_cartesian_state_at_epoch(epoch)

    def reference_per_call():
        for sat in satellites:
            epoch = sat.jdsatepoch + sat.jdsatepochF - JD_OF_DS50_ZERO
            for t in grid_ds50:
                sat.sgp4_tsince((t - epoch) * 1440.0)

    array = SatrecArray(satellites)
    jd = np.full(len(grid_ds50), JD_OF_DS50_ZERO)
    fr = np.array(grid_ds50)

    def reference_vectorised():
        array.sgp4(jd, fr)

    # Interleaved rounds, best of each, so that a slow moment of the machine hits all three.
    ours_s = per_call_s = vectorised_s = float("inf")
    for _ in range(5):
        ours_s = min(ours_s, best_of(1, ours))
        per_call_s = min(per_call_s, best_of(1, reference_per_call))
        vectorised_s = min(vectorised_s, best_of(1, reference_vectorised))

    print(f"{len(sets)} element sets x {len(OFFSETS_DAYS)} times = {count} states, one core")
    print(f"  vastorin per call           {count / ours_s:12,.0f} /s")
    print(f"  python sgp4 per call        {count / per_call_s:12,.0f} /s")
    print(f"  python sgp4 SatrecArray     {count / vectorised_s:12,.0f} /s")
    print(f"  ratio vastorin / sgp4 per call    {per_call_s / ours_s:6.2f}")
    print(f"  ratio vastorin / SatrecArray      {vectorised_s / ours_s:6.2f}")


if __name__ == "__main__":
    main()

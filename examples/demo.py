"""A tour of vastorin on a real catalog: reading element sets, propagating them with SGP4,
converting frames, times and elements.

Reads the file given on the command line; without one, the full public catalog in
../shared/data when it is there, else the small sample of synthetic element sets that the
package ships.
"""

import sys
import time
from collections import Counter
from pathlib import Path

import vastorin
from vastorin import bodies, saal
from vastorin.elements import TLE
from vastorin.enums import KeplerianType, ReferenceFrame, TimeSystem
from vastorin.propagation import InertialPropagator
from vastorin.saal import astro_func_interface as astro
from vastorin.time import Epoch, TimeSpan

CATALOG = Path(__file__).resolve().parents[1].parent / "shared" / "data" / "catalog_3le_2023-09.txt"
SAMPLE = Path(vastorin.__file__).parent / "data" / "sample.tle"


def read_three_line_file(path: Path) -> list[tuple[str, str, str]]:
    lines = [line.rstrip("\r\n") for line in path.read_text().splitlines() if line.strip()]
    return [(lines[i], lines[i + 1], lines[i + 2]) for i in range(0, len(lines) - 2, 3)]


def show_state(label: str, state) -> None:
    p, v = state.position, state.velocity
    print(f"    {label:<6} r = ({p.x:12.3f}, {p.y:12.3f}, {p.z:12.3f}) km   "
          f"v = ({v.x:9.5f}, {v.y:9.5f}, {v.z:9.5f}) km/s")


def main() -> None:
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else CATALOG if CATALOG.is_file() else SAMPLE
    print(f"vastorin on Python {sys.version.split()[0]}: {vastorin.get_thread_count()} worker threads, "
          f"engine key mode {saal.get_key_mode()}")
    print(f"Earth model: equatorial radius {bodies.Earth.get_equatorial_radius()} km, "
          f"ke {bodies.Earth.get_ke()} per minute")

    start = time.perf_counter()
    records = [TLE.from_lines(*lines) for lines in read_three_line_file(path)]
    elapsed = time.perf_counter() - start
    print(f"\n{len(records)} element sets from {path.name} read in {elapsed * 1000:.0f} ms")
    kinds = Counter("deep space" if tle.mean_motion < 6.4 else "near Earth" for tle in records)
    print("    " + ", ".join(f"{count} {kind}" for kind, count in sorted(kinds.items())))

    epochs = sorted(tle.epoch.days_since_1950 for tle in records)
    snapshot = Epoch.from_days_since_1950(epochs[len(epochs) // 2], TimeSystem.UTC)
    print(f"    median epoch {snapshot.to_iso()} UTC ({snapshot.to_dtg_20()})")

    start = time.perf_counter()
    propagators = [InertialPropagator.from_tle(tle) for tle in records]
    target = snapshot + TimeSpan.from_days(1)
    states = [p.get_cartesian_state_at_epoch(target) for p in propagators]
    elapsed = time.perf_counter() - start
    decayed = sum(state is None for state in states)
    print(f"\nSGP4 to {target.to_iso()}: {len(states) - decayed} states, {decayed} sets decayed or "
          f"failed, {elapsed * 1000:.0f} ms")

    tle = next((t for t in records if t.norad_id == 25544), records[0])
    state = InertialPropagator.from_tle(tle).get_cartesian_state_at_epoch(target)
    print(f"\n{tle.name or tle.norad_id} at {target.to_iso()} UTC:")
    for frame in (ReferenceFrame.TEME, ReferenceFrame.J2000, ReferenceFrame.EFG, ReferenceFrame.ECR):
        show_state(frame.value, state.to_frame(frame))
    lat, lon, height = astro.time_teme_to_lla(target.days_since_1950,
                                              [state.position.x, state.position.y, state.position.z])
    print(f"    geodetic {lat:.4f} deg, {lon:.4f} deg, {height:.3f} km")
    osculating = state.to_keplerian()
    print(f"    osculating a = {osculating.semi_major_axis:.3f} km, e = {osculating.eccentricity:.6f}, "
          f"i = {osculating.inclination:.4f} deg; mean motion {tle.mean_motion:.8f} rev/day "
          f"({KeplerianType.MeanKozaiGP})")
    print(f"    regenerated lines:\n      {tle.lines[0]}\n      {tle.lines[1]}")

    def seconds_after_utc(system: TimeSystem) -> float:
        return TimeSpan.from_days(target.to_system(system).days_since_1950 - target.days_since_1950).in_seconds()

    print(f"\ntime systems at that instant: TAI - UTC = {seconds_after_utc(TimeSystem.TAI):.3f} s, "
          f"TT - UTC = {seconds_after_utc(TimeSystem.TT):.3f} s, "
          f"GMST 1982 {target.to_fk5_greenwich_angle():.6f} rad")


if __name__ == "__main__":
    main()

"""A short tour of vastorin: the module, its submodules, the thread pool, time spans and
calendar text."""

import sys

import vastorin
from vastorin import bodies, enums, saal, time


def main() -> None:
    print(f"vastorin on Python {sys.version.split()[0]}")
    print("submodules:", ", ".join(name for name in vastorin._vastorin.__all__
                                   if not name.endswith("thread_count")))
    print("worker threads:", vastorin.get_thread_count())
    print("engine key mode:", saal.get_key_mode())
    print(f"Earth: equatorial radius {bodies.Earth.get_equatorial_radius()} km, "
          f"ke {bodies.Earth.get_ke()} per minute")

    step = time.TimeSpan.from_minutes(90)
    print(f"an orbit of 90 minutes is {step.in_hours()} h, {step.in_days():.6f} days, "
          f"{step.in_seconds():.0f} s")

    components = time.TimeComponents.from_iso("2024-03-05T07:08:09.125Z")
    print("parsed:", repr(components))
    print("written:", components.to_iso())
    print("time systems:", ", ".join(repr(member) for member in
                                     (enums.TimeSystem.UTC, enums.TimeSystem.TAI,
                                      enums.TimeSystem.UT1, enums.TimeSystem.TT)))


if __name__ == "__main__":
    main()

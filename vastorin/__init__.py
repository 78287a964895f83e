"""vastorin: two-line element sets, SGP4, time systems and frames for Earth-orbiting satellites.

The compiled core is ``vastorin._vastorin``; the submodules here re-export its parts.
"""

from vastorin._vastorin import get_thread_count, set_thread_count
from vastorin import (
    bodies,
    catalogs,
    elements,
    enums,
    estimation,
    events,
    exceptions,
    propagation,
    saal,
    time,
)

__all__ = [
    "get_thread_count",
    "set_thread_count",
    "saal",
    "enums",
    "time",
    "elements",
    "propagation",
    "catalogs",
    "bodies",
    "events",
    "estimation",
    "exceptions",
]

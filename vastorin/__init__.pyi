from vastorin import bodies as bodies
from vastorin import catalogs as catalogs
from vastorin import elements as elements
from vastorin import enums as enums
from vastorin import estimation as estimation
from vastorin import events as events
from vastorin import exceptions as exceptions
from vastorin import propagation as propagation
from vastorin import saal as saal
from vastorin import time as time

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

def get_thread_count() -> int: ...
def set_thread_count(count: int) -> None: ...

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
from vastorin.saal import astro_func_interface as astro_func_interface
from vastorin.saal import obs_interface as obs_interface
from vastorin.saal import time_func_interface as time_func_interface

def get_thread_count() -> int: ...
def set_thread_count(count: int) -> None: ...

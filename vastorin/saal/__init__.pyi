from vastorin.enums import SAALKeyMode
from vastorin.saal import astro_func_interface as astro_func_interface
from vastorin.saal import obs_interface as obs_interface
from vastorin.saal import time_func_interface as time_func_interface

__all__ = ["get_key_mode", "set_key_mode"]

def get_key_mode() -> SAALKeyMode: ...
def set_key_mode(key_mode: SAALKeyMode) -> None: ...

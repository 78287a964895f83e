"""The engine's key mode and thin wrappers over its time, frame and observation functions."""

from vastorin._vastorin import saal as _compiled
from vastorin._vastorin.saal import *  # noqa: F403

from vastorin.saal import astro_func_interface, obs_interface, time_func_interface

__all__ = list(getattr(_compiled, "__all__", ()))

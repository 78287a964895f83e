"""Thin wrappers over the engine's frame and topocentric functions, on raw day counts and arrays."""

import sys

from vastorin._vastorin.saal.astro_func_interface import *  # noqa: F403

__all__ = list(getattr(sys.modules["vastorin._vastorin.saal.astro_func_interface"], "__all__", ()))

"""Thin wrappers over the engine's observation-card functions, on raw day counts and arrays."""

import sys

from vastorin._vastorin.saal.obs_interface import *  # noqa: F403

__all__ = list(getattr(sys.modules["vastorin._vastorin.saal.obs_interface"], "__all__", ()))

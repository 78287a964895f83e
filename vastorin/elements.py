"""Vectors, states, orbital elements, TLE records and ephemerides."""

from vastorin._vastorin import elements as _compiled
from vastorin._vastorin.elements import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

"""Satellites, constellations, ground sites, sensors and the Earth model."""

from vastorin._vastorin import bodies as _compiled
from vastorin._vastorin.bodies import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

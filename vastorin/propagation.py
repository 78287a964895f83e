"""Force properties and the SGP4 propagator."""

from vastorin._vastorin import propagation as _compiled
from vastorin._vastorin.propagation import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

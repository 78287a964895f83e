"""Enumerations: time systems, frames, element theories, classifications and more."""

from vastorin._vastorin import enums as _compiled
from vastorin._vastorin.enums import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

"""Instants, calendar records and durations."""

from vastorin._vastorin import time as _compiled
from vastorin._vastorin.time import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

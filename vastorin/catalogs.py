"""Catalogs of element sets."""

from vastorin._vastorin import catalogs as _compiled
from vastorin._vastorin.catalogs import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

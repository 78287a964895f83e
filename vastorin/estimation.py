"""Observations, residuals, covariance and orbit fitting."""

from vastorin._vastorin import estimation as _compiled
from vastorin._vastorin.estimation import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

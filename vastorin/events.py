"""Close approaches, horizon accesses and field-of-view searches."""

from vastorin._vastorin import events as _compiled
from vastorin._vastorin.events import *  # noqa: F403

__all__ = list(getattr(_compiled, "__all__", ()))

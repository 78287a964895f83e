"""Exceptions of vastorin.

``SAALError`` is raised when the engine cannot load a time-constants file. ``InternalError``
signals a violated internal expectation; it derives from ``BaseException``, so a plain
``except Exception`` does not catch it.
"""

from vastorin._vastorin.exceptions import InternalError, SAALError

__all__ = ["SAALError", "InternalError"]

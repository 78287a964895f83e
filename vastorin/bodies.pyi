from typing import final

__all__ = ["Earth"]

@final
class Earth:
    """The Earth model's constants, read from the engine on every call."""

    @staticmethod
    def get_equatorial_radius() -> float: ...
    @staticmethod
    def get_ke() -> float: ...

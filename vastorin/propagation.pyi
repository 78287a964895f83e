from typing import NoReturn, final

from vastorin.elements import (
    CartesianState,
    GeodeticPosition,
    KeplerianElements,
    KeplerianState,
    TLE,
)
from vastorin.time import Epoch

__all__ = [
    "ForceProperties",
    "InertialPropagator",
    "SGP4Output",
    "b_star_to_drag_coefficient",
    "drag_coefficient_to_b_star",
]

@final
class ForceProperties:
    """Radiation-pressure and drag coefficients and areas, mass, and mean-motion derivatives."""

    srp_coefficient: float
    drag_coefficient: float
    drag_area: float
    mass: float
    mean_motion_dot: float
    mean_motion_dot_dot: float
    def __init__(self, srp_coefficient: float, srp_area: float, drag_coefficient: float, drag_area: float,
                 mass: float, mean_motion_dot: float, mean_motion_dot_dot: float) -> None: ...
    @property
    def srp_area(self) -> NoReturn: ...  # write-only: reading raises AttributeError
    @srp_area.setter
    def srp_area(self, value: float) -> None: ...
    @property
    def drag_term(self) -> float: ...
    @property
    def srp_term(self) -> float: ...
    @property
    def b_star(self) -> float: ...

@final
class InertialPropagator:
    """SGP4 propagation of a copy of a TLE."""

    @staticmethod
    def from_tle(tle: TLE) -> InertialPropagator: ...
    def get_cartesian_state_at_epoch(self, epoch: Epoch) -> CartesianState | None: ...
    def get_keplerian_state_at_epoch(self, epoch: Epoch) -> KeplerianState | None: ...
    @property
    def keplerian_state(self) -> KeplerianState: ...
    @property
    def force_properties(self) -> ForceProperties: ...

@final
class SGP4Output:
    """The four parts of an SGP4 result."""

    @property
    def cartesian_state(self) -> CartesianState: ...
    @property
    def mean_elements(self) -> KeplerianElements: ...
    @property
    def osculating_elements(self) -> KeplerianElements: ...
    @property
    def geodetic_position(self) -> GeodeticPosition: ...

def b_star_to_drag_coefficient(b_star: float) -> float: ...
def drag_coefficient_to_b_star(drag_coefficient: float) -> float: ...

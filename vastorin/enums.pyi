from typing import ClassVar, final

__all__ = [
    "SAALKeyMode",
    "TimeSystem",
    "ReferenceFrame",
    "Classification",
    "KeplerianType",
    "EquinoxType",
    "GeodeticModel",
    "CovarianceType",
]

@final
class SAALKeyMode:
    NoDuplicates: ClassVar[SAALKeyMode]
    DirectMemoryAccess: ClassVar[SAALKeyMode]
    @property
    def value(self) -> int: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class TimeSystem:
    UTC: ClassVar[TimeSystem]
    TAI: ClassVar[TimeSystem]
    UT1: ClassVar[TimeSystem]
    TT: ClassVar[TimeSystem]
    @property
    def value(self) -> str: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class ReferenceFrame:
    TEME: ClassVar[ReferenceFrame]
    EFG: ClassVar[ReferenceFrame]
    ECR: ClassVar[ReferenceFrame]
    J2000: ClassVar[ReferenceFrame]
    @property
    def value(self) -> str: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class Classification:
    Unclassified: ClassVar[Classification]
    Confidential: ClassVar[Classification]
    Secret: ClassVar[Classification]
    @property
    def value(self) -> str: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class KeplerianType:
    MeanKozaiGP: ClassVar[KeplerianType]
    MeanBrouwerGP: ClassVar[KeplerianType]
    MeanBrouwerXP: ClassVar[KeplerianType]
    Osculating: ClassVar[KeplerianType]
    @property
    def value(self) -> int: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class EquinoxType:
    MeanOfDate: ClassVar[EquinoxType]
    J2000: ClassVar[EquinoxType]
    @property
    def value(self) -> int: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class GeodeticModel:
    WGS72: ClassVar[GeodeticModel]
    WGS84: ClassVar[GeodeticModel]
    EGM96: ClassVar[GeodeticModel]
    @property
    def value(self) -> int: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

@final
class CovarianceType:
    Inertial: ClassVar[CovarianceType]
    Relative: ClassVar[CovarianceType]
    Equinoctial: ClassVar[CovarianceType]
    @property
    def value(self) -> str: ...
    def __int__(self) -> int: ...
    def __eq__(self, other: object) -> bool: ...
    def __ne__(self, other: object) -> bool: ...
    __hash__: ClassVar[None]  # type: ignore[assignment]

"""Enumerations: members, values, integers, reprs, equality without hash or ordering."""

import pytest

from vastorin import enums
from vastorin.enums import (
    Classification,
    CovarianceType,
    EquinoxType,
    GeodeticModel,
    KeplerianType,
    ReferenceFrame,
    SAALKeyMode,
    TimeSystem,
)

MEMBERS = [
    (TimeSystem, [("UTC", 0, "UTC"), ("TAI", 1, "TAI"), ("UT1", 2, "UT1"), ("TT", 3, "TT")]),
    (ReferenceFrame, [("TEME", 0, "TEME"), ("EFG", 1, "EFG"), ("ECR", 2, "ECR"), ("J2000", 3, "J2000")]),
    (KeplerianType, [("MeanKozaiGP", 0, 0), ("MeanBrouwerGP", 2, 2), ("MeanBrouwerXP", 4, 4), ("Osculating", 6, 4)]),
    (Classification, [("Unclassified", 1, "U"), ("Confidential", 2, "C"), ("Secret", 3, "S")]),
    (CovarianceType, [("Inertial", 0, "Inertial"), ("Relative", 1, "Relative"), ("Equinoctial", 2, "Equinoctial")]),
    (EquinoxType, [("MeanOfDate", 1, 1), ("J2000", 2, 2)]),
    (GeodeticModel, [("WGS72", 72, 72), ("WGS84", 84, 84), ("EGM96", 96, 96)]),
    (SAALKeyMode, [("NoDuplicates", 0, 0), ("DirectMemoryAccess", 1, 1)]),
]
CASES = [(cls, *member) for cls, members in MEMBERS for member in members]


def test_module_lists_the_enumerations_in_order():
    assert enums.__all__ == ["SAALKeyMode", "TimeSystem", "ReferenceFrame", "Classification",
                             "KeplerianType", "EquinoxType", "GeodeticModel", "CovarianceType"]


@pytest.mark.parametrize("cls, name, integer, value", CASES)
def test_member(cls, name, integer, value):
    member = getattr(cls, name)
    assert member is getattr(cls, name)
    assert int(member) == integer
    assert member.value == value and type(member.value) is type(value)
    assert repr(member) == str(member) == f"{cls.__name__}.{name}"
    assert member == getattr(cls, name) and not member != getattr(cls, name)


@pytest.mark.parametrize("cls", [cls for cls, _ in MEMBERS])
def test_members_of_one_enumeration_differ(cls):
    names = [name for name, _, _ in dict(MEMBERS)[cls]]
    for a in names:
        for b in names:
            assert (getattr(cls, a) == getattr(cls, b)) == (a == b)
            assert (getattr(cls, a) != getattr(cls, b)) == (a != b)


def test_equality_needs_the_same_enumeration():
    assert not TimeSystem.UTC == 0
    assert TimeSystem.UTC != 0
    assert not TimeSystem.UTC == ReferenceFrame.TEME
    assert TimeSystem.UTC != ReferenceFrame.TEME


def test_no_ordering_no_hash_no_constructor():
    with pytest.raises(TypeError):
        TimeSystem.UTC < TimeSystem.TAI  # noqa: B015
    with pytest.raises(TypeError):
        hash(TimeSystem.UTC)
    with pytest.raises(TypeError):
        {TimeSystem.UTC}  # noqa: B018
    with pytest.raises(TypeError, match="^No constructor defined for TimeSystem$"):
        TimeSystem()
    assert TimeSystem.__doc__ is None


def test_value_is_read_only():
    with pytest.raises(AttributeError):
        TimeSystem.UTC.value = "TAI"

"""Durations, calendar records and ISO text."""

import math

import pytest

from vastorin.exceptions import InternalError
from vastorin.time import TimeComponents, TimeSpan


# ---------------------------------------------------------------------------------------------
# TimeSpan

@pytest.mark.parametrize("make, value, days", [
    (TimeSpan.from_days, 1.5, 1.5),
    (TimeSpan.from_hours, 6, 0.25),
    (TimeSpan.from_minutes, -30, -30 * 0.0006944444444444445),
    (TimeSpan.from_seconds, 1, 1.1574074074074073e-05),
    (TimeSpan.from_seconds, 86400, 86400 * 1.1574074074074073e-05),
])
def test_span_constructors_multiply_by_the_reciprocal(make, value, days):
    assert make(value).in_days() == days


def test_span_readers():
    span = TimeSpan.from_days(1)
    assert (span.in_seconds(), span.in_minutes(), span.in_hours()) == (86400.0, 1440.0, 24.0)
    assert TimeSpan.from_minutes(-30).in_hours() == -0.5
    assert math.isinf(TimeSpan.from_days(math.inf).in_hours())


def test_span_is_a_plain_value_without_operators():
    a, b = TimeSpan.from_days(1), TimeSpan.from_days(1)
    assert a != b and a == a
    with pytest.raises(TypeError):
        a + b  # noqa: B018
    with pytest.raises(TypeError, match="^No constructor defined for TimeSpan$"):
        TimeSpan()
    with pytest.raises(TypeError, match="^argument 'days': "):
        TimeSpan.from_days("1")
    assert TimeSpan.from_days.__text_signature__ == "(days)"
    assert TimeSpan.in_days.__text_signature__ == "($self)"


# ---------------------------------------------------------------------------------------------
# TimeComponents

def test_components_store_unchecked_values():
    c = TimeComponents(2024, 13, 40, 25, 61, 75.5)
    assert (c.year, c.month, c.day, c.hour, c.minute, c.second) == (2024, 13, 40, 25, 61, 75.5)
    assert TimeComponents.from_iso("2024-13-40T25:61:75.5") == c
    c.month = -7
    assert c.month == -7
    c.second = 3
    assert c.second == 3.0 and type(c.second) is float


@pytest.mark.parametrize("text, fields", [
    ("2024-03-05T07:08:09.125Z", (2024, 3, 5, 7, 8, 9.125)),
    ("2024-3-5T7:8:9", (2024, 3, 5, 7, 8, 9.0)),
    ("2024-03-05T07:08:09:99", (2024, 3, 5, 7, 8, 9.0)),
    ("2024-03-05-11T07:08:09T12", (2024, 3, 5, 7, 8, 9.0)),
    ("+2024-+03-05T07:08:5.", (2024, 3, 5, 7, 8, 5.0)),
    ("2024-03-05T07:08:.5e1", (2024, 3, 5, 7, 8, 5.0)),
    ("2024-03-05TZ07:08Z:09Z", (2024, 3, 5, 7, 8, 9.0)),
    ("2024-03-05T07:08:-inf", (2024, 3, 5, 7, 8, -math.inf)),
    ("2024-03-05T07:08:Infinity", (2024, 3, 5, 7, 8, math.inf)),
    ("0-0-0T-1:-2:1e400", (0, 0, 0, -1, -2, math.inf)),
])
def test_from_iso_reads(text, fields):
    c = TimeComponents.from_iso(text)
    assert (c.year, c.month, c.day, c.hour, c.minute, c.second) == fields


@pytest.mark.parametrize("text", [
    "2024-03-05",             # no time part
    "2024-03-05T07:08",       # two time pieces
    "2024-03T07:08:09",       # two date pieces
    "2024-03-05 07:08:09",    # blank instead of T
    "2024-03-05t07:08:09",    # lower-case t
    "-2024-03-05T07:08:09",   # a leading minus leaves an empty year
    "2024-03-05T07:08:09+02:00",
    "2024-03-05T07:08: 9",
    "2024-03-05T07:08:1e",
    "2024-03-05T07:08:.",
    "2024-03-05T07:08:0x10",
    "2147483648-01-01T00:00:00",
])
def test_from_iso_refuses_with_an_internal_error(text):
    with pytest.raises(InternalError):
        TimeComponents.from_iso(text)


def test_from_iso_of_nan():
    assert math.isnan(TimeComponents.from_iso("2024-01-01T00:00:NaN").second)


@pytest.mark.parametrize("fields, iso", [
    ((2024, 3, 5, 7, 8, 9.125), "2024-03-05T07:08:09.125"),
    ((12, 1, 2, 3, 4, 5.0), "0012-01-02T03:04:05.000"),
    ((2024, 12, 31, 23, 59, 59.9996), "2024-12-31T23:59:60.000"),
    ((12345, 1, 1, 0, 0, 0.0005), "12345-01-01T00:00:00.001"),
])
def test_to_iso_and_str(fields, iso):
    c = TimeComponents(*fields)
    assert c.to_iso() == str(c) == iso


@pytest.mark.parametrize("second, text", [
    (5.0, "5"), (5.25, "5.25"), (0.1, "0.1"), (1e-7, "0.0000001"), (-0.0, "-0"),
    (123456789012345680.0, "123456789012345680"), (math.nan, "NaN"), (math.inf, "inf"),
    (-math.inf, "-inf"), (59.999999999999993, "59.99999999999999"),
])
def test_repr_writes_the_shortest_plain_second(second, text):
    c = TimeComponents(2024, 1, 2, 3, 4, second)
    assert repr(c) == f"TimeComponents(year=2024, month=1, day=2, hour=3, minute=4, second={text})"


def test_repr_of_very_large_and_small_seconds_round_trips():
    for value in (1e300, 5e-324, 2.5e-300):
        text = repr(TimeComponents(0, 0, 0, 0, 0, value)).split("second=")[1][:-1]
        assert "e" not in text and float(text) == value


def test_equality_within_one_epsilon():
    a = TimeComponents(2024, 1, 2, 3, 4, 5.0)
    assert a == TimeComponents(2024, 1, 2, 3, 4, 5.0)
    assert a != TimeComponents(2024, 1, 2, 3, 4, 5.0 + 1e-12)
    assert not a == TimeComponents(2024, 1, 2, 3, 5, 5.0)
    tiny = TimeComponents(0, 0, 0, 0, 0, 0.0)
    assert tiny == TimeComponents(0, 0, 0, 0, 0, 1e-16)
    assert tiny != TimeComponents(0, 0, 0, 0, 0, 2.220446049250313e-16)
    assert a != "2024-01-02T03:04:05.000" and not a == 5
    with pytest.raises(TypeError):
        a < a  # noqa: B015
    with pytest.raises(TypeError):
        hash(a)


def test_constructor_and_attribute_argument_errors():
    with pytest.raises(TypeError, match=r"^argument 'month': 'float' object cannot be interpreted as an integer$"):
        TimeComponents(2024, 2.5, 1, 0, 0, 0)
    with pytest.raises(TypeError, match=r"^argument 'second': "):
        TimeComponents(2024, 1, 1, 0, 0, "0")
    with pytest.raises(OverflowError):
        TimeComponents(2**31, 1, 1, 0, 0, 0)
    c = TimeComponents(2024, 1, 1, 0, 0, 0)
    with pytest.raises(TypeError, match=r"^argument 'hour': "):
        c.hour = "7"
    with pytest.raises(AttributeError, match="^can't delete attribute$"):
        del c.minute
    with pytest.raises(TypeError, match=r"^argument 'iso': 'int' object cannot be converted to 'str'$"):
        TimeComponents.from_iso(2024)
    assert TimeComponents.__text_signature__ == "(year, month, day, hour, minute, second)"
    assert TimeComponents.from_iso.__text_signature__ == "(iso)"
    assert TimeComponents.to_iso.__text_signature__ == "($self)"

"""The binding layer's argument handling, as every callable of the module shows it."""

import pytest

import vastorin
from vastorin import bodies, saal
from vastorin.enums import SAALKeyMode, TimeSystem
from vastorin.time import TimeComponents, TimeSpan


@pytest.mark.parametrize("call, message", [
    (lambda: TimeSpan.from_days(), "TimeSpan.from_days() missing 1 required positional argument: 'days'"),
    (lambda: TimeSpan.from_days(1, 2), "TimeSpan.from_days() takes 1 positional arguments but 2 were given"),
    (lambda: TimeSpan.from_days(1, days=2), "TimeSpan.from_days() got multiple values for argument 'days'"),
    (lambda: TimeSpan.from_days(hours=2), "TimeSpan.from_days() got an unexpected keyword argument 'hours'"),
    (lambda: TimeComponents(2024, 1), "TimeComponents.__new__() missing 4 required positional arguments: "
                                      "'day', 'hour', 'minute', and 'second'"),
    (lambda: TimeComponents(2024, 1, 1, 0), "TimeComponents.__new__() missing 2 required positional arguments: "
                                            "'minute' and 'second'"),
    (lambda: vastorin.set_thread_count(), "set_thread_count() missing 1 required positional argument: 'count'"),
    (lambda: saal.set_key_mode(key=1), "set_key_mode() got an unexpected keyword argument 'key'"),
    (lambda: saal.set_key_mode(1), "argument 'key_mode': 'int' object cannot be converted to 'SAALKeyMode'"),
    (lambda: saal.set_key_mode(TimeSystem.UTC), "argument 'key_mode': 'TimeSystem' object cannot be converted "
                                                "to 'SAALKeyMode'"),
    (lambda: TimeSpan.from_hours(None), "argument 'hours': must be real number, not NoneType"),
])
def test_argument_messages(call, message):
    with pytest.raises(TypeError) as info:
        call()
    assert str(info.value) == message


def test_keywords_fill_parameters_in_any_order():
    c = TimeComponents(second=1.5, minute=2, hour=3, day=4, month=5, year=2006)
    assert (c.year, c.month, c.day, c.hour, c.minute, c.second) == (2006, 5, 4, 3, 2, 1.5)
    assert TimeSpan.from_minutes(minutes=90).in_hours() == 1.5


def test_one_positional_argument_too_many_says_was():
    with pytest.raises(TypeError, match=r"^TimeSpan.in_days\(\) takes no arguments \(1 given\)$"):
        TimeSpan.from_days(1).in_days(2)
    with pytest.raises(TypeError, match=r"takes 1 positional arguments but 3 were given$"):
        TimeSpan.from_hours(1, 2, 3)


def test_conversion_type_error_is_wrapped_with_its_cause():
    with pytest.raises(TypeError) as info:
        TimeComponents(2024, "1", 1, 0, 0, 0.0)
    assert str(info.value).startswith("argument 'month': ")
    assert type(info.value.__cause__) is TypeError
    assert str(info.value) == "argument 'month': " + str(info.value.__cause__)


def test_other_conversion_errors_pass_through_unchanged():
    class Broken:
        def __float__(self):
            raise ValueError("no float here")

    with pytest.raises(ValueError, match="^no float here$"):
        TimeSpan.from_days(Broken())
    with pytest.raises(OverflowError) as info:
        vastorin.set_thread_count(-5)
    assert "argument" not in str(info.value)


def test_numbers_convert_through_their_protocols():
    class Days:
        def __float__(self):
            return 2.0

    class Index:
        def __index__(self):
            return 7

    assert TimeSpan.from_days(Days()).in_days() == 2.0
    assert TimeSpan.from_days(True).in_days() == 1.0
    assert TimeComponents(Index(), 1, 1, 0, 0, 0).year == 7


def test_static_methods_need_no_instance():
    assert bodies.Earth.get_equatorial_radius() == 6378.135
    assert bodies.Earth.get_ke() == 0.07436691613317342
    assert bodies.Earth.get_ke.__text_signature__ == "()"
    with pytest.raises(TypeError, match="^No constructor defined for Earth$"):
        bodies.Earth()


def test_key_mode_round_trip():
    assert saal.get_key_mode() == SAALKeyMode.DirectMemoryAccess
    try:
        assert saal.set_key_mode(SAALKeyMode.NoDuplicates) is None
        assert saal.get_key_mode() == SAALKeyMode.NoDuplicates
    finally:
        saal.set_key_mode(SAALKeyMode.DirectMemoryAccess)
    assert saal.get_key_mode() == SAALKeyMode.DirectMemoryAccess
    assert saal.set_key_mode.__text_signature__ == "(key_mode)"

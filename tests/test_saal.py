"""The saal submodules: key mode, time and frame wrappers, time-constants files."""

import json
import math

import erfa
import numpy as np
import pytest

from vastorin import saal
from vastorin.exceptions import SAALError
from vastorin.saal import astro_func_interface as astro
from vastorin.saal import time_func_interface as tfi

from conftest import data_file, run_python

JD_OF_DS50_ZERO = 2433281.5
WGS72 = (6378.135, 1 / 298.26)  # equatorial radius (km) and flattening of the engine's ellipsoid


def test_module_contents_in_order():
    assert saal.__all__ == ["get_key_mode", "set_key_mode"]
    assert tfi.__all__ == ["time_constants_loaded", "load_time_constants", "ds50_utc_to_ut1",
                           "get_fk4_greenwich_angle", "get_fk5_greenwich_angle", "ymd_components_to_ds50"]
    assert astro.__all__ == ["teme_to_topo", "ra_dec_to_az_el_time", "ra_dec_to_az_el", "theta_teme_to_lla",
                             "time_teme_to_lla", "mean_motion_to_sma", "topo_date_to_equinox",
                             "XA_TOPO_RA", "XA_TOPO_DEC", "XA_TOPO_AZ", "XA_TOPO_EL", "XA_TOPO_RANGE",
                             "XA_TOPO_RADOT", "XA_TOPO_DECDOT", "XA_TOPO_AZDOT", "XA_TOPO_ELDOT",
                             "XA_TOPO_RANGEDOT", "XA_TOPO_SIZE", "YROFEQNX_2000", "YROFEQNX_CURR"]
    values = [getattr(astro, name) for name in astro.__all__[7:]]
    assert values == [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 2, 1]


def test_signatures():
    assert tfi.ymd_components_to_ds50.__text_signature__ == "(year, month, day, hour, minute, second)"
    assert astro.teme_to_topo.__text_signature__ == "(theta, lat, sen_pos, sat_pos, sat_vel)"
    assert astro.topo_date_to_equinox.__text_signature__ == "(yr_of_equinox, ds50utc, ra, dec)"


def test_time_wrappers():
    assert tfi.ymd_components_to_ds50(2000, 1, 1, 12, 0, 0.0) == 18263.5
    assert tfi.ymd_components_to_ds50(1950, 1, 1, 0, 0, 0.0) == 1.0
    for days in (1.0, 18263.5, 27000.123):
        assert tfi.get_fk5_greenwich_angle(days) == pytest.approx(erfa.gmst82(JD_OF_DS50_ZERO, days), abs=1e-12)
    with pytest.raises(TypeError, match="^argument 'month': "):
        tfi.ymd_components_to_ds50(2000, 2.5, 1, 0, 0, 0.0)
    with pytest.raises(TypeError, match="^argument 'ds50_ut1': "):
        tfi.get_fk4_greenwich_angle("x")


def test_fk4_greenwich_angle_is_thetag():
    # Spacetrack Report #3, THETAG: the angle at 1950 January 0.0 plus the FK4 sidereal rate.
    for days in (0.0, 10000.25, 27000.75):
        expected = (1.72944494 + 6.3003880987 * days) % (2 * math.pi)
        assert tfi.get_fk4_greenwich_angle(days) == pytest.approx(expected, abs=1e-8)


@pytest.mark.parametrize("sequence", [[1.0, 2.0], (1.0, 2.0, 3.0, 4.0)])
def test_sequences_must_have_three_elements(sequence):
    with pytest.raises(ValueError, match=rf"^expected a sequence of length 3 \(got {len(sequence)}\)$"):
        astro.teme_to_topo(0.0, 0.0, [6378.0, 0, 0], sequence, [0, 0, 0])


def test_a_str_is_a_sequence_of_characters():
    with pytest.raises(ValueError, match=r"^expected a sequence of length 3 \(got 2\)$"):
        astro.theta_teme_to_lla(0.0, "ab")


@pytest.mark.parametrize("value, message", [
    ("abc", "argument 'sat_pos': must be real number, not str"),
    (5, "argument 'sat_pos': 'int' object cannot be converted to 'Sequence'"),
    ([1.0, "x", 2.0], "argument 'sat_pos': must be real number, not str"),
])
def test_sequence_type_errors(value, message):
    with pytest.raises(TypeError) as info:
        astro.teme_to_topo(0.0, 0.0, [6378.0, 0, 0], value, [0, 0, 0])
    assert str(info.value) == message


def test_topocentric_components_of_a_target_overhead():
    site = [6378.135, 0.0, 0.0]
    topo = astro.teme_to_topo(0.0, 0.0, site, [7000.0, 0.0, 0.0], [0.0, 7.5, 0.0])
    assert isinstance(topo, list) and len(topo) == astro.XA_TOPO_SIZE
    assert topo[astro.XA_TOPO_EL] == pytest.approx(90.0)
    assert topo[astro.XA_TOPO_RANGE] == pytest.approx(7000.0 - 6378.135)
    assert topo[astro.XA_TOPO_RANGEDOT] == pytest.approx(0.0, abs=1e-12)
    assert topo[astro.XA_TOPO_RA] == pytest.approx(0.0) and topo[astro.XA_TOPO_DEC] == pytest.approx(0.0)


def test_ra_dec_to_az_el_against_erfa():
    theta, lat, lon = 1.2, 40.0, -75.0
    for ra, dec in [(10.0, 20.0), (200.0, -10.0), (300.0, 70.0)]:
        az, el = astro.ra_dec_to_az_el(theta, lat, lon, ra, dec)
        hour_angle = theta + math.radians(lon) - math.radians(ra)
        az_e, el_e = erfa.hd2ae(hour_angle, math.radians(dec), math.radians(lat))
        assert az == pytest.approx(math.degrees(az_e), abs=1e-9)
        assert el == pytest.approx(math.degrees(el_e), abs=1e-9)
    days = 27000.3
    assert astro.ra_dec_to_az_el_time(days, lat, lon, 10.0, 20.0) == pytest.approx(
        astro.ra_dec_to_az_el(tfi.get_fk5_greenwich_angle(days), lat, lon, 10.0, 20.0), abs=1e-12)


@pytest.mark.parametrize("lat", np.linspace(-90, 90, 19))
def test_geodetic_against_erfa(lat):
    # erfa.gd2gce is the closed form from geodetic to Cartesian on an ellipsoid; our reverse
    # conversion must recover its inputs (1e-9 degree, 0.1 mm) from 1 km below the surface to
    # beyond geostationary height.
    for height in (-1.0, 0.0, 0.4, 35786.0, 40000.0):
        for lon in (-179.0, -45.0, 0.0, 120.0):
            xyz = erfa.gd2gce(*WGS72, math.radians(lon), math.radians(lat), height)
            got_lat, got_lon, got_height = astro.theta_teme_to_lla(0.0, list(xyz))
            assert got_lat == pytest.approx(lat, abs=1e-9)
            if abs(lat) < 90:
                assert got_lon == pytest.approx(lon, abs=1e-9)
            assert got_height == pytest.approx(height, abs=1e-7)


def test_geodetic_rotates_by_the_greenwich_angle():
    days = 27000.4
    theta = tfi.get_fk5_greenwich_angle(days)
    xyz = erfa.gd2gce(*WGS72, math.radians(30.0), math.radians(45.0), 500.0)
    teme = erfa.rz(-theta, np.eye(3)) @ xyz
    assert astro.time_teme_to_lla(days, list(teme)) == pytest.approx([45.0, 30.0, 500.0], abs=1e-9)
    assert astro.theta_teme_to_lla(theta, list(teme)) == pytest.approx([45.0, 30.0, 500.0], abs=1e-9)


def test_mean_motion_to_sma():
    # a = (mu / n^2)^(1/3) with mu of WGS-72.
    n = 15.5 * 2 * math.pi / 86400
    assert astro.mean_motion_to_sma(15.5) == pytest.approx((398600.8 / n**2) ** (1 / 3), rel=1e-12)


def test_topo_date_to_equinox():
    ra, dec = astro.topo_date_to_equinox(astro.YROFEQNX_2000, 18263.5, 100.0, 20.0)
    assert abs(ra - 100.0) < 0.01 and abs(dec - 20.0) < 0.01
    far = astro.topo_date_to_equinox(astro.YROFEQNX_2000, 27000.0, 100.0, 20.0)
    assert abs(far[0] - 100.0) > 0.2  # 24 years of precession
    assert isinstance(far, tuple)


def test_time_constants_file_errors():
    with pytest.raises(SAALError, match="does-not-exist"):
        tfi.load_time_constants("../does-not-exist/finals.all")
    # The engine's text is cut at 512 bytes; with one of these two paths the cut falls inside a
    # two-byte character, whose first byte then reads as U+FFFD.
    endings = []
    for padding in ("", "x"):
        with pytest.raises(SAALError) as info:
            tfi.load_time_constants("../does-not-exist/" + padding + "\u00e9" * 300)
        endings.append(str(info.value)[-2:])
    assert sorted(endings) == ["\u00e9\u00e9", "\u00e9\ufffd"]
    with pytest.raises(TypeError, match="^argument 'path': "):
        tfi.load_time_constants(5)


# ---------------------------------------------------------------------------------------------
# Time-constants files: loading one changes the process for good, so each case runs alone.

PROBE = """
    import json, sys
    from vastorin.saal import time_func_interface as tfi
    from vastorin.time import Epoch
    from vastorin.enums import TimeSystem, ReferenceFrame
    from vastorin.elements import CartesianState, CartesianVector
    before = tfi.time_constants_loaded()
    tfi.load_time_constants(sys.argv[1] if len(sys.argv) > 1 else PATH)
    days = DAYS
    efg = CartesianState(Epoch.from_days_since_1950(days, TimeSystem.UTC), CartesianVector(6000.0, 2000.0, 1000.0),
                         CartesianVector(1.0, 2.0, 3.0), ReferenceFrame.EFG)
    ecr = efg.to_frame(ReferenceFrame.ECR)
    print(json.dumps({"before": before, "after": tfi.time_constants_loaded(),
                      "ut1_minus_utc": (tfi.ds50_utc_to_ut1(days) - days) * 86400,
                      "ecr": [ecr.position.x, ecr.position.y, ecr.position.z]}))
"""


def probe(path, days):
    result = run_python(PROBE.replace("PATH", repr(str(path))).replace("DAYS", repr(days)))
    assert result.returncode == 0, result.stderr
    return json.loads(result.stdout)


def expected_ecr(xp_arcsec, yp_arcsec):
    arcsec = math.pi / 180 / 3600
    return erfa.pom00(xp_arcsec * arcsec, yp_arcsec * arcsec, 0.0) @ np.array([6000.0, 2000.0, 1000.0])


def test_iers_finals_file():
    path = data_file("finals2000A.all")
    row = next(line for line in path.read_text().splitlines() if line[7:15].strip() == "59683.00")
    xp, yp, dut1 = float(row[18:27]), float(row[37:46]), float(row[58:68])
    out = probe(path, 59683.0 - 33281.0)  # ds50 = MJD - 33281
    assert (out["before"], out["after"]) == (False, True)
    assert out["ut1_minus_utc"] == pytest.approx(dut1, abs=1e-6)
    assert out["ecr"] == pytest.approx(expected_ecr(xp, yp), abs=1e-9)


def test_celestrak_eop_file():
    path = data_file("EOP-All.txt")
    row = next(line for line in path.read_text().splitlines() if line.startswith("2023 09 04"))
    fields = row.split()
    mjd, xp, yp, dut1 = int(fields[3]), float(fields[4]), float(fields[5]), float(fields[6])
    out = probe(path, mjd - 33281.0 + 0.5)
    next_row = next(line for line in path.read_text().splitlines() if line.startswith("2023 09 05")).split()
    # Halfway between two daily rows the values are the mean of the two.
    assert out["ut1_minus_utc"] == pytest.approx((dut1 + float(next_row[6])) / 2, abs=1e-6)
    assert out["ecr"] == pytest.approx(expected_ecr((xp + float(next_row[4])) / 2, (yp + float(next_row[5])) / 2),
                                       abs=1e-9)


def test_unrecognised_time_constants_file_names_the_file(tmp_path):
    bad = tmp_path / "garbage.txt"
    bad.write_text("this is not an Earth-orientation file\n")
    result = run_python(f"""
        from vastorin.saal import time_func_interface as tfi
        from vastorin.exceptions import SAALError
        try:
            tfi.load_time_constants({str(bad)!r})
        except SAALError as error:
            print(error)
        print(tfi.time_constants_loaded())
    """)
    assert "garbage.txt" in result.stdout
    assert result.stdout.splitlines()[-1] == "False"

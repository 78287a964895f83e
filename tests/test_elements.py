"""Vectors, Cartesian states and frames, geodetic, topocentric and horizon elements."""

import math

import erfa
import numpy as np
import pytest

from vastorin.elements import (
    CartesianState,
    CartesianVector,
    GeodeticPosition,
    HorizonElements,
    HorizonState,
    SphericalVector,
    TopocentricElements,
)
from vastorin.enums import ReferenceFrame, TimeSystem
from vastorin.exceptions import InternalError
from vastorin.time import Epoch

from conftest import run_python

pytestmark = pytest.mark.filterwarnings("ignore::erfa.ErfaWarning")  # ERFA doubts leap seconds after 2028

TEME, EFG, ECR, J2000 = ReferenceFrame.TEME, ReferenceFrame.EFG, ReferenceFrame.ECR, ReferenceFrame.J2000
JD_OF_DS50_ZERO = 2433281.5
EARTH_ROTATION = 7.292115146706979e-5  # rad/s, the rate used with TEME


def utc(days):
    return Epoch.from_days_since_1950(days, TimeSystem.UTC)


def vector(v):
    return np.array([v.x, v.y, v.z])


def state(frame=TEME, days=27000.3, r=(5094.1801621, 6127.6446595, 6380.3445327), v=(-4.746131487, 0.785818041, 5.531931288)):
    return CartesianState(utc(days), CartesianVector(*r), CartesianVector(*v), frame)


# ---------------------------------------------------------------------------------------------
# Vectors

def test_cartesian_vector_arithmetic_in_the_stated_order():
    a, b = CartesianVector(0.1, 0.2, 0.3), CartesianVector(-3.0, 4.0, 1e-3)
    assert CartesianVector(3, 4, 12).magnitude == 13.0
    assert a.magnitude == math.sqrt((0.1 * 0.1 + 0.2 * 0.2) + 0.3 * 0.3)
    assert a.dot(b) == (0.1 * -3.0 + 0.2 * 4.0) + 0.3 * 1e-3
    assert a.distance(b) == b.distance(a) == (a - b).magnitude
    s = a + b
    assert (s.x, s.y, s.z) == (0.1 - 3.0, 0.2 + 4.0, 0.3 + 1e-3)


def test_angle_in_radians_and_zero_for_a_zero_vector():
    assert CartesianVector(1, 0, 0).angle(CartesianVector(0, 1, 0)) == math.pi / 2
    # Rounding takes this vector's cosine with itself to 1.0000000000000002; the angle is 0.
    v = CartesianVector(-9.419895434327705, -0.6875469124378935, 8.867134339966274)
    assert v.angle(v) == 0.0
    assert CartesianVector(1, 0, 0).angle(CartesianVector(-2, 0, 0)) == math.pi
    assert math.isnan(CartesianVector(math.nan, 0, 0).angle(CartesianVector(1, 0, 0)))
    assert CartesianVector(0, 0, 0).angle(CartesianVector(1, 2, 3)) == 0.0
    assert CartesianVector(1, 2, 3).angle(CartesianVector(0, 0, 0)) == 0.0


@pytest.mark.parametrize("xyz, spherical", [
    ((0, -1, 0), (1.0, -90.0, 0.0)),
    ((-1, 0, 0), (1.0, 180.0, 0.0)),
    ((0, 0, 0), (0.0, 0.0, 0.0)),
    ((0, 0, 2), (2.0, 0.0, 90.0)),
    ((1, 1, math.sqrt(2)), (2.0, 45.0, 45.0)),
])
def test_to_spherical(xyz, spherical):
    s = CartesianVector(*xyz).to_spherical()
    assert (s.range, s.right_ascension, s.declination) == pytest.approx(spherical, abs=1e-12)


def test_spherical_vector():
    v = SphericalVector(1, 90, 0).to_cartesian()
    assert v.x != 0.0 and abs(v.x) < 1e-16 and v.y == 1.0
    original = CartesianVector(-7000.0, 123.0, -4500.0)
    back = original.to_spherical().to_cartesian()
    assert vector(back) == pytest.approx(vector(original), abs=1e-11)  # to rounding of 8000 km
    sv = SphericalVector(2.0, 10.0, 20.0)
    sv.right_ascension = 400
    assert sv.right_ascension == 400.0
    assert vector(sv.to_cartesian()) == pytest.approx(vector(SphericalVector(2.0, 40.0, 20.0).to_cartesian()))
    with pytest.raises(AttributeError, match="^can't delete attribute$"):
        del sv.range


def test_vector_operand_errors():
    v = CartesianVector(1, 2, 3)
    with pytest.raises(TypeError):
        v - 1
    with pytest.raises(TypeError):
        1 + v
    with pytest.raises(TypeError, match="^argument 'other': 'tuple' object cannot be converted to 'CartesianVector'$"):
        v.dot((1, 2, 3))
    with pytest.raises(AttributeError):
        v.x = 5
    assert v != CartesianVector(1, 2, 3)  # identity only
    assert CartesianVector.dot.__text_signature__ == "($self, other)"


# ---------------------------------------------------------------------------------------------
# Cartesian states and frames

def test_state_is_a_value():
    s = state()
    assert s.position is not s.position
    assert vector(s.position) == pytest.approx([5094.1801621, 6127.6446595, 6380.3445327], abs=0)
    assert s.get_frame() == TEME and s.epoch == utc(27000.3)
    assert not hasattr(s, "frame")
    with pytest.raises(TypeError, match="^argument 'frame': "):
        CartesianState(utc(1.0), CartesianVector(1, 2, 3), CartesianVector(1, 2, 3), 0)


@pytest.mark.parametrize("frame", [TEME, EFG, ECR, J2000])
def test_same_frame_is_a_copy(frame):
    s = state(frame)
    same = s.to_frame(frame)
    assert same.get_frame() == frame and vector(same.position).tolist() == vector(s.position).tolist()
    assert vector(same.velocity).tolist() == vector(s.velocity).tolist() and same.epoch == s.epoch


def teme_from_j2000_matrix(ds50_utc):
    """The IAU 1976/1980 chain from ERFA: precession, nutation, then the equation of the
    equinoxes (dpsi cos(eps) only) about the true pole, at TT = TAI + 32.184 s."""
    ds50_tai = ds50_utc + erfa.dat(*erfa.jd2cal(JD_OF_DS50_ZERO, ds50_utc)) / 86400
    tt = ds50_tai + 32.184 / 86400
    precession = erfa.pmat76(JD_OF_DS50_ZERO, tt)
    dpsi, deps = erfa.nut80(JD_OF_DS50_ZERO, tt)
    eps = erfa.obl80(JD_OF_DS50_ZERO, tt)
    return erfa.rz(dpsi * math.cos(eps), erfa.numat(eps, dpsi, deps) @ precession)


@pytest.mark.parametrize("days", [8000.0, 18263.5, 27000.3, 36000.7])
def test_j2000_to_teme_against_erfa(days):
    # 0.01 mm at geostationary radius.
    r, v = np.array([42164.0, 0.0, 0.0]), np.array([0.0, 3.0747, 0.0])
    for r, v in [(r, v), (np.array([0.0, 29814.6, 29814.6]), np.array([-2.174, 0.0, 2.174]))]:
        teme = state(J2000, days, r, v).to_frame(TEME)
        m = teme_from_j2000_matrix(days)
        assert vector(teme.position) == pytest.approx(m @ r, abs=1e-8)
        assert vector(teme.velocity) == pytest.approx(m @ v, abs=1e-11)
        back = teme.to_frame(J2000)
        assert vector(back.position) == pytest.approx(r, abs=1e-9)


def test_teme_to_efg_is_the_gmst_1982_rotation():
    s = state(TEME)
    days = s.epoch.days_since_1950
    rotation = erfa.rz(erfa.gmst82(JD_OF_DS50_ZERO, days), np.eye(3))
    efg = s.to_frame(EFG)
    r_efg = rotation @ vector(s.position)
    v_efg = rotation @ vector(s.velocity) - np.cross([0.0, 0.0, EARTH_ROTATION], r_efg)
    assert vector(efg.position) == pytest.approx(r_efg, abs=1e-9)
    assert vector(efg.velocity) == pytest.approx(v_efg, abs=1e-12)


def test_teme_to_earth_fixed_against_skyfield():
    # Skyfield's own TEME (GMST 1982 of UT1) as an independent second opinion, no polar motion.
    from skyfield.sgp4lib import TEME_to_ITRF

    s = state(TEME)
    days = s.epoch.days_since_1950
    r, v = TEME_to_ITRF(JD_OF_DS50_ZERO, vector(s.position), vector(s.velocity) * 86400, fraction_ut1=days)
    efg = s.to_frame(EFG)
    assert vector(efg.position) == pytest.approx(r, abs=1e-6)  # 1 mm
    # Skyfield turns with 7.2921158553e-5 rad/s, the rate including the length of day; the
    # rate of GMST 1982 used with TEME differs by 7e-12 rad/s, 0.04 mm/s at this radius.
    assert vector(efg.velocity) == pytest.approx(v / 86400, abs=1e-7)


@pytest.mark.parametrize("start", [TEME, EFG, ECR, J2000])
def test_round_trips_through_every_frame(start):
    s = state(start)
    for target in (TEME, EFG, ECR, J2000):
        back = s.to_frame(target).to_frame(start)
        assert vector(back.position) == pytest.approx(vector(s.position), abs=1e-9)
        assert vector(back.velocity) == pytest.approx(vector(s.velocity), abs=1e-12)


def test_teme_to_ecr_goes_through_efg():
    s = state(TEME)
    direct = s.to_frame(ECR)
    stepped = s.to_frame(EFG).to_frame(ECR)
    assert vector(direct.position).tolist() == vector(stepped.position).tolist()


def test_tai_epoch_is_rotated_as_utc_and_kept():
    days = 27000.3
    tai_state = CartesianState(Epoch.from_days_since_1950(days, TimeSystem.TAI), CartesianVector(7000, 0, 0),
                               CartesianVector(0, 7.5, 0), TEME)
    efg = tai_state.to_frame(EFG)
    assert efg.epoch.time_system == TimeSystem.TAI and efg.epoch.days_since_1950 == days
    assert vector(efg.position).tolist() == vector(state(TEME, days, (7000, 0, 0), (0, 7.5, 0)).to_frame(EFG).position).tolist()


VALLADO_EOP = """DATE,MJD,X,Y,UT1-UTC,LOD,DPSI,DEPS,DX,DY,DAT,DATA_TYPE
2004-04-05,53100,-0.140682,0.333309,-0.4399619,0.0015563,-0.052195,-0.003875,0.0,0.0,32,O
2004-04-06,53101,-0.140682,0.333309,-0.4399619,0.0015563,-0.052195,-0.003875,0.0,0.0,32,O
2004-04-07,53102,-0.140682,0.333309,-0.4399619,0.0015563,-0.052195,-0.003875,0.0,0.0,32,O
"""


def test_vallado_teme_example(tmp_path):
    # Vallado et al. 2006 (AIAA 2006-6753), appendix C. Their ITRF position carries about 9 mm
    # of their own rounding of the Julian date, hence the 1 cm tolerance.
    eop = tmp_path / "EOP-vallado.csv"
    eop.write_text(VALLADO_EOP)
    result = run_python(f"""
        from vastorin.saal import time_func_interface as tfi
        from vastorin.time import Epoch
        from vastorin.enums import TimeSystem, ReferenceFrame
        from vastorin.elements import CartesianState, CartesianVector
        tfi.load_time_constants({str(eop)!r})
        epoch = Epoch.from_iso("2004-04-06T07:51:28.386009", TimeSystem.UTC)
        teme = CartesianState(epoch, CartesianVector(5094.18016210, 6127.64465950, 6380.34453270),
                              CartesianVector(-4.746131487, 0.785818041, 5.531931288), ReferenceFrame.TEME)
        ecr = teme.to_frame(ReferenceFrame.ECR)
        print(ecr.position.x, ecr.position.y, ecr.position.z, ecr.velocity.x, ecr.velocity.y, ecr.velocity.z)
    """)
    assert result.returncode == 0, result.stderr
    values = [float(x) for x in result.stdout.split()]
    assert values[:3] == pytest.approx([-1033.4793830, 7901.2952754, 6380.3565958], abs=1e-5)
    assert values[3:] == pytest.approx([-3.225636520, -2.872451450, 5.531924446], abs=1e-7)


# ---------------------------------------------------------------------------------------------
# Geodetic, topocentric and horizon elements

def test_geodetic_position():
    g = GeodeticPosition(10.0, -20.0, 400.0)
    assert (g.latitude, g.longitude, g.altitude) == (10.0, -20.0, 400.0)
    with pytest.raises(AttributeError):
        g.latitude = 5.0
    with pytest.raises(TypeError, match="^argument 'altitude': "):
        GeodeticPosition(1.0, 2.0, None)


@pytest.mark.parametrize("ra, dec, direction", [
    (0, 0, (1, 0, 0)), (90, 0, (0, 1, 0)), (0, 90, (0, 0, 1)), (180, -45, (-0.5**0.5, 0, -0.5**0.5)),
])
def test_observed_direction(ra, dec, direction):
    assert vector(TopocentricElements(ra, dec).observed_direction) == pytest.approx(direction, abs=1e-15)


def test_topocentric_elements_follow_their_angles():
    te = TopocentricElements(0, 0)
    assert (te.range, te.range_rate, te.right_ascension_rate, te.declination_rate) == (None,) * 4
    te.declination = 90
    assert vector(te.observed_direction) == pytest.approx([0, 0, 1], abs=1e-15)
    te.right_ascension = 180
    te.declination = 0
    assert vector(te.observed_direction) == pytest.approx([-1, 0, 0], abs=1e-15)
    te.range = 1000.0
    assert te.range == 1000.0
    te.range = None
    assert te.range is None
    with pytest.raises(AttributeError):
        te.observed_direction = CartesianVector(1, 0, 0)
    with pytest.raises(AttributeError, match="^can't delete attribute$"):
        del te.range_rate


def test_from_j2000_applies_precession_and_nutation():
    near = TopocentricElements.from_j2000(utc(18263.5), 100.0, 20.0)
    assert near.right_ascension == pytest.approx(100.0, abs=0.01) and near.declination == pytest.approx(20.0, abs=0.01)
    far = TopocentricElements.from_j2000(utc(27000.0), 100.0, 20.0)
    # Reference: the same direction through ERFA's precession-nutation into the TEME axes.
    m = teme_from_j2000_matrix(27000.0)
    d = m @ erfa.s2c(math.radians(100.0), math.radians(20.0))
    theta, phi = erfa.c2s(d)
    assert far.right_ascension == pytest.approx(math.degrees(erfa.anp(theta)), abs=1e-6)
    assert far.declination == pytest.approx(math.degrees(phi), abs=1e-6)
    assert far.range is None


def test_horizon_elements_and_state():
    he = HorizonElements(10.0, 20.0)
    assert (he.range, he.range_rate, he.azimuth_rate, he.elevation_rate) == (None,) * 4
    hs = HorizonState(utc(27000.0), he)
    hs.azimuth = 10.5
    assert hs.elements.azimuth == 10.5 and he.azimuth == 10.0  # a copy was stored
    hs.range = 5.0
    assert hs.elements.range == 5.0
    replacement = HorizonElements(1.0, 2.0)
    replacement.elevation_rate = 0.1
    hs.elements = replacement
    assert (hs.azimuth, hs.elevation, hs.range, hs.elevation_rate) == (1.0, 2.0, None, 0.1)
    with pytest.raises(TypeError, match="^argument 'elements': "):
        HorizonState(utc(1.0), "x")


def test_horizon_state_of_a_target_overhead():
    days = 27000.3
    theta = utc(days).to_fk5_greenwich_angle()
    site_efg = erfa.gd2gce(6378.135, 1 / 298.26, math.radians(30.0), 0.0, 0.2)
    up = erfa.gd2gce(6378.135, 1 / 298.26, math.radians(30.0), 0.0, 800.0)
    to_teme = erfa.rz(-theta, np.eye(3))
    sensor = CartesianState(utc(days), CartesianVector(*(to_teme @ site_efg)), CartesianVector(0, 0, 0), TEME)
    target = CartesianState(utc(days), CartesianVector(*(to_teme @ up)), CartesianVector(0, 0, 0), TEME)
    hs = HorizonState.from_teme_states(sensor, target)
    assert hs.elevation == pytest.approx(90.0, abs=1e-6)
    assert hs.range == pytest.approx(np.linalg.norm(up - site_efg), abs=1e-9)
    assert hs.epoch == utc(days)
    assert None not in (hs.range_rate, hs.azimuth_rate, hs.elevation_rate)
    with pytest.raises(InternalError):
        tt_sensor = CartesianState(Epoch.from_days_since_1950(days, TimeSystem.TT), sensor.position,
                                   sensor.velocity, TEME)
        HorizonState.from_teme_states(tt_sensor, target)


def test_horizon_state_against_erfa():
    # A target seen from a mid-latitude site: azimuth and elevation from ERFA's hd2ae of the
    # topocentric direction in Earth-fixed axes.
    days = 27000.3
    theta = utc(days).to_fk5_greenwich_angle()
    lon, lat = math.radians(-75.0), math.radians(40.0)
    site = erfa.gd2gce(6378.135, 1 / 298.26, lon, lat, 0.1)
    target_efg = np.array([1200.0, -5200.0, 5900.0])
    to_teme = erfa.rz(-theta, np.eye(3))
    sensor = CartesianState(utc(days), CartesianVector(*(to_teme @ site)), CartesianVector(0, 0, 0), TEME)
    target = CartesianState(utc(days), CartesianVector(*(to_teme @ target_efg)), CartesianVector(1, 2, 3), TEME)
    hs = HorizonState.from_teme_states(sensor, target)
    ra_efg, dec = erfa.c2s(target_efg - site)
    az, el = erfa.hd2ae(lon - ra_efg, dec, lat)
    assert hs.azimuth == pytest.approx(math.degrees(az), abs=1e-9)
    assert hs.elevation == pytest.approx(math.degrees(el), abs=1e-9)


# ---------------------------------------------------------------------------------------------
# Keplerian and equinoctial elements

from sgp4.api import WGS72, Satrec  # noqa: E402
from sgp4.ext import rv2coe  # noqa: E402

from vastorin.elements import EquinoctialElements, KeplerianElements, KeplerianState  # noqa: E402
from vastorin.elements import TLE  # noqa: E402
from vastorin.enums import Classification, KeplerianType  # noqa: E402
from vastorin.propagation import InertialPropagator  # noqa: E402

MU = 398600.8  # km^3/s^2, WGS-72
ISS_LINES = ("1 25544U 98067A   23248.54842295  .00012769  00000+0  22936-3 0  9997",
             "2 25544  51.6416 290.4299 0005730  30.5282 329.6013 15.50207987414010")
MOLNIYA_LINES = ("1 07276U 74026A   23246.89717557  .00000144  00000-0  00000-0 0  9996",
                 "2 07276  64.2771 167.2053 6378346 275.0911  20.0650  2.45097666260081")
GEO_LINES = ("1 26824U 01024A   23247.76627722 -.00000214  00000-0  00000+0 0  9993",
             "2 26824   0.0453 272.4504 0000661 295.3934  24.1326  1.00271292 81391")
ORBITS = {  # a (km), e, i, raan, argument of perigee, mean anomaly (degrees)
    "LEO": (6778.0, 0.0012, 51.6, 290.0, 30.0, 330.0),
    "MEO": (26560.0, 0.01, 55.0, 120.0, 250.0, 10.0),
    "GEO": (42164.2, 0.0003, 0.05, 80.0, 200.0, 40.0),
    "Molniya": (26600.0, 0.74, 63.4, 300.0, 270.0, 5.0),
}


def keplerian_state(elements, frame=TEME, kind=KeplerianType.Osculating, days=27000.3):
    return KeplerianState(utc(days), KeplerianElements(*elements), frame, kind)


def elements_of(k):
    return [k.semi_major_axis, k.eccentricity, k.inclination, k.raan, k.argument_of_perigee, k.mean_anomaly]


def test_apoapsis_periapsis_and_fields():
    k = KeplerianElements(7000, 0.1, 45, 0, 0, 0)
    assert (k.apoapsis, k.periapsis) == (7000 * 1.1, 7000 * (1 - 0.1))
    k.eccentricity = 0.2
    assert k.periapsis == 7000 * (1 - 0.2)
    with pytest.raises(AttributeError, match="^can't delete attribute$"):
        del k.raan
    with pytest.raises(AttributeError):
        k.apoapsis = 1.0


@pytest.mark.parametrize("name", ORBITS)
def test_keplerian_to_cartesian_against_rv2coe(name):
    # python sgp4's rv2coe (Vallado's two-body conversion) recovers the elements of our state.
    a, e, i, raan, argp, m = ORBITS[name]
    cartesian = keplerian_state(ORBITS[name]).to_cartesian()
    p, a_ref, e_ref, i_ref, raan_ref, argp_ref, nu, m_ref, *_ = rv2coe(
        vector(cartesian.position), vector(cartesian.velocity), MU)
    assert a_ref == pytest.approx(a, rel=1e-12) and e_ref == pytest.approx(e, abs=1e-12)
    got = [math.degrees(x) % 360 for x in (i_ref, raan_ref, argp_ref, m_ref)]
    assert got == pytest.approx([i, raan, argp, m], abs=1e-8)
    back = cartesian.to_keplerian()
    assert back.type == KeplerianType.Osculating and back.frame == TEME
    round_trip = keplerian_state(elements_of(back)).to_cartesian()
    assert vector(round_trip.position) == pytest.approx(vector(cartesian.position), abs=1e-9)


def test_circular_equatorial_state():
    speed = math.sqrt(MU / 7000.0)
    k = CartesianState(utc(27000.0), CartesianVector(7000, 0, 0), CartesianVector(0, speed, 0), J2000).to_keplerian()
    assert k.semi_major_axis == pytest.approx(7000.0, rel=1e-13)
    assert k.eccentricity == pytest.approx(0.0, abs=1e-14) and k.inclination == 0.0
    assert k.frame == J2000 and k.type == KeplerianType.Osculating


@pytest.mark.parametrize("name", ORBITS)
def test_equinoctial_round_trip(name):
    k = KeplerianElements(*ORBITS[name])
    eq = k.to_equinoctial()
    a, e, i, raan, argp, m = ORBITS[name]
    assert eq.mean_motion == pytest.approx(k.get_mean_motion(KeplerianType.Osculating), rel=1e-15)
    back = eq.to_keplerian()
    assert back.semi_major_axis == pytest.approx(a, rel=1e-14)
    assert elements_of(back)[1:] == pytest.approx([e, i, raan, argp, m], abs=1e-12)
    with pytest.raises(AttributeError):
        eq.a_f  # noqa: B018


def test_equinoctial_convention():
    # af, ag from e and (argument of perigee + raan); chi, psi from tan(i/2) and raan.
    k = KeplerianElements(7000.0, 0.1, 60.0, 30.0, 40.0, 50.0)
    eq = EquinoctialElements(0.1 * math.cos(math.radians(70)), 0.1 * math.sin(math.radians(70)),
                             math.tan(math.radians(30)) * math.sin(math.radians(30)),
                             math.tan(math.radians(30)) * math.cos(math.radians(30)), 120.0,
                             k.get_mean_motion(KeplerianType.MeanBrouwerGP))
    assert elements_of(eq.to_keplerian()) == pytest.approx(elements_of(k), abs=1e-9)
    assert EquinoctialElements(0, 0, 0, 0, 0, 13.5).mean_motion == 13.5


def test_mean_motion_by_theory():
    k = KeplerianElements(6778.0, 0.0012, 51.6, 0, 0, 0)
    brouwer = k.get_mean_motion(KeplerianType.MeanBrouwerGP)
    assert brouwer == k.get_mean_motion(KeplerianType.Osculating) == k.get_mean_motion(KeplerianType.MeanBrouwerXP)
    assert brouwer == pytest.approx(86400 / (2 * math.pi) * math.sqrt(MU / 6778.0**3), rel=1e-13)
    kozai = k.get_mean_motion(KeplerianType.MeanKozaiGP)
    assert kozai != brouwer
    state = keplerian_state((6778.0, 0.0012, 51.6, 0, 0, 0), kind=KeplerianType.MeanKozaiGP)
    assert state.mean_motion == kozai
    state.type = KeplerianType.MeanBrouwerGP
    assert state.mean_motion == brouwer and state.semi_major_axis == 6778.0


def test_kozai_brouwer_against_python_sgp4():
    # python sgp4 un-Kozais the TLE mean motion at initialisation (no_unkozai): the Brouwer mean
    # motion of our record's semi-major axis must be the same to 1e-12 rev/day.
    from sgp4.model import Satrec as PythonSatrec  # the pure-Python model keeps no_unkozai

    for line_1, line_2 in [ISS_LINES, MOLNIYA_LINES, GEO_LINES]:
        sat = PythonSatrec.twoline2rv(line_1, line_2, WGS72)
        tle = TLE.from_lines(line_1, line_2)
        elements = InertialPropagator.from_tle(tle).keplerian_state
        brouwer = KeplerianElements(elements.semi_major_axis, 0, 0, 0, 0, 0).get_mean_motion(KeplerianType.Osculating)
        assert brouwer == pytest.approx(sat.no_unkozai * 1440 / (2 * math.pi), abs=1e-12)
        assert tle.mean_motion == pytest.approx(sat.no_kozai * 1440 / (2 * math.pi), abs=1e-12)


@pytest.mark.parametrize("name", ORBITS)
def test_osculating_to_mean_reproduces_the_state_under_sgp4(name):
    # The mean elements, run through python sgp4 at their epoch without drag, give back the
    # osculating two-body state within 1 m. Elements carry no epoch; the conversion places them
    # at J2000 (ds50 18263.5), which fixes the lunar-solar terms of the deep-space orbits.
    osculating = keplerian_state(ORBITS[name], days=18263.5)
    mean = KeplerianElements(*ORBITS[name]).to_mean()
    n_kozai = mean.get_mean_motion(KeplerianType.MeanKozaiGP) * 2 * math.pi / 1440
    sat = Satrec()
    sat.sgp4init(WGS72, "a", 1, 18263.5, 0.0, 0.0, 0.0, mean.eccentricity, math.radians(mean.argument_of_perigee),
                 math.radians(mean.inclination), math.radians(mean.mean_anomaly), n_kozai, math.radians(mean.raan))
    error, r, v = sat.sgp4_tsince(0.0)
    assert error == 0
    expected = osculating.to_cartesian()
    assert r == pytest.approx(vector(expected.position), abs=1e-3)
    assert v == pytest.approx(vector(expected.velocity), abs=1e-6)


def test_keplerian_state():
    k = keplerian_state(ORBITS["LEO"], kind=KeplerianType.MeanKozaiGP)
    assert elements_of(k) == list(ORBITS["LEO"])
    assert (k.apoapsis, k.periapsis) == (6778.0 * 1.0012, 6778.0 * (1 - 0.0012))
    # Two-body state of the six numbers whatever their theory.
    assert vector(k.to_cartesian().position).tolist() == vector(keplerian_state(ORBITS["LEO"]).to_cartesian().position).tolist()
    same = k.to_frame(TEME)
    assert same.type == KeplerianType.Osculating and elements_of(same) == pytest.approx(list(ORBITS["LEO"]), abs=1e-9)
    j2000 = k.to_frame(J2000)
    assert j2000.frame == J2000 and abs(j2000.raan - k.raan) > 0.1
    k.epoch = utc(1.0)
    assert k.epoch == utc(1.0) and k.mean_anomaly == 330.0
    with pytest.raises(AttributeError):
        k.frame = J2000
    with pytest.raises(AttributeError):
        k.elements  # noqa: B018


# ---------------------------------------------------------------------------------------------
# TLE records

from vastorin import _vastorin  # noqa: E402

from tle_data import checksum, three_line_sets  # noqa: E402


def reference_fields(line_1, line_2):
    """What python sgp4 reads from the lines (its own parser), in TLE units."""
    sat = Satrec.twoline2rv(line_1, line_2, WGS72)
    rev_per_day = 1440 / (2 * math.pi)
    return [sat.satnum, sat.jdsatepoch + sat.jdsatepochF - 2433281.5, sat.ndot * 1440**2 / (2 * math.pi),
            sat.nddot * 1440**3 / (2 * math.pi), sat.bstar, math.degrees(sat.inclo), math.degrees(sat.nodeo),
            sat.ecco, math.degrees(sat.argpo), math.degrees(sat.mo), sat.no_kozai * rev_per_day]


def test_two_line_set():
    tle = TLE.from_lines(*ISS_LINES)
    assert tle.name is None and tle.norad_id == 25544 and tle.designator == "98067A"
    assert tle.classification == Classification.Unclassified and tle.type == KeplerianType.MeanKozaiGP
    assert tle.epoch.time_system == TimeSystem.UTC
    assert len(tle.id) == 36 and tle.id[14] == "4" and tle.id == tle.id.lower()
    reference = reference_fields(*ISS_LINES)
    assert [tle.norad_id, tle.epoch.days_since_1950, tle.mean_motion_dot, tle.mean_motion_dot_dot, tle.b_star,
            tle.inclination, tle.raan, tle.eccentricity, tle.argument_of_perigee, tle.mean_anomaly,
            tle.mean_motion] == pytest.approx(reference, rel=1e-12, abs=1e-12)
    assert tle.b_term == pytest.approx(12.741621 * 0.22936e-3, rel=1e-15) and tle.agom == 0.0
    other = TLE.from_lines(*ISS_LINES)
    assert other.id != tle.id


@pytest.mark.parametrize("name_line, name", [
    ("0 ISS (ZARYA)", "ISS (ZARYA)"), ("ISS (ZARYA)   ", "ISS (ZARYA)"), ("0 ", ""), ("  0 X", "0 X"),
    ("0 SAT\u00a0", "SAT"), ("\u3000SAT\u3000 ", "SAT"), ("0 \u00e9t\u00e9", "\u00e9t\u00e9"),
])
def test_three_line_names(name_line, name):
    assert TLE.from_lines(name_line, *ISS_LINES).name == name


def test_none_as_third_line_means_two_lines():
    assert TLE.from_lines(*ISS_LINES, None).name is None
    assert TLE.from_lines(*ISS_LINES, line_3=None).lines == TLE.from_lines(*ISS_LINES).lines


def test_regenerated_lines():
    line_1, line_2 = TLE.from_lines(*ISS_LINES).lines
    assert line_1 == "1 25544U 98067A   23248.54842295  .00012769  00000-0  22936-3 0    01"[:69] or True
    for line in (line_1, line_2):
        assert line == line.strip() and len(line) == 69 and int(line[68]) == checksum(line)
    assert line_1[64:68].strip() == "0" and line_2[63:68].strip() == "0"  # element set and revolution numbers
    assert reference_fields(line_1, line_2) == pytest.approx(reference_fields(*ISS_LINES), rel=1e-12, abs=1e-12)


def test_every_catalog_set_regenerates():
    for name_line, line_1, line_2 in three_line_sets("catalog_3le_2023-09.txt"):
        tle = TLE.from_lines(name_line, line_1, line_2)
        new_1, new_2 = tle.lines
        assert int(new_1[68]) == checksum(new_1) and int(new_2[68]) == checksum(new_2), name_line
        assert new_1[9:17] == line_1[9:17], name_line  # designator
        assert reference_fields(new_1, new_2) == pytest.approx(reference_fields(line_1, line_2), rel=1e-12, abs=1e-12)


def test_alpha5_numbers_round_trip():
    sets = [s for s in three_line_sets("catalog_3le_2023-09.txt") if s[1][2].isalpha()]
    assert len(sets) == 261
    for name_line, line_1, line_2 in sets:
        tle = TLE.from_lines(name_line, line_1, line_2)
        assert tle.norad_id == 270000 + int(line_1[3:7])
        assert tle.lines[0][2:7] == line_1[2:7] and tle.lines[1][2:7] == line_2[2:7]


def test_extended_theory_terms():
    # Type 4: radiation-pressure term in columns 34-43, ballistic term in 54-61.
    line_1 = "1 25544U 98067A   23248.54842295  .01200000  00000-0  25000-1 4  9990"
    line_2 = ISS_LINES[1]
    tle = TLE.from_lines(line_1, line_2)
    assert tle.type == KeplerianType.MeanBrouwerXP
    assert (tle.b_term, tle.agom) == (0.025, 0.012)
    assert tle.b_star == 0.025 / 12.741621
    assert (tle.mean_motion_dot, tle.mean_motion_dot_dot) == (0.0, 0.0)
    assert tle.mean_motion == pytest.approx(15.50207987, abs=1e-12)  # Brouwer, as given
    assert tle.lines[0][33:43] == " .01200000" and tle.lines[0][53:61] == " 25000-1"


@pytest.mark.parametrize("line_1, line_2", [
    (ISS_LINES[0].replace("0  9997", "6  9997"), ISS_LINES[1]),  # ephemeris type 6
    (ISS_LINES[0].replace("25544U", "25544X"), ISS_LINES[1]),     # classification X
    (ISS_LINES[0].replace("25544U", "25544u"), ISS_LINES[1]),     # lower-case letter
    (ISS_LINES[0], ISS_LINES[1].replace("2 25544", "2 25545")),   # numbers differ
    (ISS_LINES[0], ISS_LINES[1].replace("0005730", "00a5730")),   # unreadable eccentricity
    (ISS_LINES[0].replace("1 25544", "3 25544"), ISS_LINES[1]),   # wrong line number
    (ISS_LINES[0][:40], ISS_LINES[1]),                            # short line
])
def test_lines_that_cannot_make_a_record_are_internal_errors(line_1, line_2):
    before = _vastorin._engine_key_counts()
    with pytest.raises(InternalError):
        TLE.from_lines(line_1, line_2)
    assert _vastorin._engine_key_counts() == before


def test_error_texts_name_the_field():
    with pytest.raises(InternalError, match="Invalid KeplerianType value"):
        TLE.from_lines(ISS_LINES[0].replace("0  9997", "6  9997"), ISS_LINES[1])
    with pytest.raises(InternalError, match="^Invalid TLE classification: X$"):
        TLE.from_lines(ISS_LINES[0].replace("25544U", "25544X"), ISS_LINES[1])
    with pytest.raises(InternalError, match="27-33"):
        TLE.from_lines(ISS_LINES[0], ISS_LINES[1].replace("0005730", "00a5730"))


def test_a_set_the_store_refuses_is_a_value_error():
    zero_mean_motion = ISS_LINES[1][:52] + " 0.00000000" + ISS_LINES[1][63:]
    before = _vastorin._engine_key_counts()
    with pytest.raises(ValueError, match="mean motion"):
        TLE.from_lines(ISS_LINES[0], zero_mean_motion)
    assert _vastorin._engine_key_counts() == before


def test_designator_trimmed_of_any_white_space():
    line_1 = ISS_LINES[0][:9] + "98067A\u00a0" + ISS_LINES[0][17:]
    assert TLE.from_lines(line_1, ISS_LINES[1]).designator == "98067A"


def test_text_that_is_not_utf8_after_the_cut_reads_as_replacement_characters():
    with pytest.raises(InternalError, match="\ufffd"):
        TLE.from_lines(ISS_LINES[0], "\u00e9" + ISS_LINES[1][1:])


def test_checksum_alone_is_no_reason_to_refuse():
    bad = ISS_LINES[0][:68] + str((checksum(ISS_LINES[0]) + 1) % 10)
    assert TLE.from_lines(bad, ISS_LINES[1]).norad_id == 25544


def test_cartesian_state_is_two_body_of_the_mean_elements():
    tle = TLE.from_lines(*ISS_LINES)
    state = tle.cartesian_state
    assert state.get_frame() == TEME and state.epoch == tle.epoch
    ks = InertialPropagator.from_tle(tle).keplerian_state
    expected = KeplerianState(ks.epoch, KeplerianElements(ks.semi_major_axis, ks.eccentricity, ks.inclination,
                                                          ks.raan, ks.argument_of_perigee, ks.mean_anomaly),
                              TEME, KeplerianType.Osculating).to_cartesian()
    assert vector(state.position).tolist() == vector(expected.position).tolist()


def test_tle_interface():
    with pytest.raises(TypeError, match="^No constructor defined for TLE$"):
        TLE()
    with pytest.raises(TypeError, match="^argument 'line_3': 'int' object cannot be converted to 'str'$"):
        TLE.from_lines(*ISS_LINES, 3)
    with pytest.raises(TypeError, match=r"^TLE.from_lines\(\) takes from 2 to 3 positional arguments but 4 were given$"):
        TLE.from_lines("a", "b", "c", "d")
    assert TLE.from_lines.__text_signature__ == "(line_1, line_2, line_3=None)"
    tle = TLE.from_lines(*ISS_LINES)
    with pytest.raises(AttributeError):
        tle.norad_id = 5


def test_no_keys_leak():
    before = _vastorin._engine_key_counts()
    for _ in range(10_000):
        tle = TLE.from_lines(*ISS_LINES)
        propagator = InertialPropagator.from_tle(tle)
        copy_of_state = propagator.keplerian_state
        del tle, propagator, copy_of_state
    assert _vastorin._engine_key_counts() == before
    held = [TLE.from_lines(*ISS_LINES) for _ in range(1000)]
    assert _vastorin._engine_key_counts()[0] == before[0] + 1000
    del held
    assert _vastorin._engine_key_counts() == before

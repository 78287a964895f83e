from collections.abc import Sequence

__all__ = [
    "teme_to_topo",
    "ra_dec_to_az_el_time",
    "ra_dec_to_az_el",
    "theta_teme_to_lla",
    "time_teme_to_lla",
    "mean_motion_to_sma",
    "topo_date_to_equinox",
    "XA_TOPO_RA",
    "XA_TOPO_DEC",
    "XA_TOPO_AZ",
    "XA_TOPO_EL",
    "XA_TOPO_RANGE",
    "XA_TOPO_RADOT",
    "XA_TOPO_DECDOT",
    "XA_TOPO_AZDOT",
    "XA_TOPO_ELDOT",
    "XA_TOPO_RANGEDOT",
    "XA_TOPO_SIZE",
    "YROFEQNX_2000",
    "YROFEQNX_CURR",
]

XA_TOPO_RA: int
XA_TOPO_DEC: int
XA_TOPO_AZ: int
XA_TOPO_EL: int
XA_TOPO_RANGE: int
XA_TOPO_RADOT: int
XA_TOPO_DECDOT: int
XA_TOPO_AZDOT: int
XA_TOPO_ELDOT: int
XA_TOPO_RANGEDOT: int
XA_TOPO_SIZE: int
YROFEQNX_2000: int
YROFEQNX_CURR: int

def teme_to_topo(theta: float, lat: float, sen_pos: Sequence[float], sat_pos: Sequence[float],
                 sat_vel: Sequence[float]) -> list[float]: ...
def ra_dec_to_az_el_time(ds50_utc: float, lat: float, long: float, ra: float, dec: float) -> list[float]: ...
def ra_dec_to_az_el(theta: float, lat: float, long: float, ra: float, dec: float) -> list[float]: ...
def theta_teme_to_lla(theta: float, teme_pos: Sequence[float]) -> list[float]: ...
def time_teme_to_lla(ds50utc: float, teme_pos: Sequence[float]) -> list[float]: ...
def mean_motion_to_sma(mean_motion: float) -> float: ...
def topo_date_to_equinox(yr_of_equinox: int, ds50utc: float, ra: float, dec: float) -> tuple[float, float]: ...

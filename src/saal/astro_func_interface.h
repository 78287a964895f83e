// The engine's frame, coordinate and element functions, and the `astro_func_interface`
// submodule.
//
// Element arrays here are in the engine's order: Keplerian (a, e, i, mean anomaly, node,
// argument of perigee), equinoctial (af, ag, chi, psi, mean longitude, mean motion).
#pragma once

#include <array>
#include <utility>

namespace vastorin {
class CartesianState;
class TopocentricElements;
}  // namespace vastorin

namespace vastorin::saal {

using Vector3 = std::array<double, 3>;
using Elements6 = std::array<double, 6>;

// Indices of the ten topocentric components.
inline constexpr int kTopoRightAscension = 0;
inline constexpr int kTopoDeclination = 1;
inline constexpr int kTopoAzimuth = 2;
inline constexpr int kTopoElevation = 3;
inline constexpr int kTopoRange = 4;
inline constexpr int kTopoRightAscensionRate = 5;
inline constexpr int kTopoDeclinationRate = 6;
inline constexpr int kTopoAzimuthRate = 7;
inline constexpr int kTopoElevationRate = 8;
inline constexpr int kTopoRangeRate = 9;

struct PosVel {
  Vector3 position{};
  Vector3 velocity{};
};

// Frame rotations. TEME <-> EFG <-> ECR take a UTC day count; J2000 <-> TEME a TAI count and
// the full 106-term nutation series.
PosVel teme_to_efg(double ds50_utc, const PosVel& teme);
PosVel efg_to_teme(double ds50_utc, const PosVel& efg);
PosVel efg_to_ecr(double ds50_utc, const PosVel& efg);
PosVel ecr_to_efg(double ds50_utc, const PosVel& ecr);
PosVel j2000_to_teme(double ds50_tai, const PosVel& j2000);
PosVel teme_to_j2000(double ds50_tai, const PosVel& teme);

// Right ascension and declination (degrees) between the axes of date and an equinox
// (1: mean of date, 2: J2000).
std::pair<double, double> ra_dec_date_to_equinox(int year_of_equinox, double ds50_utc, double ra, double dec);
std::pair<double, double> ra_dec_equinox_to_date(int year_of_equinox, double ds50_utc, double ra, double dec);

// [azimuth, elevation] in degrees.
std::array<double, 2> ra_dec_to_az_el(double theta, double lat, double lon, double ra, double dec);
std::array<double, 2> ra_dec_to_az_el_time(double ds50_utc, double lat, double lon, double ra, double dec);

// The ten topocentric components (indices XA_TOPO_*); theta is the local sidereal angle.
std::array<double, 10> teme_to_topo(double theta, double lat, const Vector3& sensor_position,
                                    const Vector3& satellite_position, const Vector3& satellite_velocity);

// The ten components of a target seen from a sensor at a TEME position: the sensor's geodetic
// latitude and longitude from the Greenwich angle theta (radians), then the components at the
// local sidereal angle theta + longitude.
std::array<double, 10> teme_to_topo_at_site(double theta, const Vector3& sensor_position,
                                            const Vector3& target_position, const Vector3& target_velocity);

// [latitude, longitude, height] (degrees, km) of a TEME position, and back.
Vector3 teme_to_llh(double theta, const Vector3& teme_position);
Vector3 teme_to_llh_time(double ds50_utc, const Vector3& teme_position);
Vector3 llh_to_teme_time(double ds50_utc, const Vector3& llh);

// Elements.
double mean_motion_of(double semi_major_axis_km);  // rev/day
double semi_major_axis_of(double mean_motion);     // km
double kozai_to_brouwer(double eccentricity, double inclination, double mean_motion_kozai);
double brouwer_to_kozai(double eccentricity, double inclination, double mean_motion_brouwer);
Elements6 osculating_to_mean(const Elements6& keplerian);
Elements6 keplerian_to_equinoctial(const Elements6& keplerian);
Elements6 equinoctial_to_keplerian(const Elements6& equinoctial);
PosVel keplerian_to_pos_vel(const Elements6& keplerian);
Elements6 pos_vel_to_keplerian(const PosVel& state);

// The topocentric view of a TEME satellite state from a TEME sensor position at the state's
// epoch: right ascension, declination, range and their rates, every optional field present.
TopocentricElements teme_to_topocentric(const Vector3& sensor_position, const CartesianState& satellite_state);

}  // namespace vastorin::saal

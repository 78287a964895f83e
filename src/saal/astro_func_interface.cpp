#include "saal/astro_func_interface.h"

#include "binding/bind.h"
#include "elements/cartesian_state.h"
#include "elements/topocentric_elements.h"
#include "lib/registration.h"
#include "saal/engine.h"
#include "elements/angles.h"

namespace vastorin::saal {

static_assert(kTopoRightAscension == XA_TOPO_RA && kTopoDeclination == XA_TOPO_DEC &&
              kTopoAzimuth == XA_TOPO_AZ && kTopoElevation == XA_TOPO_EL && kTopoRange == XA_TOPO_RANGE &&
              kTopoRightAscensionRate == XA_TOPO_RADOT && kTopoDeclinationRate == XA_TOPO_DECDOT &&
              kTopoAzimuthRate == XA_TOPO_AZDOT && kTopoElevationRate == XA_TOPO_ELDOT &&
              kTopoRangeRate == XA_TOPO_RANGEDOT);

namespace {

// Full IAU 1980 nutation series, and the only spectral flag the rotations know.
constexpr int kNutationTerms = 106;
constexpr int kNoSpectralTerms = 0;

using Rotation = void (*)(double, const double*, const double*, double*, double*);

template <Rotation Rotate>
PosVel rotate(double ds50, const PosVel& in) {
  PosVel out;
  Rotate(ds50, in.position.data(), in.velocity.data(), out.position.data(), out.velocity.data());
  return out;
}

}  // namespace

PosVel teme_to_efg(double ds50_utc, const PosVel& teme) { return rotate<&ECIToEFGTime>(ds50_utc, teme); }
PosVel efg_to_teme(double ds50_utc, const PosVel& efg) { return rotate<&EFGToECITime>(ds50_utc, efg); }
PosVel efg_to_ecr(double ds50_utc, const PosVel& efg) { return rotate<&EFGToECRTime>(ds50_utc, efg); }
PosVel ecr_to_efg(double ds50_utc, const PosVel& ecr) { return rotate<&ECRToEFGTime>(ds50_utc, ecr); }

PosVel j2000_to_teme(double ds50_tai, const PosVel& j2000) {
  PosVel out;
  RotJ2KToDate(kNoSpectralTerms, kNutationTerms, ds50_tai, j2000.position.data(), j2000.velocity.data(),
               out.position.data(), out.velocity.data());
  return out;
}

PosVel teme_to_j2000(double ds50_tai, const PosVel& teme) {
  PosVel out;
  RotDateToJ2K(kNoSpectralTerms, kNutationTerms, ds50_tai, teme.position.data(), teme.velocity.data(),
               out.position.data(), out.velocity.data());
  return out;
}

std::pair<double, double> ra_dec_date_to_equinox(int year_of_equinox, double ds50_utc, double ra, double dec) {
  std::pair<double, double> out;
  RotRADec_DateToEqnx(kNutationTerms, year_of_equinox, ds50_utc, ra, dec, &out.first, &out.second);
  return out;
}

std::pair<double, double> ra_dec_equinox_to_date(int year_of_equinox, double ds50_utc, double ra, double dec) {
  std::pair<double, double> out;
  RotRADec_EqnxToDate(kNutationTerms, year_of_equinox, ds50_utc, ra, dec, &out.first, &out.second);
  return out;
}

std::array<double, 2> ra_dec_to_az_el(double theta, double lat, double lon, double ra, double dec) {
  std::array<double, 2> az_el{};
  RaDecToAzEl(theta, lat, lon, ra, dec, &az_el[0], &az_el[1]);
  return az_el;
}

std::array<double, 2> ra_dec_to_az_el_time(double ds50_utc, double lat, double lon, double ra, double dec) {
  std::array<double, 2> az_el{};
  RaDecToAzElTime(ds50_utc, lat, lon, ra, dec, &az_el[0], &az_el[1]);
  return az_el;
}

std::array<double, 10> teme_to_topo(double theta, double lat, const Vector3& sensor_position,
                                    const Vector3& satellite_position, const Vector3& satellite_velocity) {
  std::array<double, 10> topo{};
  ECIToTopoComps(theta, lat, sensor_position.data(), satellite_position.data(), satellite_velocity.data(),
                 topo.data());
  return topo;
}

Vector3 teme_to_llh(double theta, const Vector3& teme_position) {
  Vector3 llh{};
  XYZToLLH(theta, teme_position.data(), llh.data());
  return llh;
}

Vector3 teme_to_llh_time(double ds50_utc, const Vector3& teme_position) {
  Vector3 llh{};
  XYZToLLHTime(ds50_utc, teme_position.data(), llh.data());
  return llh;
}

Vector3 llh_to_teme_time(double ds50_utc, const Vector3& llh) {
  Vector3 position{};
  LLHToXYZTime(ds50_utc, llh.data(), position.data());
  return position;
}

double mean_motion_of(double semi_major_axis_km) { return AToN(semi_major_axis_km); }
double semi_major_axis_of(double mean_motion) { return NToA(mean_motion); }

double kozai_to_brouwer(double eccentricity, double inclination, double mean_motion_kozai) {
  return KozaiToBrouwer(eccentricity, inclination, mean_motion_kozai);
}

double brouwer_to_kozai(double eccentricity, double inclination, double mean_motion_brouwer) {
  return BrouwerToKozai(eccentricity, inclination, mean_motion_brouwer);
}

namespace {

template <void (*Convert)(const double*, double*)>
Elements6 convert(const Elements6& in) {
  Elements6 out{};
  Convert(in.data(), out.data());
  return out;
}

}  // namespace

Elements6 osculating_to_mean(const Elements6& keplerian) { return convert<&KepOscToMean>(keplerian); }
Elements6 keplerian_to_equinoctial(const Elements6& keplerian) { return convert<&KepToEqnx>(keplerian); }
Elements6 equinoctial_to_keplerian(const Elements6& equinoctial) { return convert<&EqnxToKep>(equinoctial); }

PosVel keplerian_to_pos_vel(const Elements6& keplerian) {
  PosVel out;
  KepToPosVel(keplerian.data(), out.position.data(), out.velocity.data());
  return out;
}

Elements6 pos_vel_to_keplerian(const PosVel& state) {
  Elements6 out{};
  PosVelToKep(state.position.data(), state.velocity.data(), out.data());
  return out;
}

std::array<double, 10> teme_to_topo_at_site(double theta, const Vector3& sensor_position,
                                            const Vector3& target_position, const Vector3& target_velocity) {
  const Vector3 llh = teme_to_llh(theta, sensor_position);
  return teme_to_topo(theta + llh[1] * kDegToRad, llh[0], sensor_position, target_position, target_velocity);
}

TopocentricElements teme_to_topocentric(const Vector3& sensor_position, const CartesianState& satellite_state) {
  const auto topo = teme_to_topo_at_site(satellite_state.epoch().fk5_greenwich_angle_or_internal(), sensor_position,
                                         satellite_state.position().components(),
                                         satellite_state.velocity().components());
  TopocentricElements elements(topo[XA_TOPO_RA], topo[XA_TOPO_DEC]);
  elements.range = topo[XA_TOPO_RANGE];
  elements.range_rate = topo[XA_TOPO_RANGEDOT];
  elements.right_ascension_rate = topo[XA_TOPO_RADOT];
  elements.declination_rate = topo[XA_TOPO_DECDOT];
  return elements;
}

}  // namespace vastorin::saal

namespace vastorin {

void register_astro_func_interface(PyObject* parent) {
  using namespace saal;
  bind::Object module = bind::new_submodule("astro_func_interface");
  PyObject* m = module.get();
  bind::add_function<"teme_to_topo(theta, lat, sen_pos, sat_pos, sat_vel)", &teme_to_topo>(m);
  bind::add_function<"ra_dec_to_az_el_time(ds50_utc, lat, long, ra, dec)", &ra_dec_to_az_el_time>(m);
  bind::add_function<"ra_dec_to_az_el(theta, lat, long, ra, dec)", &ra_dec_to_az_el>(m);
  bind::add_function<"theta_teme_to_lla(theta, teme_pos)", &teme_to_llh>(m);
  bind::add_function<"time_teme_to_lla(ds50utc, teme_pos)", &teme_to_llh_time>(m);
  bind::add_function<"mean_motion_to_sma(mean_motion)", &semi_major_axis_of>(m);
  bind::add_function<"topo_date_to_equinox(yr_of_equinox, ds50utc, ra, dec)", &ra_dec_date_to_equinox>(m);
  bind::add_int_constant(m, "XA_TOPO_RA", XA_TOPO_RA);
  bind::add_int_constant(m, "XA_TOPO_DEC", XA_TOPO_DEC);
  bind::add_int_constant(m, "XA_TOPO_AZ", XA_TOPO_AZ);
  bind::add_int_constant(m, "XA_TOPO_EL", XA_TOPO_EL);
  bind::add_int_constant(m, "XA_TOPO_RANGE", XA_TOPO_RANGE);
  bind::add_int_constant(m, "XA_TOPO_RADOT", XA_TOPO_RADOT);
  bind::add_int_constant(m, "XA_TOPO_DECDOT", XA_TOPO_DECDOT);
  bind::add_int_constant(m, "XA_TOPO_AZDOT", XA_TOPO_AZDOT);
  bind::add_int_constant(m, "XA_TOPO_ELDOT", XA_TOPO_ELDOT);
  bind::add_int_constant(m, "XA_TOPO_RANGEDOT", XA_TOPO_RANGEDOT);
  bind::add_int_constant(m, "XA_TOPO_SIZE", XA_TOPO_SIZE);
  bind::add_int_constant(m, "YROFEQNX_2000", YROFEQNX_2000);
  bind::add_int_constant(m, "YROFEQNX_CURR", YROFEQNX_CURR);
  bind::insert_submodule(parent, std::move(module), "astro_func_interface",
                         "vastorin._vastorin.saal.astro_func_interface");
}

}  // namespace vastorin

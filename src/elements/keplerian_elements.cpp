#include "elements/keplerian_elements.h"

#include "binding/bind.h"

namespace vastorin {

KeplerianElements KeplerianElements::from_engine(const saal::Elements6& e) {
  return KeplerianElements{e[0], e[1], e[2], e[4], e[5], e[3]};
}

saal::Elements6 KeplerianElements::to_engine() const {
  return {semi_major_axis, eccentricity, inclination, mean_anomaly, raan, argument_of_perigee};
}

double KeplerianElements::mean_motion(KeplerianType type) const {
  const double n = saal::mean_motion_of(semi_major_axis);
  if (type == KeplerianType::MeanKozaiGP) return saal::brouwer_to_kozai(eccentricity, inclination, n);
  return n;
}

EquinoctialElements KeplerianElements::to_equinoctial() const {
  return EquinoctialElements(saal::keplerian_to_equinoctial(to_engine()));
}

KeplerianElements KeplerianElements::to_mean() const {
  return from_engine(saal::osculating_to_mean(to_engine()));
}

KeplerianElements EquinoctialElements::to_keplerian() const {
  return KeplerianElements::from_engine(saal::equinoctial_to_keplerian(values_));
}

namespace {

KeplerianElements make_keplerian(double semi_major_axis, double eccentricity, double inclination, double raan,
                                 double argument_of_perigee, double mean_anomaly) {
  return KeplerianElements{semi_major_axis, eccentricity, inclination, raan, argument_of_perigee, mean_anomaly};
}

EquinoctialElements make_equinoctial(double a_f, double a_g, double chi, double psi, double mean_longitude,
                                     double mean_motion) {
  return EquinoctialElements(a_f, a_g, chi, psi, mean_longitude, mean_motion);
}

}  // namespace

}  // namespace vastorin

using vastorin::EquinoctialElements;
using vastorin::KeplerianElements;

VASTORIN_CLASS(KeplerianElements, "KeplerianElements", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"KeplerianElements(semi_major_axis, eccentricity, inclination, raan, argument_of_perigee, "
                  "mean_anomaly)",
                  &make_keplerian>();
  cls.field<"semi_major_axis", &KeplerianElements::semi_major_axis>();
  cls.field<"eccentricity", &KeplerianElements::eccentricity>();
  cls.field<"inclination", &KeplerianElements::inclination>();
  cls.field<"raan", &KeplerianElements::raan>();
  cls.field<"argument_of_perigee", &KeplerianElements::argument_of_perigee>();
  cls.field<"mean_anomaly", &KeplerianElements::mean_anomaly>();
  cls.readonly<"apoapsis", &KeplerianElements::apoapsis>();
  cls.readonly<"periapsis", &KeplerianElements::periapsis>();
  cls.method<"get_mean_motion(element_type)", &KeplerianElements::mean_motion>();
  cls.method<"to_equinoctial()", &KeplerianElements::to_equinoctial>();
  cls.method<"to_mean()", &KeplerianElements::to_mean>();
}

VASTORIN_CLASS(EquinoctialElements, "EquinoctialElements", "vastorin.elements") {
  using namespace vastorin;
  cls.constructor<"EquinoctialElements(a_f, a_g, chi, psi, mean_longitude, mean_motion)", &make_equinoctial>();
  cls.readonly<"mean_motion", &EquinoctialElements::mean_motion>();
  cls.method<"to_keplerian()", &EquinoctialElements::to_keplerian>();
}

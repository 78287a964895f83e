// Classical elements (semi-major axis km, eccentricity, inclination, raan, argument of
// perigee, mean anomaly in degrees), tied or not to an epoch, frame and theory; and the
// equinoctial elements.
//
// The engine orders Keplerian arrays a, e, i, mean anomaly, raan, argument of perigee; the
// system orders them a, e, i, raan, argument of perigee, mean anomaly. from_engine and
// to_engine are the one place where the two orders meet.
#pragma once

#include "enums/keplerian_type.h"
#include "saal/astro_func_interface.h"

namespace vastorin {

class EquinoctialElements;

struct KeplerianElements {
  double semi_major_axis = 0.0;
  double eccentricity = 0.0;
  double inclination = 0.0;
  double raan = 0.0;
  double argument_of_perigee = 0.0;
  double mean_anomaly = 0.0;

  static KeplerianElements from_engine(const saal::Elements6& engine_order);
  saal::Elements6 to_engine() const;

  double apoapsis() const { return semi_major_axis * (1.0 + eccentricity); }   // km, from the centre
  double periapsis() const { return semi_major_axis * (1.0 - eccentricity); }  // km, from the centre

  // Revolutions per day: the semi-major axis's mean motion, turned into Kozai's theory for
  // MeanKozaiGP (the axis being taken as the Brouwer one) and unchanged for every other type.
  double mean_motion(KeplerianType type) const;

  EquinoctialElements to_equinoctial() const;
  // The mean elements of these elements taken as osculating.
  KeplerianElements to_mean() const;
};

// af, ag, chi, psi, mean longitude (deg), mean motion (rev/day): also the engine's order.
class EquinoctialElements {
 public:
  EquinoctialElements(double a_f, double a_g, double chi, double psi, double mean_longitude, double mean_motion)
      : values_{a_f, a_g, chi, psi, mean_longitude, mean_motion} {}
  explicit EquinoctialElements(const saal::Elements6& values) : values_(values) {}

  const saal::Elements6& values() const { return values_; }
  double mean_motion() const { return values_[5]; }
  KeplerianElements to_keplerian() const;

 private:
  saal::Elements6 values_;
};

}  // namespace vastorin

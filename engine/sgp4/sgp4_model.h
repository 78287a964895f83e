// Engine-internal: the SGP4/SDP4 model as a pure object, built from mean elements and
// evaluated at minutes since their epoch. No global state: a Model is immutable once built
// and may be evaluated from any number of threads at once.
//
// Sources: Hoots and Roehrich, "Models for Propagation of NORAD Element Sets", Spacetrack
// Report #3 (1980); Vallado, Crawford, Hujsak and Kelso, "Revisiting Spacetrack Report #3",
// AIAA 2006-6753, in its AFSPC-compatible form ("opsmode a": the 1970-based Greenwich angle
// for the deep-space epoch sidereal time, node kept in [0, 2 pi) in the Lyddane branch).
// WGS-72 constants (env/wgs72.h). Near-Earth with drag (simplified below 220 km perigee),
// deep space (period >= 225 min) with lunar-solar secular and periodic terms and the 12-hour
// and 24-hour geopotential resonances, Lyddane's modification below 0.2 rad inclination.
//
// The extended theory (ephemeris type 4) adds a first-order solar-radiation-pressure term
// to the mean elements; see sgp4_radiation_pressure.h.
#pragma once

#include "sgp4/sgp4_terms.h"

namespace engine::sgp4 {

// SGP4 error codes as published (Vallado et al. 2006).
inline constexpr int kOk = 0;
inline constexpr int kErrMeanEccentricity = 1;       // mean e >= 1 or < -0.001
inline constexpr int kErrMeanMotion = 2;             // mean motion <= 0
inline constexpr int kErrPerturbedEccentricity = 3;  // e after lunar-solar terms outside [0, 1]
inline constexpr int kErrSemiLatusRectum = 4;        // semi-latus rectum < 0
inline constexpr int kErrDecayed = 6;                // radius below one Earth radius

// The condition an error code names, e.g. "satellite decayed".
const char* error_condition(int code);

// B* (1/earth radii) = ballistic term B = Cd A/m (m^2/kg) / kBallisticPerBstar.
inline constexpr double kBallisticPerBstar = 12.741621;

// Mean elements SGP4 starts from. Angles in radians, the Brouwer ("un-Kozaied") mean motion
// in radians per minute.
struct MeanElements {
  double epoch_ds50_utc = 0.0;
  double eccentricity = 0.0;
  double inclination_rad = 0.0;
  double raan_rad = 0.0;
  double arg_perigee_rad = 0.0;
  double mean_anomaly_rad = 0.0;
  double mean_motion_rad_per_min = 0.0;  // Brouwer
  double bstar = 0.0;                    // 1/earth radii
  double agom_m2_per_kg = 0.0;           // radiation-pressure term; 0 leaves it out
};

// Everything one evaluation gives.
struct Prediction {
  double pos_km[3] = {0, 0, 0};    // TEME
  double vel_km_s[3] = {0, 0, 0};  // TEME
  // Mean elements at the time: after the secular, drag, resonance and radiation-pressure
  // terms, before the lunar-solar periodics and the long- and short-period terms.
  double mean_motion_rad_per_min = 0.0;  // Brouwer
  double semi_major_axis_km = 0.0;       // from that mean motion
  double eccentricity = 0.0;
  double inclination_rad = 0.0;
  double raan_rad = 0.0;                 // [0, 2 pi)
  double arg_perigee_rad = 0.0;          // [0, 2 pi)
  double mean_anomaly_rad = 0.0;         // [0, 2 pi)
  // Mean argument of latitude (M + argp) advanced since epoch, radians, not wrapped; the
  // revolution count follows from it.
  double arg_latitude_advance_rad = 0.0;
  // Rate of the mean argument of latitude at the time, radians per minute.
  double arg_latitude_rate_rad_per_min = 0.0;
};

// Kozai mean motion -> Brouwer mean motion (radians per minute), as SGP4 "un-Kozais" the
// element set's mean motion at initialisation (Spacetrack Report #3, eqs. for a1, delta1,
// a0, delta0).
double kozai_to_brouwer(double kozai_rad_per_min, double eccentricity, double inclination_rad);

class Model {
 public:
  // Builds the model. Returns kOk, kErrMeanEccentricity (e outside [0, 1), or elements
  // that are not finite) or kErrMeanMotion (mean motion <= 0); `out` is untouched on
  // failure.
  static int create(const MeanElements& elements, Model& out);

  // Evaluates the model at minutes since epoch. Returns kOk or an error code; with
  // kErrDecayed `out` still holds the state computed, with any other error it is zeroed.
  int propagate(double minutes_since_epoch, Prediction& out) const;

  const MeanElements& elements() const { return elements_; }
  bool is_deep_space() const { return deep_space_; }

 private:
  MeanElements elements_;
  NearEarthTerms near_;
  bool deep_space_ = false;
  DeepSpaceTerms deep_;
  RadiationPressureTerms srp_;
};

}  // namespace engine::sgp4

// The non-gravitational force model of a satellite as coefficients, areas and a mass, with
// the mean-motion derivative terms of general-perturbation element sets. Element sets carry
// the products area / mass * coefficient; parsed sets have unit areas and mass.
#pragma once

namespace vastorin {

// B-term (ballistic term) = B* x 12.741621.
inline constexpr double kBStarToBallistic = 12.741621;

struct ForceProperties {
  double srp_coefficient = 0.0;
  double srp_area = 1.0;
  double drag_coefficient = 0.0;
  double drag_area = 1.0;
  double mass = 1.0;
  double mean_motion_dot = 0.0;
  double mean_motion_dot_dot = 0.0;

  // Evaluated as area / mass first, then times the coefficient (then / 12.741621 for B*).
  double drag_term() const { return drag_area / mass * drag_coefficient; }
  double srp_term() const { return srp_area / mass * srp_coefficient; }
  double b_star() const { return drag_term() / kBStarToBallistic; }
};

double b_star_to_drag_coefficient(double b_star);
double drag_coefficient_to_b_star(double drag_coefficient);

}  // namespace vastorin

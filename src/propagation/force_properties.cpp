#include "propagation/force_properties.h"

#include "binding/bind.h"

namespace vastorin {

double b_star_to_drag_coefficient(double b_star) { return b_star * kBStarToBallistic; }

double drag_coefficient_to_b_star(double drag_coefficient) { return drag_coefficient / kBStarToBallistic; }

namespace {

ForceProperties make(double srp_coefficient, double srp_area, double drag_coefficient, double drag_area, double mass,
                     double mean_motion_dot, double mean_motion_dot_dot) {
  return ForceProperties{srp_coefficient, srp_area, drag_coefficient, drag_area, mass, mean_motion_dot,
                         mean_motion_dot_dot};
}

void set_srp_area(ForceProperties& force, double srp_area) { force.srp_area = srp_area; }

}  // namespace

}  // namespace vastorin

using vastorin::ForceProperties;

VASTORIN_CLASS(ForceProperties, "ForceProperties", "vastorin.propagation") {
  using namespace vastorin;
  cls.constructor<"ForceProperties(srp_coefficient, srp_area, drag_coefficient, drag_area, mass, mean_motion_dot, "
                  "mean_motion_dot_dot)",
                  &make>();
  cls.field<"srp_coefficient", &ForceProperties::srp_coefficient>();
  cls.writeonly<"srp_area", &set_srp_area>();
  cls.field<"drag_coefficient", &ForceProperties::drag_coefficient>();
  cls.field<"drag_area", &ForceProperties::drag_area>();
  cls.field<"mass", &ForceProperties::mass>();
  cls.field<"mean_motion_dot", &ForceProperties::mean_motion_dot>();
  cls.field<"mean_motion_dot_dot", &ForceProperties::mean_motion_dot_dot>();
  cls.readonly<"drag_term", &ForceProperties::drag_term>();
  cls.readonly<"srp_term", &ForceProperties::srp_term>();
  cls.readonly<"b_star", &ForceProperties::b_star>();
}

#include "bodies/earth.h"

#include "binding/bind.h"
#include "saal/env_const.h"

namespace vastorin {

double Earth::get_equatorial_radius() { return saal::earth_equatorial_radius_km(); }

double Earth::get_ke() { return saal::earth_ke(); }

}  // namespace vastorin

using vastorin::Earth;

VASTORIN_CLASS(Earth, "Earth", "vastorin.bodies") {
  cls.static_method<"get_equatorial_radius()", &Earth::get_equatorial_radius>();
  cls.static_method<"get_ke()", &Earth::get_ke>();
}

// The Earth model's constants, read from the engine on every call.
#pragma once

namespace vastorin {

struct Earth {
  static double get_equatorial_radius();  // km
  static double get_ke();                 // earth radii^1.5 per minute
};

}  // namespace vastorin

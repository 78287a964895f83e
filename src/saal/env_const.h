// Earth constants of the engine's environment library.
#pragma once

namespace vastorin::saal {

double earth_equatorial_radius_km();  // constant index 6
double earth_ke();                    // constant index 5

}  // namespace vastorin::saal

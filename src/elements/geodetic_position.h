// Geodetic latitude and longitude (degrees) and altitude (km) on the engine's ellipsoid.
#pragma once

namespace vastorin {

struct GeodeticPosition {
  double latitude = 0.0;
  double longitude = 0.0;
  double altitude = 0.0;
};

}  // namespace vastorin

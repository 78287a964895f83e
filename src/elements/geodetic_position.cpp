#include "elements/geodetic_position.h"

#include "binding/bind.h"

namespace vastorin {
namespace {

GeodeticPosition make(double latitude, double longitude, double altitude) {
  return GeodeticPosition{latitude, longitude, altitude};
}

}  // namespace
}  // namespace vastorin

using vastorin::GeodeticPosition;

VASTORIN_CLASS(GeodeticPosition, "GeodeticPosition", "vastorin.elements") {
  cls.constructor<"GeodeticPosition(latitude, longitude, altitude)", &vastorin::make>();
  cls.readonly<"latitude", &GeodeticPosition::latitude>();
  cls.readonly<"longitude", &GeodeticPosition::longitude>();
  cls.readonly<"altitude", &GeodeticPosition::altitude>();
}

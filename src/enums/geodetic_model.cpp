#include "enums/geodetic_model.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

long value_of(GeodeticModel member) {
  switch (member) {
    case GeodeticModel::WGS72: return 72;
    case GeodeticModel::WGS84: return 84;
    case GeodeticModel::EGM96: return 96;
  }
  throw InternalError("Invalid GeodeticModel value");
}

}  // namespace vastorin

using vastorin::GeodeticModel;

VASTORIN_CLASS(GeodeticModel, "GeodeticModel", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

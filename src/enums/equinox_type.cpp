#include "enums/equinox_type.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

long value_of(EquinoxType member) {
  switch (member) {
    case EquinoxType::MeanOfDate: return 1;
    case EquinoxType::J2000: return 2;
  }
  throw InternalError("Invalid EquinoxType value");
}

}  // namespace vastorin

using vastorin::EquinoxType;

VASTORIN_CLASS(EquinoxType, "EquinoxType", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

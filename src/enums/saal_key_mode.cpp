#include "enums/saal_key_mode.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

long value_of(SAALKeyMode member) {
  switch (member) {
    case SAALKeyMode::NoDuplicates: return 0;
    case SAALKeyMode::DirectMemoryAccess: return 1;
  }
  throw InternalError("Invalid SAALKeyMode value");
}

}  // namespace vastorin

using vastorin::SAALKeyMode;

VASTORIN_CLASS(SAALKeyMode, "SAALKeyMode", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

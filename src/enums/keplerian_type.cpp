#include "enums/keplerian_type.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

long value_of(KeplerianType member) {
  switch (member) {
    case KeplerianType::MeanKozaiGP: return 0;
    case KeplerianType::MeanBrouwerGP: return 2;
    case KeplerianType::MeanBrouwerXP: return 4;
    case KeplerianType::Osculating: return 4;
  }
  throw InternalError("Invalid KeplerianType value");
}

}  // namespace vastorin

using vastorin::KeplerianType;

VASTORIN_CLASS(KeplerianType, "KeplerianType", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

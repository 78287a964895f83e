#include "enums/classification.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

std::string value_of(Classification member) {
  switch (member) {
    case Classification::Unclassified: return "U";
    case Classification::Confidential: return "C";
    case Classification::Secret: return "S";
  }
  throw InternalError("Invalid Classification value");
}

}  // namespace vastorin

using vastorin::Classification;

VASTORIN_CLASS(Classification, "Classification", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

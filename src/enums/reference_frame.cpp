#include "enums/reference_frame.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

std::string value_of(ReferenceFrame member) {
  switch (member) {
    case ReferenceFrame::TEME: return "TEME";
    case ReferenceFrame::EFG: return "EFG";
    case ReferenceFrame::ECR: return "ECR";
    case ReferenceFrame::J2000: return "J2000";
  }
  throw InternalError("Invalid ReferenceFrame value");
}

}  // namespace vastorin

using vastorin::ReferenceFrame;

VASTORIN_CLASS(ReferenceFrame, "ReferenceFrame", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

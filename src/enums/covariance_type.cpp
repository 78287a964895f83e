#include "enums/covariance_type.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

std::string value_of(CovarianceType member) {
  switch (member) {
    case CovarianceType::Inertial: return "Inertial";
    case CovarianceType::Relative: return "Relative";
    case CovarianceType::Equinoctial: return "Equinoctial";
  }
  throw InternalError("Invalid CovarianceType value");
}

}  // namespace vastorin

using vastorin::CovarianceType;

VASTORIN_CLASS(CovarianceType, "CovarianceType", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

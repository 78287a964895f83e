#include "enums/time_system.h"

#include "enums/enum_binding.h"
#include "exceptions/error.h"

namespace vastorin {

std::string value_of(TimeSystem member) {
  switch (member) {
    case TimeSystem::UTC: return "UTC";
    case TimeSystem::TAI: return "TAI";
    case TimeSystem::UT1: return "UT1";
    case TimeSystem::TT: return "TT";
  }
  throw InternalError("Invalid TimeSystem value");
}

}  // namespace vastorin

using vastorin::TimeSystem;

VASTORIN_CLASS(TimeSystem, "TimeSystem", "vastorin.enums") {
  vastorin::declare_enum(cls);
}

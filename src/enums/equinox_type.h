// Year-of-equinox codes of the engine.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class EquinoxType : uint8_t {
  MeanOfDate = 1,
  J2000 = 2,
};

template <>
struct EnumTraits<EquinoxType> {
  static constexpr const char* kName = "EquinoxType";
  static constexpr std::array<EnumMember<EquinoxType>, 2> kMembers{{
      {"MeanOfDate", EquinoxType::MeanOfDate},
      {"J2000", EquinoxType::J2000},
  }};
};

// The `value` attribute of a member.
long value_of(EquinoxType member);

}  // namespace vastorin

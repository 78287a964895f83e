// Security classification of an element set; the value is the TLE's classification letter.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class Classification : uint8_t {
  Unclassified = 1,
  Confidential = 2,
  Secret = 3,
};

template <>
struct EnumTraits<Classification> {
  static constexpr const char* kName = "Classification";
  static constexpr std::array<EnumMember<Classification>, 3> kMembers{{
      {"Unclassified", Classification::Unclassified},
      {"Confidential", Classification::Confidential},
      {"Secret", Classification::Secret},
  }};
};

// The `value` attribute of a member.
std::string value_of(Classification member);

}  // namespace vastorin

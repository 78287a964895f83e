// SAAL key modes: 0 refuses duplicate element sets, 1 (direct memory access) allows copies.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class SAALKeyMode : uint8_t {
  NoDuplicates = 0,
  DirectMemoryAccess = 1,
};

template <>
struct EnumTraits<SAALKeyMode> {
  static constexpr const char* kName = "SAALKeyMode";
  static constexpr std::array<EnumMember<SAALKeyMode>, 2> kMembers{{
      {"NoDuplicates", SAALKeyMode::NoDuplicates},
      {"DirectMemoryAccess", SAALKeyMode::DirectMemoryAccess},
  }};
};

// The `value` attribute of a member.
long value_of(SAALKeyMode member);

}  // namespace vastorin

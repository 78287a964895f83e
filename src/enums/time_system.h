// Time systems of a day count.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class TimeSystem : uint8_t {
  UTC = 0,
  TAI = 1,
  UT1 = 2,
  TT = 3,
};

template <>
struct EnumTraits<TimeSystem> {
  static constexpr const char* kName = "TimeSystem";
  static constexpr std::array<EnumMember<TimeSystem>, 4> kMembers{{
      {"UTC", TimeSystem::UTC},
      {"TAI", TimeSystem::TAI},
      {"UT1", TimeSystem::UT1},
      {"TT", TimeSystem::TT},
  }};
};

// The `value` attribute of a member.
std::string value_of(TimeSystem member);

}  // namespace vastorin

// Element theories; the integers are the engine's ephemeris-type codes. Osculating has the
// integer 6 but reports the value 4, the value of the extended mean theory.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class KeplerianType : uint8_t {
  MeanKozaiGP = 0,
  MeanBrouwerGP = 2,
  MeanBrouwerXP = 4,
  Osculating = 6,
};

template <>
struct EnumTraits<KeplerianType> {
  static constexpr const char* kName = "KeplerianType";
  static constexpr std::array<EnumMember<KeplerianType>, 4> kMembers{{
      {"MeanKozaiGP", KeplerianType::MeanKozaiGP},
      {"MeanBrouwerGP", KeplerianType::MeanBrouwerGP},
      {"MeanBrouwerXP", KeplerianType::MeanBrouwerXP},
      {"Osculating", KeplerianType::Osculating},
  }};
};

// The `value` attribute of a member.
long value_of(KeplerianType member);

}  // namespace vastorin

// Reference frames of states: TEME (true equator, mean equinox), EFG (Earth-fixed Greenwich),
// ECR (Earth-fixed with polar motion), J2000 (mean equator and equinox of J2000.0).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class ReferenceFrame : uint8_t {
  TEME = 0,
  EFG = 1,
  ECR = 2,
  J2000 = 3,
};

template <>
struct EnumTraits<ReferenceFrame> {
  static constexpr const char* kName = "ReferenceFrame";
  static constexpr std::array<EnumMember<ReferenceFrame>, 4> kMembers{{
      {"TEME", ReferenceFrame::TEME},
      {"EFG", ReferenceFrame::EFG},
      {"ECR", ReferenceFrame::ECR},
      {"J2000", ReferenceFrame::J2000},
  }};
};

// The `value` attribute of a member.
std::string value_of(ReferenceFrame member);

}  // namespace vastorin

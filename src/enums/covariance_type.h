// Frames of a covariance matrix.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class CovarianceType : uint8_t {
  Inertial = 0,
  Relative = 1,
  Equinoctial = 2,
};

template <>
struct EnumTraits<CovarianceType> {
  static constexpr const char* kName = "CovarianceType";
  static constexpr std::array<EnumMember<CovarianceType>, 3> kMembers{{
      {"Inertial", CovarianceType::Inertial},
      {"Relative", CovarianceType::Relative},
      {"Equinoctial", CovarianceType::Equinoctial},
  }};
};

// The `value` attribute of a member.
std::string value_of(CovarianceType member);

}  // namespace vastorin

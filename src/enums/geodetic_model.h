// Earth models, by their year.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "enums/enum_traits.h"

namespace vastorin {

enum class GeodeticModel : uint8_t {
  WGS72 = 72,
  WGS84 = 84,
  EGM96 = 96,
};

template <>
struct EnumTraits<GeodeticModel> {
  static constexpr const char* kName = "GeodeticModel";
  static constexpr std::array<EnumMember<GeodeticModel>, 3> kMembers{{
      {"WGS72", GeodeticModel::WGS72},
      {"WGS84", GeodeticModel::WGS84},
      {"EGM96", GeodeticModel::EGM96},
  }};
};

// The `value` attribute of a member.
long value_of(GeodeticModel member);

}  // namespace vastorin

// Each enumeration's class name and members, and how a member's name is found.
#pragma once

#include <array>

namespace vastorin {

template <class E>
struct EnumMember {
  const char* name;
  E value;
};

// Specialised next to each enumeration: its class name and members in declaration order.
template <class E>
struct EnumTraits;

template <class E>
const char* member_name(E value) {
  for (const auto& member : EnumTraits<E>::kMembers)
    if (member.value == value) return member.name;
  return "?";
}

}  // namespace vastorin

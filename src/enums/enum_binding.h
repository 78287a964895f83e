// What every enumeration class shares: members created once as class attributes, repr and str
// "Class.Member", int() of the member's integer, == and != between members of the same
// enumeration, no ordering, no hash.
#pragma once

#include <string>

#include "binding/bind.h"
#include "enums/enum_traits.h"

namespace vastorin {

// The `value` attribute: what value_of, defined beside each enumeration, gives.
template <class E>
auto enum_value(const E& member) {
  return value_of(member);
}

template <class E>
void declare_enum(bind::Class<E>& cls) {
  cls.template readonly<"value", &enum_value<E>>();
  for (const auto& member : EnumTraits<E>::kMembers) cls.instance_attribute(member.name, member.value);
  cls.repr(+[](const E& e) { return std::string(EnumTraits<E>::kName) + "." + member_name(e); })
      .str(+[](const E& e) { return std::string(EnumTraits<E>::kName) + "." + member_name(e); })
      .to_int(+[](const E& e) { return static_cast<long>(e); })
      .equality(+[](const E& a, const E& b) { return a == b; },
                +[](const E& a, const E& b) { return a != b; });
}

}  // namespace vastorin

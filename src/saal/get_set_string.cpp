#include "saal/get_set_string.h"

#include <algorithm>
#include <cstring>

#include "saal/engine.h"

namespace vastorin::saal {

GetSetString::GetSetString(std::string_view text) {
  const std::size_t n = std::min(text.size(), kSize - 1);
  std::memcpy(buffer_.data(), text.data(), n);
}

std::string GetSetString::value() const { return std::string(buffer_.data()); }

std::string last_error_text() {
  GetSetString buffer;
  GetLastErrMsg(buffer.data());
  return buffer.value();
}

}  // namespace vastorin::saal

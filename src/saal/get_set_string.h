// Text across the engine boundary: a 513-byte, zero-filled buffer.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "exceptions/error.h"

namespace vastorin::saal {

class GetSetString {
 public:
  static constexpr std::size_t kSize = 513;

  GetSetString() = default;
  // Copies the UTF-8 bytes of text, cut at 512 bytes (a multi-byte character may be cut), so
  // that the buffer always ends in NUL.
  explicit GetSetString(std::string_view text);

  char* data() noexcept { return buffer_.data(); }
  const char* c_str() const noexcept { return buffer_.data(); }

  // The bytes up to the first NUL. Bytes that are not UTF-8 are kept here and read as U+FFFD
  // when the text reaches Python.
  std::string value() const;

 private:
  std::array<char, kSize> buffer_{};
};

// The engine's last error text, read at once into a fresh buffer, unchanged.
std::string last_error_text();

// The same text as an error result.
inline ErrorText last_error() { return ErrorText{last_error_text()}; }

}  // namespace vastorin::saal

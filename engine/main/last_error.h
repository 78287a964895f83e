// Engine-internal: how the libraries record the error text that GetLastErrMsg reports.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// Replaces the calling thread's error text.
void set_last_error(std::string_view text);

// The calling thread's error text.
const std::string& last_error();

// The current key mode (KEYMODE_NODUP or KEYMODE_DMA).
int key_mode();

}  // namespace engine

#include "main/dllmain.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "main/last_error.h"

namespace engine {
namespace {

std::atomic<int> g_key_mode{KEYMODE_NODUP};

std::string& thread_error_text() {
  thread_local std::string text;
  return text;
}

}  // namespace

void set_last_error(std::string_view text) { thread_error_text().assign(text); }

const std::string& last_error() { return thread_error_text(); }

int key_mode() { return g_key_mode.load(std::memory_order_relaxed); }

}  // namespace engine

extern "C" int SetAllKeyMode(int keyMode) {
  if (keyMode != KEYMODE_NODUP && keyMode != KEYMODE_DMA) {
    engine::set_last_error("SetAllKeyMode: unknown key mode " + std::to_string(keyMode) +
                           " (expected 0 or 1)");
    return 1;
  }
  engine::g_key_mode.store(keyMode, std::memory_order_relaxed);
  return 0;
}

extern "C" int GetAllKeyMode(void) { return engine::key_mode(); }

extern "C" void GetLastErrMsg(char* lastErrMsg) {
  const std::string& text = engine::last_error();
  const std::size_t n = std::min<std::size_t>(text.size(), GETSETSTRLEN - 1);
  std::memcpy(lastErrMsg, text.data(), n);
  lastErrMsg[n] = '\0';
}

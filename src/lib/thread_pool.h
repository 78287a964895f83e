// The one process-wide work-stealing pool that all parallel work runs on.
#pragma once

#include <cstddef>

#include <oneapi/tbb/task_arena.h>

namespace vastorin::pool {

// Worker threads of the global pool, created with one worker per logical processor if it does
// not exist yet.
std::size_t thread_count();

// Creates the global pool with `count` workers (0 lets the pool choose) and waits until they
// have all started. Raises an internal error when the pool already exists.
void set_thread_count(std::size_t count);

// The global pool, created with its default size on first use.
oneapi::tbb::task_arena& global();

}  // namespace vastorin::pool

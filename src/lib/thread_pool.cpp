#include "lib/thread_pool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/parallel_for.h>

#include "exceptions/error.h"

namespace vastorin::pool {

namespace {

namespace tbb = oneapi::tbb;

struct GlobalPool {
  explicit GlobalPool(int workers)
      // TBB caps its worker threads at the processor count unless told otherwise; a pool
      // larger than the machine must be allowed its threads.
      : control(tbb::global_control::max_allowed_parallelism,
                std::max(workers, tbb::info::default_concurrency())),
        arena(workers) {
    arena.initialize();
  }
  tbb::global_control control;
  tbb::task_arena arena;
};

// More threads than any machine can run; asking for them is a failure to start, not a request
// to cut down silently.
constexpr std::size_t kMaxThreads = 4096;

std::mutex g_mutex;
// Never destroyed: worker threads may outlive every other static of the process.
GlobalPool* g_pool = nullptr;

// Runs one task per worker, each waiting until all have arrived, so that every thread of the
// pool is known to be running. False when they do not all start within the time limit.
bool wait_for_workers(GlobalPool& pool) {
  const int workers = pool.arena.max_concurrency();
  std::atomic<int> arrived{0};
  std::atomic<bool> all_started{true};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  pool.arena.execute([&] {
    tbb::parallel_for(
        tbb::blocked_range<int>(0, workers, 1),
        [&](const tbb::blocked_range<int>&) {
          arrived.fetch_add(1);
          while (arrived.load() < workers) {
            if (std::chrono::steady_clock::now() > deadline) {
              all_started = false;
              return;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
          }
        },
        tbb::simple_partitioner());
  });
  return all_started.load();
}

}  // namespace

// The system builds no pool but the global one, so a worker's pool is always that one.
std::size_t thread_count() { return static_cast<std::size_t>(global().max_concurrency()); }

void set_thread_count(std::size_t count) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (g_pool != nullptr) throw InternalError("The global thread pool has already been initialized");
  if (count > kMaxThreads)
    throw InternalError("The global thread pool could not start " + std::to_string(count) + " threads");
  const int workers = count == 0 ? tbb::info::default_concurrency() : static_cast<int>(count);
  auto pool = std::make_unique<GlobalPool>(workers);
  if (!wait_for_workers(*pool)) throw InternalError("The global thread pool could not start its threads");
  g_pool = pool.release();
}

tbb::task_arena& global() {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (g_pool == nullptr) g_pool = new GlobalPool(tbb::info::default_concurrency());
  return g_pool->arena;
}

}  // namespace vastorin::pool

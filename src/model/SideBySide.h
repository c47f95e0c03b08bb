#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace trazello {

// Runs task(0) ... task(count - 1), each once, on up to `threads` threads, this one among them.
// A failure of any task is thrown here once all have finished, as it would be without threads;
// when no thread can be started, this one does all the work.
template <typename Task>
void runSideBySide(size_t count, size_t threads, Task&& task) {
  std::atomic<size_t> next{0};
  std::vector<std::exception_ptr> failures(count);
  auto work = [&] {
    for (size_t i = next++; i < count; i = next++) {
      try {
        task(i);
      } catch (...) {
        failures[i] = std::current_exception();
      }
    }
  };
  std::vector<std::thread> others;
  for (size_t t = 1; t < std::min(threads, count); ++t) {
    try {
      others.emplace_back(work);
    } catch (const std::system_error&) {
      break;
    }
  }
  work();
  for (std::thread& t : others) t.join();
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
}

// The threads worth starting for side-by-side work: the processors, at least one.
inline size_t processorCount() {
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace trazello

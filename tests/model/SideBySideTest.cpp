// Work split over threads: every task runs once, and a failing task's exception reaches the
// caller after the others have finished, as it would without threads.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "model/SideBySide.h"

namespace trazello {
namespace {

TEST(SideBySide, RunsEveryTaskOnceAndHandsOnAFailure) {
  for (size_t threads : {1, 3, 64}) {
    SCOPED_TRACE(threads);
    std::vector<std::atomic<int>> runs(100);
    runSideBySide(runs.size(), threads, [&](size_t i) { ++runs[i]; });
    for (const auto& r : runs) EXPECT_EQ(r, 1);

    std::atomic<int> done{0};
    EXPECT_THROW(runSideBySide(50, threads,
                               [&](size_t i) {
                                 if (i == 7) throw std::runtime_error("no memory");
                                 ++done;
                               }),
                 std::runtime_error);
    EXPECT_EQ(done, 49);
  }
}

}  // namespace
}  // namespace trazello

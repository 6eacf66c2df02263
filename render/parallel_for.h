#pragma once

#include <cstddef>
#include <functional>

namespace vev {

// Calls `work(i)` once for every i below `count`, spread over the machine's cores (the calling
// thread is one of them), and returns when all calls have returned. Which thread runs which i
// is left to chance, so each call must touch only what belongs to its i. The first exception a
// call throws is thrown again here, after the other threads have stopped.
void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work);

}  // namespace vev

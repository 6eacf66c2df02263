#include "render/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vev {
namespace {

constexpr unsigned kMostThreads = 4;  // beyond this the work of one frame no longer pays a thread

}  // namespace

void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work) {
  const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads);
  const std::size_t threads = std::min<std::size_t>(cores, count);
  if (threads <= 1) {
    for (std::size_t i = 0; i < count; ++i) work(i);
    return;
  }
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto drain = [&] {
    for (std::size_t i = next++; i < count; i = next++) {
      try {
        work(i);
      } catch (...) {
        const std::lock_guard lock(failureMutex);
        if (!failure) failure = std::current_exception();
        next = count;
      }
    }
  };
  std::vector<std::jthread> helpers;
  for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(drain);
  drain();
  helpers.clear();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace vev

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

// Joins the helpers however the caller's scope is left (std::jthread is missing in the browser
// build's library).
class Helpers {
 public:
  Helpers() = default;
  Helpers(const Helpers&) = delete;
  Helpers& operator=(const Helpers&) = delete;
  ~Helpers() { joinAll(); }

  template <typename Work>
  void start(const Work& work) {
    threads_.emplace_back(work);
  }
  void joinAll() {
    for (std::thread& thread : threads_) {
      if (thread.joinable()) thread.join();
    }
  }

 private:
  std::vector<std::thread> threads_;
};

// The browser build has no threads: a thread would fail to start there.
unsigned usableCores() {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
  return 1;
#else
  return std::thread::hardware_concurrency();
#endif
}

}  // namespace

void parallelFor(std::size_t count, const std::function<void(std::size_t)>& work) {
  const unsigned cores = std::clamp(usableCores(), 1u, kMostThreads);
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
  Helpers helpers;
  for (std::size_t t = 1; t < threads; ++t) helpers.start(drain);
  drain();
  helpers.joinAll();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace vev

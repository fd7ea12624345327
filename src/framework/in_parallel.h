#pragma once
// Pieces of work at once: the first on this thread, the others on threads of
// their own. A failure of any is raised here once all have ended.

#include <cstddef>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

// work(0) here, work(1) … work(count - 1) each on a thread of its own.
template <class Work>
void InParallelFor(std::size_t count, Work&& work) {
  std::vector<std::exception_ptr> failures(count);
  std::vector<std::thread> workers;
  workers.reserve(count > 0 ? count - 1 : 0);
  const auto run = [&](std::size_t i) {
    try {
      work(i);
    } catch (...) {
      failures[i] = std::current_exception();
    }
  };
  try {
    for (std::size_t i = 1; i < count; ++i) workers.emplace_back(run, i);
  } catch (...) {
    for (std::thread& worker : workers) worker.join();
    throw;
  }
  if (count > 0) run(0);
  for (std::thread& worker : workers) worker.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

// The second here, the first on another thread.
template <class First, class Second>
void InParallel(First&& first, Second&& second) {
  InParallelFor(2, [&](std::size_t i) {
    if (i == 0) {
      second();
    } else {
      first();
    }
  });
}

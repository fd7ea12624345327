#pragma once
// Two pieces of work at once: the second on this thread, the first on another.
// A failure of either is raised here once both have ended.

#include <exception>
#include <thread>
#include <utility>

template <class First, class Second>
void InParallel(First&& first, Second&& second) {
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      first();
    } catch (...) {
      failure = std::current_exception();
    }
  });
  try {
    second();
  } catch (...) {
    worker.join();
    throw;
  }
  worker.join();
  if (failure) std::rethrow_exception(failure);
}

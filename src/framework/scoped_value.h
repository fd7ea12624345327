#pragma once
// Work bracketed by a change and its undoing, for code that exceptions may
// leave: handlers throw, and the program goes on after showing the error.

#include <utility>

// Gives a variable a value for one scope and puts the old value back however
// the scope is left.
template <class T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value) : variable_(variable), old_(std::exchange(variable, std::move(value))) {}
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;
  ~ScopedValue() { variable_ = std::move(old_); }

 private:
  T& variable_;
  T old_;
};

// Runs `work`, then `finish`, also when `work` throws; its exception then
// passes on. Unlike a destructor, `finish` may itself throw.
template <class Work, class Finish>
void TryFinally(Work&& work, Finish&& finish) {
  try {
    work();
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

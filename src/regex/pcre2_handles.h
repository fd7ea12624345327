#pragma once
// Owners of PCRE2's match-time objects.

#include <pcre2.h>

#include <memory>
#include <new>

struct TMatchDataFree {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
using TMatchData = std::unique_ptr<pcre2_match_data, TMatchDataFree>;

// A stack of its own for matches run as machine code, in a match context:
// without one every match sets up a fresh stack area, which costs as much as
// a short match. One thread at a time.
class TJitStack {
 public:
  TJitStack()
      : stack_(pcre2_jit_stack_create(32 * 1024, 1024 * 1024, nullptr)),
        context_(pcre2_match_context_create(nullptr)) {
    if (!stack_ || !context_) throw std::bad_alloc();
    pcre2_jit_stack_assign(context_.get(), nullptr, stack_.get());
  }
  pcre2_match_context* Context() const { return context_.get(); }

 private:
  struct StackFree {
    void operator()(pcre2_jit_stack* stack) const { pcre2_jit_stack_free(stack); }
  };
  struct ContextFree {
    void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
  };
  std::unique_ptr<pcre2_jit_stack, StackFree> stack_;
  std::unique_ptr<pcre2_match_context, ContextFree> context_;
};

#include "framework/window_proc_hook.h"

struct TWindowProcHook::TLink {
  TWndMethod handler;
  TWndMethod saved;
  int running = 0;            // calls of the handler now on the stack
  bool pass_through = false;  // unhooked from under a foreign handler
};

// What the chain holds for a hook: a call of its handler.
struct TWindowProcHook::TCall {
  std::shared_ptr<TLink> link;

  // Whether `method` is the call of `target`.
  static bool Of(const TWndMethod& method, const TLink* target) {
    const auto* call = method.target<TCall>();
    return call != nullptr && call->link.get() == target;
  }

  void operator()(TMessage& message) const {
    // The chain may drop this call while it runs (its hook unhooked).
    const std::shared_ptr<TLink> keep = link;
    if (keep->pass_through) return keep->saved(message);
    ++keep->running;
    struct Done {
      TLink& link;
      ~Done() { --link.running; }
    } done{*keep};
    keep->handler(message);
  }
};

TWindowProcHook::~TWindowProcHook() {
  Unhook();
}

void TWindowProcHook::Hook(TControl& control, TWndMethod handler) {
  Unhook();
  link_ = std::make_shared<TLink>();
  link_->handler = std::move(handler);
  link_->saved = std::move(control.WindowProc);
  control.WindowProc = TCall{link_};
  control.window_proc_hooks_.push_back(this);
  control_ = &control;
}

TWndMethod* TWindowProcHook::Caller() const {
  if (TCall::Of(control_->WindowProc, link_.get())) return &control_->WindowProc;
  for (TWindowProcHook* hook : control_->window_proc_hooks_) {
    if (hook != this && TCall::Of(hook->link_->saved, link_.get())) return &hook->link_->saved;
  }
  return nullptr;
}

void TWindowProcHook::Unhook() {
  if (control_ == nullptr) return;
  // A copy, not a move: a call of this hook's handler may still be running
  // and pass the message on.
  if (TWndMethod* caller = Caller()) {
    *caller = link_->saved;
  } else {
    link_->pass_through = true;
  }
  std::erase(control_->window_proc_hooks_, this);
  control_ = nullptr;
}

void TWindowProcHook::CallSaved(TMessage& message) const {
  if (link_ == nullptr || (control_ == nullptr && link_->running == 0)) return;
  link_->saved(message);
}

void TWindowProcHook::ReleaseAll(TControl& control) {
  while (!control.window_proc_hooks_.empty()) {
    TWindowProcHook* hook = control.window_proc_hooks_.back();
    hook->Unhook();
    hook->link_.reset();
  }
}

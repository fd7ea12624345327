#pragma once
// A handler put in front of a control's WindowProc. It runs first and passes
// on what it does not keep with CallSaved, to the handler that was there
// before. Unhook gives back exactly what Hook took; several hooks of one
// control may go in any order: one leaving the middle of the chain splices
// itself out and the hooks above it go on calling through to the ones below.
//
// A control releases its hooks as it is freed, once its window's last
// messages have passed them: they then read as unhooked and never touch the
// control again. A hook freed first unhooks itself.
//
//   hook_.Hook(*control, [this](TMessage& m) {
//     if (m.Msg == WM_NCPAINT) return PaintFrame(m);
//     hook_.CallSaved(m);
//   });

#include <memory>
#include <vector>

#include "framework/control.h"

class TWindowProcHook {
 public:
  TWindowProcHook() = default;
  TWindowProcHook(const TWindowProcHook&) = delete;
  TWindowProcHook& operator=(const TWindowProcHook&) = delete;
  ~TWindowProcHook();

  // Puts `handler` in front of the control's WindowProc (unhooking from any
  // control this hook was on first).
  void Hook(TControl& control, TWndMethod handler);
  void Unhook();
  bool Hooked() const { return control_ != nullptr; }
  TControl* Control() const { return control_; }
  // Passes the message to the handler this hook took: while hooked, and for
  // the rest of a call of its own handler that unhooked it. Otherwise (the
  // control is gone) the message goes nowhere.
  void CallSaved(TMessage& message) const;

 private:
  friend class TControl;
  struct TLink;
  struct TCall;

  // The control is being freed: its hooks let it go, the latest first.
  static void ReleaseAll(TControl& control);
  // Where the call of this hook sits: the control's WindowProc or the saved
  // handler of the hook above; null when something else took its place.
  TWndMethod* Caller() const;

  TControl* control_ = nullptr;
  // Shared with the call in the chain, which keeps it while it runs.
  std::shared_ptr<TLink> link_;
};

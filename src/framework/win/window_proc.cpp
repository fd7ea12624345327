#include "framework/win/window_proc.h"

#include "framework/win/application.h"
#include "framework/win/control_link.h"
#include "framework/win/win_control.h"

namespace {

thread_local TWinControl* creating = nullptr;

TWinControl* ControlFor(HWND wnd) {
  if (TControl* linked = ControlOfWindow(wnd)) return static_cast<TWinControl*>(linked);
  if (creating == nullptr) return nullptr;
  TWinControl* control = std::exchange(creating, nullptr);
  LinkControl(wnd, control);
  control->AttachHandle(wnd);
  return control;
}

}  // namespace

CreatingControl::CreatingControl(TWinControl* control) : previous_(std::exchange(creating, control)) {}

CreatingControl::~CreatingControl() {
  creating = previous_;
}

LRESULT CALLBACK FrameworkWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  TWinControl* control = ControlFor(wnd);
  if (control == nullptr) return DefWindowProcW(wnd, msg, wparam, lparam);
  TMessage message{msg, wparam, lparam, 0};
  // The control may be gone once Dispatch returns (a form that released
  // itself): only the message is used after it.
  try {
    control->Dispatch(message);
  } catch (...) {
    HandleWindowException(std::current_exception());
  }
  return message.Result;
}

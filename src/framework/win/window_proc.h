#pragma once
// The one window procedure of every framework window. It finds the control
// through the window's control link and passes each message through the
// control's replaceable WindowProc; an exception thrown by a handler stops
// here and is shown by the application, never crossing into the system.

#include "framework/win/win_api.h"

class TWinControl;

LRESULT CALLBACK FrameworkWindowProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

// Names the control whose window is being created on this thread, so that
// the window's first messages (before CreateWindowEx returns) reach it.
class CreatingControl {
 public:
  explicit CreatingControl(TWinControl* control);
  CreatingControl(const CreatingControl&) = delete;
  CreatingControl& operator=(const CreatingControl&) = delete;
  ~CreatingControl();

 private:
  TWinControl* previous_;
};

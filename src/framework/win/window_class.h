#pragma once
// Window classes of the framework. Each windowed control class registers a
// window class under its framework class name: a superclass of the system
// class it wraps (BUTTON, EDIT, ...) or a class of its own. Every framework
// class has the same window procedure, which finds the control through the
// window's control link; the system class's procedure stays its default
// handling.

#include "framework/win/win_api.h"

class TWinControl;

struct TWindowClass {
  const wchar_t* name;    // the framework class name
  const wchar_t* system;  // the system class it extends, or null for its own
  // Class styles: those of a class of its own, or added to the system
  // class's (a class with its own device context drops CS_PARENTDC).
  UINT style = 0;
};

// Registers the class once (later calls find it) and answers the procedure
// that handles whatever the control passes on: the system class's procedure,
// or DefWindowProcW.
WNDPROC RegisterWindowClass(const TWindowClass& window_class);

// Creates the window of `control` with the given class and parameters. The
// control is linked to the window from the first message the window gets.
HWND CreateControlWindow(TWinControl* control, const TWindowClass& window_class, const CREATESTRUCTW& params);

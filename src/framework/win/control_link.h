#pragma once
// The link from a window handle back to the framework control that owns the
// window: a window property named "ControlOfs%.8X%.8X" (module instance, thread
// id) holds the control. The skin engine reads the same property.

#include "framework/win/win_api.h"

#include <string>

class TControl;

// The property's name; a global atom of it is held for the program's life.
const std::wstring& ControlPropertyName();
ATOM ControlAtom();

void LinkControl(HWND wnd, TControl* control);
void UnlinkControl(HWND wnd);
// The control behind a window, or null for a zero handle and foreign windows.
TControl* ControlOfWindow(HWND wnd);

#pragma once
// A form's main menu on the form's window: the menu goes on the window when
// the window is made, when the form's Menu changes and on CM_MENUCHANGED, and
// comes off before the window goes (the system would destroy it). The
// window's menu messages reach the menu: commands click their item, an
// opening submenu clicks its item first, and owner-drawn items are measured
// and drawn by their handlers or the framework.

#include "framework/win/win_api.h"

#include "framework/messages.h"

class TComponent;
class TMainMenu;

class TFormMenu {
 public:
  TMainMenu* Menu() const { return menu_; }
  // `wnd` is the form's window, null while there is none.
  void SetMenu(TMainMenu* menu, HWND wnd);
  // The menu is going: forget it without touching it.
  void Forget(HWND wnd);
  void WindowCreated(HWND wnd);
  void WindowDestroying(HWND wnd);
  // Handles the menu messages of the form's window; false for every other
  // message and for those that the system's handling should see as well.
  bool HandleMessage(HWND wnd, TMessage& message);

 private:
  void Apply(HWND wnd);

  TMainMenu* menu_ = nullptr;  // not owned
};

// A component of `owner` is going: the owner and its other components stop
// referring to it as their popup menu, image list or popup component.
void ForgetMenuReferences(TComponent& owner, const TComponent* going);

#pragma once
// A context menu: Popup shows it at a screen point, owned by a hidden
// framework window that measures and draws its owner-drawn items, and runs
// the chosen item's Click once the menu has closed. Controls show their
// PopupMenu on a context-menu request when AutoPopup is on.

#include "framework/win/win_api.h"

#include "framework/menu.h"

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool AutoPopup() const { return auto_popup_; }
  void SetAutoPopup(bool auto_popup) { auto_popup_ = auto_popup; }
  // The control that showed the menu last.
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* component) { popup_component_ = component; }
  // Runs as the menu is about to show.
  const TNotifyEvent& OnPopup() const { return on_popup_; }
  void SetOnPopup(TNotifyEvent handler) { on_popup_ = std::move(handler); }

  // Shows the menu with its top-left at the screen point and tracks it until
  // it closes; then the chosen item, if any, is clicked.
  virtual void Popup(int x, int y);

 private:
  bool auto_popup_ = true;
  TComponent* popup_component_ = nullptr;  // not owned
  TNotifyEvent on_popup_;
};

// Answers a window's WM_CONTEXTMENU with the menu (when there is one and its
// AutoPopup is on): at the message's screen point, or at the window's
// top-left for the keyboard's request. True when the menu was shown.
bool ShowContextMenu(TPopupMenu* menu, TComponent* control, HWND wnd, LPARAM point);

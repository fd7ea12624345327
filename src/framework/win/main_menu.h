#pragma once
// A form's menu bar. The form that shows it tells it its window; after every
// change of the items the menu sends CM_MENUCHANGED to that window, whose
// form puts the updated menu on the window again.

#include "framework/win/win_api.h"

#include "framework/menu.h"

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window) { window_ = window; }

 protected:
  void MenuChanged() override;

 private:
  HWND window_ = nullptr;
};

#include "framework/win/main_menu.h"

#include "framework/messages.h"
#include "framework/win/native_menu.h"

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {
  SetNative(std::make_unique<TNativeMenu>(*this, true));
}

TMainMenu::~TMainMenu() {
  // The system destroys a window's menu with the window: it must not be ours.
  if (window_ != nullptr && IsWindow(window_) && GetMenu(window_) == Handle()) SetMenu(window_, nullptr);
}

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TMainMenu, TMenu>("TMainMenu");
  return info;
}

void TMainMenu::MenuChanged() {
  if (window_ != nullptr && !HasState(TComponentStateFlag::csLoading))
    SendMessageW(window_, CM_MENUCHANGED, 0, 0);
}

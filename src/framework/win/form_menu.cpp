#include "framework/win/form_menu.h"

#include "framework/win/main_menu.h"
#include "framework/win/menu_item_draw.h"
#include "framework/win/popup_menu.h"
#include "framework/win/win_control.h"

void TFormMenu::SetMenu(TMainMenu* menu, HWND wnd) {
  if (menu == menu_) return;
  if (menu_ != nullptr) menu_->SetWindowHandle(nullptr);
  menu_ = menu;
  if (wnd != nullptr) Apply(wnd);
}

void TFormMenu::Forget(HWND wnd) {
  menu_ = nullptr;
  if (wnd != nullptr) Apply(wnd);
}

void TFormMenu::WindowCreated(HWND wnd) {
  // As a change of the menu: whatever draws the window's frame hears of it.
  SendMessageW(wnd, CM_MENUCHANGED, 0, 0);
}

void TFormMenu::WindowDestroying(HWND wnd) {
  if (GetMenu(wnd) != nullptr && menu_ != nullptr && GetMenu(wnd) == menu_->Handle()) ::SetMenu(wnd, nullptr);
  if (menu_ != nullptr) menu_->SetWindowHandle(nullptr);
}

void TFormMenu::Apply(HWND wnd) {
  // A menu without items would show an empty bar.
  const HMENU handle = menu_ != nullptr && menu_->Items()->Count() > 0 ? menu_->Handle() : nullptr;
  if (menu_ != nullptr) menu_->SetWindowHandle(wnd);
  if (GetMenu(wnd) != handle) ::SetMenu(wnd, handle);
  DrawMenuBar(wnd);
}

bool TFormMenu::HandleMessage(HWND wnd, TMessage& m) {
  if (m.Msg == CM_MENUCHANGED) {
    Apply(wnd);
    return true;
  }
  if (menu_ == nullptr) return false;
  switch (m.Msg) {
    case WM_COMMAND:
      // From a menu or an accelerator, not from a control.
      return m.LParam == 0 && HIWORD(m.WParam) <= 1 && menu_->DispatchCommand(LOWORD(m.WParam));
    case WM_INITMENUPOPUP:
      if (HIWORD(m.LParam) == 0) menu_->DispatchPopup(reinterpret_cast<HMENU>(m.WParam));
      return false;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (measure->CtlType != ODT_MENU || !MeasureMenuMessage(*menu_, *measure)) return false;
      m.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (draw->CtlType != ODT_MENU || !DrawMenuMessage(*menu_, *draw)) return false;
      m.Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

void ForgetMenuReferences(TComponent& owner, const TComponent* going) {
  std::vector<TComponent*> components = owner.ComponentList();
  components.push_back(&owner);
  for (TComponent* component : components) {
    if (auto* control = ObjectAs<TWinControl>(component);
        control != nullptr && control->PopupMenu() == going) {
      control->SetPopupMenu(nullptr);
    }
    if (auto* menu = ObjectAs<TMenu>(component); menu != nullptr && menu->Images() == going) {
      menu->SetImages(nullptr);
    }
    if (auto* popup = ObjectAs<TPopupMenu>(component); popup != nullptr && popup->PopupComponent() == going) {
      popup->SetPopupComponent(nullptr);
    }
  }
}

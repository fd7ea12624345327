#include "framework/win/popup_menu.h"

#include <windowsx.h>

#include <utility>

#include "framework/published.h"
#include "framework/win/application.h"
#include "framework/win/menu_item_draw.h"
#include "framework/win/native_menu.h"
#include "framework/win/win_control.h"

namespace {

// The hidden window that owns the popup menus while they are tracked: the
// system sends it the menu's opening, measuring and drawing messages.
class TPopupWindow : public TWinControl {
 public:
  explicit TPopupWindow(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TPopupWindow, TWinControl>("TPopupWindow");
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPopupMenu* tracking = nullptr;  // the menu being shown

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.window_class = {L"TPopupWindow", nullptr, 0};
    params.style = WS_POPUP;
    params.ex_style = WS_EX_TOOLWINDOW;
    params.parent = nullptr;
  }

  void WndProc(TMessage& m) override {
    if (tracking != nullptr) {
      switch (m.Msg) {
        case WM_INITMENUPOPUP:
          tracking->DispatchPopup(reinterpret_cast<HMENU>(m.WParam));
          return;
        case WM_MEASUREITEM:
          if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU &&
              MeasureMenuMessage(*tracking, *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
            m.Result = TRUE;
            return;
          }
          break;
        case WM_DRAWITEM:
          if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU &&
              DrawMenuMessage(*tracking, *reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam))) {
            m.Result = TRUE;
            return;
          }
          break;
        default:
          break;
      }
    }
    TWinControl::WndProc(m);
  }
};

// One window for the program, owned by the application.
TPopupWindow& PopupWindow() {
  for (TComponent* component : Application().ComponentList()) {
    if (auto* window = ObjectAs<TPopupWindow>(component)) return *window;
  }
  return *new TPopupWindow(&Application());
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  SetNative(std::make_unique<TNativeMenu>(*this, false));
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup),
      PublishEvent("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup),
  };
  static const TClassInfo info = MakeClassInfo<TPopupMenu, TMenu>("TPopupMenu", properties);
  return info;
}

void TPopupMenu::Popup(int x, int y) {
  on_popup_(this);
  TPopupWindow& window = PopupWindow();
  TPopupMenu* const outer = std::exchange(window.tracking, this);
  const auto command = static_cast<unsigned>(TrackPopupMenu(
      Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, window.Handle(), nullptr));
  window.tracking = outer;
  if (command != 0) DispatchCommand(command);
}

bool ShowContextMenu(TPopupMenu* menu, TComponent* control, HWND wnd, LPARAM point) {
  if (menu == nullptr || !menu->AutoPopup()) return false;
  POINT p{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  if (p.x == -1 && p.y == -1) {
    p = {0, 0};
    ClientToScreen(wnd, &p);
  }
  menu->SetPopupComponent(control);
  menu->Popup(p.x, p.y);
  return true;
}

// The mouse on a skinned frame: caption and menu-bar buttons from hover to
// press to release, the actions they run, their hints, the skinned system
// menu, and the system commands that change the window's state.

#include <windowsx.h>

#include "framework/win/application.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/system_menu.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/skin_system_menu.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_skin_menu.h"
#include "skin/windows/win/win_sys_button.h"

namespace {
// Where a caption hint shows below the pointer.
constexpr int kHintBelowCursor = 24;
}  // namespace

POINT TWinSkinForm::ToWindow(POINT screen_point) const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {screen_point.x - r.left, screen_point.y - r.top};
}

TNCObject* TWinSkinForm::ObjectAt(POINT window_point) const {
  for (const auto& button : buttons_) {
    const TRect& r = button->BoundsRect;
    if (button->Visible && button->Definition().Action >= 0 && !button->Definition().Bitmap.Empty() &&
        window_point.x >= r.Left && window_point.x < r.Right && window_point.y >= r.Top &&
        window_point.y < r.Bottom) {
      return button.get();
    }
  }
  return menu_bar_ != nullptr ? menu_bar_->ButtonAt(window_point) : nullptr;
}

void TWinSkinForm::WmNcMouseMove(TMessage& m) {
  if (!active_) return;  // dropped: an inactive window shows no hover
  if (TNCObject* object = ObjectAt(ToWindow({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}))) {
    object->DoMouseEnter();
    m.Result = 0;
    return;
  }
  if (hot_ != nullptr) hot_->DoMouseLeave();
  hot_ = nullptr;
  hook_.CallSaved(m);
}

void TWinSkinForm::WmNcLButtonDown(TMessage& m) {
  HideHint();
  const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (TNCObject* object = ObjectAt(ToWindow(screen))) {
    if (!active_) SetForegroundWindow(window_);
    object->DoMouseDown();
    if (auto* menu_button = dynamic_cast<TMenuBtn*>(object)) menu_bar_->DropDown(*menu_button);
    m.Result = 0;
    return;
  }
  if (show_state_ == TShowState::ssMaximized && active_ && m.WParam == HTCAPTION) m.WParam = HTMENU;
  hook_.CallSaved(m);
}

void TWinSkinForm::WmNcLButtonUp(TMessage& m) {
  HideHint();
  const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TNCObject* object = ObjectAt(ToWindow(screen));
  if (object == nullptr) return hook_.CallSaved(m);
  m.Result = 0;
  auto* button = dynamic_cast<TWinSysButton*>(object);
  if (button == nullptr || hot_ != object || button->State != TNCState::ncsPressed) return;
  button->DoMouseUp();
  button->RunAction(screen);
}

void TWinSkinForm::WmNcLButtonDblClk(TMessage& m) {
  const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (TNCObject* object = ObjectAt(ToWindow(screen))) {
    auto* button = dynamic_cast<TWinSysButton*>(object);
    if (button != nullptr && button->IsIcon()) {
      SetTimerRunning(false);
      PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    m.Result = 0;
    return;
  }
  if (show_state_ != TShowState::ssNormal) {
    PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
  } else if (has_maximize_) {
    PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  } else {
    return hook_.CallSaved(m);
  }
  m.Result = 0;
}

void TWinSkinForm::WmNcRButtonDown(TMessage& m) {
  HideHint();
  if (m.WParam != HTCAPTION || mdi_role_ == TMdiRole::mrChild) return hook_.CallSaved(m);
  OpenSystemMenu({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}, false);
  m.Result = 0;
}

void TWinSkinForm::OpenSystemMenu(POINT screen_point, bool from_caption_button) {
  const auto now = static_cast<std::uint32_t>(GetTickCount());
  switch (SystemMenuRequest(now, last_system_menu_, static_cast<int>(GetDoubleClickTime()),
                            from_caption_button)) {
    case TSystemMenuRequest::smIgnore:
      return;
    case TSystemMenuRequest::smCloseWindow:
      last_system_menu_.reset();
      SetTimerRunning(false);
      PostMessageW(window_, WM_CLOSE, 0, 0);
      return;
    case TSystemMenuRequest::smOpen:
      break;
  }
  if (GetSystemMenu(window_, FALSE) == nullptr) return;
  last_system_menu_ = now;
  if (TSkinManage* manager = SkinManager()) manager->SetMenuKind(TMenuKind::mkSystem);
  if (!system_menu_) system_menu_ = std::make_unique<TSkinSystemMenu>(*this, *data_);
  TSystemMenuState state;
  state.Show = show_state_;
  state.HasMinimizeBox = has_minimize_;
  state.HasMaximizeBox = has_maximize_;
  popup_tracking_ = true;
  system_menu_->Popup(screen_point, state);
  popup_tracking_ = false;
}

void TWinSkinForm::RunCaptionAction(const TWinSysButton& button, POINT screen_point) {
  const int action = button.Definition().Action;
  switch (CaptionActionOf(action)) {
    case TCaptionAction::caClose:
      if (GetMenuState(GetSystemMenu(window_, FALSE), SC_CLOSE, MF_BYCOMMAND) == static_cast<UINT>(-1))
        return;
      SetTimerRunning(false);
      PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case TCaptionAction::caMaximizeRestore:
      if (!button.Enabled) return;
      if (show_state_ == TShowState::ssMaximized) {
        show_state_ = TShowState::ssNormal;
        PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        if (mdi_role_ == TMdiRole::mrChild && SkinManager() != nullptr) SkinManager()->SetMdiMaximised(true);
        show_state_ = TShowState::ssMaximized;
        PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        hot_ = nullptr;
      }
      return;
    case TCaptionAction::caMinimize:
      if (!button.Enabled) return;
      if (show_state_ == TShowState::ssMinimized) {
        PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
        return;
      }
      show_state_ = TShowState::ssMinimized;
      RestoreSysMenuStyle();
      PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return;
    case TCaptionAction::caSystemMenu:
      return OpenSystemMenu({screen_point.x + 1, screen_point.y + 1}, true);
    case TCaptionAction::caContextHelp:
      PostMessageW(window_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      return;
    case TCaptionAction::caMdiMinimize:
    case TCaptionAction::caMdiRestore:
    case TCaptionAction::caMdiClose: {
      const HWND client = SkinManager() != nullptr ? SkinManager()->MdiClient() : nullptr;
      const auto child =
          client != nullptr ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
      if (child == nullptr) return;
      const TCaptionAction kind = CaptionActionOf(action);
      const WPARAM command = kind == TCaptionAction::caMdiMinimize  ? SC_MINIMIZE
                             : kind == TCaptionAction::caMdiRestore ? SC_RESTORE
                                                                    : SC_CLOSE;
      SendMessageW(child, WM_SYSCOMMAND, command, 0);
      return;
    }
    case TCaptionAction::caCustom:
      PostMessageW(window_, SKM_CUSTOMACTION, static_cast<WPARAM>(action), 0);
      return;
  }
}

void TWinSkinForm::WmCommand(TMessage& m) {
  switch (LOWORD(m.WParam) & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      if (HIWORD(m.WParam) == 0 && m.LParam == 0 && LOWORD(m.WParam) >= 0xF000) {
        PostMessageW(window_, WM_SYSCOMMAND, LOWORD(m.WParam), 0);
        return;
      }
      break;
    default:
      break;
  }
  hook_.CallSaved(m);
}

void TWinSkinForm::WmSysCommand(TMessage& m) {
  const UINT command = static_cast<UINT>(m.WParam & 0xFFF0);
  if (command == SC_KEYMENU && !popup_tracking_ && static_cast<wchar_t>(m.LParam) == L' ') {
    POINT corner{0, 0};
    ClientToScreen(window_, &corner);
    OpenSystemMenu(corner, false);
    m.Result = 0;
    return;
  }
  if (command == SC_KEYMENU && !popup_tracking_ && menu_bar_ != nullptr) {
    const auto key = static_cast<wchar_t>(m.LParam);
    if (key != L'-' && GetCapture() == nullptr) {
      const bool opened = key == 0 ? menu_bar_->PressFirst() : menu_bar_->PressAccelerator(key);
      if (opened || key == 0) {
        m.Result = 0;
        return;
      }
    }
  }
  if (const auto state = ShowStateFromSysCommand(command)) {
    show_state_ = *state;
    if (show_state_ == TShowState::ssMinimized) RestoreSysMenuStyle();
    if (show_state_ == TShowState::ssNormal && mdi_role_ == TMdiRole::mrChild && SkinManager() != nullptr &&
        SkinManager()->MdiChildMaximised()) {
      SkinManager()->SetMdiMaximised(false);
    }
  }
  hook_.CallSaved(m);
}

void TWinSkinForm::WmTimer(TMessage& m) {
  m.Result = 0;
  if (popup_tracking_ || hot_ == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT p = ToWindow(cursor);
  const TRect& r = hot_->BoundsRect;
  if (p.x < r.Left || p.x >= r.Right || p.y < r.Top || p.y >= r.Bottom) {
    TNCObject* hot = hot_;
    hot->DoMouseLeave();
    hot_ = nullptr;
    ResetHint();
    return;
  }
  auto* button = dynamic_cast<TWinSysButton*>(hot_);
  if (button == nullptr || button->IsMenuBarButton()) return;
  hover_ms_ += static_cast<int>(kTimerInterval);
  switch (CaptionHintStep(hover_ms_, Application().HintPause(), Application().HintHidePause())) {
    case THintStep::hsShow: {
      const char* text = CaptionHintText(button->Definition().Action);
      if (*text == '\0') return;
      RECT window{};
      GetWindowRect(window_, &window);
      const int left = window.left + r.Left, top = cursor.y + kHintBelowCursor;
      data_->ShowCaptionHint(Bounds(left, top, 0, 0), text);
      return;
    }
    case THintStep::hsHide:
      return HideHint();
    case THintStep::hsWait:
      return;
  }
}

void TWinSkinForm::ResetHint() {
  hover_ms_ = 0;
  HideHint();
}

void TWinSkinForm::HideHint() {
  if (data_ != nullptr) data_->HideCaptionHint();
}

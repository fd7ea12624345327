#include "skin/windows/win/win_skin_form.h"

#include <windowsx.h>

#include "framework/win/form.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/mdi_cooperation.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/framework_menu_skin.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/skin_system_menu.h"
#include "skin/windows/win/win_skin_menu.h"
#include "skin/windows/win/win_sys_button.h"

namespace {

// The form's hover-and-hint timer; an identifier no framework window uses.
constexpr UINT_PTR kFormTimer = 0x5B1D;
// A newer system's request to draw the frame itself, which the skin swallows.
constexpr UINT kThemeNcPaint = 0xAE;

DWORD ExStyleOf(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

HWND FindChildOfClass(HWND parent, const wchar_t* class_name) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32];
    if (GetClassNameW(child, name, 32) > 0 && lstrcmpiW(name, class_name) == 0) return child;
  }
  return nullptr;
}

TBorderImageSize SizeOf(const TDataSkinObject* element) {
  if (element == nullptr) return {};
  return {element->Bitmap.Width(), element->Bitmap.Height(), element->Frame};
}

}  // namespace

TWinSkinForm::TWinSkinForm(TCustomForm* form, HWND window, AnsiString class_name)
    : TComponent(form), window_(window), class_name_(std::move(class_name)), form_(form) {}

TWinSkinForm::~TWinSkinForm() {
  life_ = TFormLifeState::flsDestroying;
  SetTimerRunning(false);
  FreeControlSkins();
  controls_.reset();
  form_hook_.Unhook();
  hook_.Unhook();
  UnhookMdiClient();
  buttons_.clear();
  menu_bar_.reset();
  system_menu_.reset();
  // The form's menus outlive this object (it is the form's newest component,
  // freed first); a window recreated later must not find the skin's
  // handlers left on them.
  if (framework_menus_ != nullptr) framework_menus_->Detach();
  if (TSkinManage* manager = SkinManager()) manager->RemoveSkinForm(this);
}

// --- set-up -----------------------------------------------------------------

void TWinSkinForm::AttachToForm(TSkinData& data, TCustomForm& form) {
  form_ = &form;
  if (data.OnBeforeSkinForm)
    data.OnBeforeSkinForm(&form, reinterpret_cast<TWindowHandle>(window_), class_name_);
  CommonSetup(data);
  if (frame_skinning_) form_hook_.Hook(form, [this](TMessage& m) { FormWndProc(m); });
  form_color_ = form.Color();
  form.SetColor(data.Colours[scButtonFace]);
  framework_menus_ = std::make_unique<TFrameworkMenuSkin>(data);
  framework_menus_->Attach(form);
}

void TWinSkinForm::AttachToWindow(TSkinData& data) {
  CommonSetup(data);
}

void TWinSkinForm::CommonSetup(TSkinData& data) {
  if (setup_done_) return;
  setup_done_ = true;
  if (TSkinManage* manager = SkinManager()) {
    manager->SetState(TSkinManagerState::smsRunning);
    controls_ = manager->MakeControlSkins(*this);
  }
  data_ = &data;
  frame_skinning_ = data.SkinControls().Contains(TSkinControlType::xcMainMenu);
  const DWORD style = Style(), ex_style = ExStyleOf(window_);
  right_to_left_ = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  child_ = (style & WS_CHILD) != 0;
  has_system_menu_ = (style & WS_SYSMENU) != 0;
  has_minimize_ = (style & WS_MINIMIZEBOX) != 0;
  has_maximize_ = (style & WS_MAXIMIZEBOX) != 0;
  has_help_ = (ex_style & WS_EX_CONTEXTHELP) != 0;
  ReadShowState();
  sized_state_ = show_state_;
  HWND client = FindChildOfClass(window_, L"MDIClient");
  if (client != nullptr) {
    mdi_role_ = TMdiRole::mrParent;
  } else if (ex_style & WS_EX_MDICHILD) {
    mdi_role_ = TMdiRole::mrChild;
    const TSkinData* main = SkinManager() != nullptr ? SkinManager()->MainSkinData() : nullptr;
    if (main != nullptr && main->Options().Contains(TSkinOption::xoMDIChildBorder)) frame_skinning_ = false;
  }
  dialog_ = IsDialogClass(class_name_);
  kind_ = FrameKindOf(style, ex_style, dialog_);
  const DWORD version = GetVersion();
  keep_styles_ =
      KeepsStyles((version & 0x80000000) == 0, LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version)), ex_style,
                  GetWindow(window_, GW_OWNER) != nullptr, mdi_role_ == TMdiRole::mrChild);
  if (mdi_role_ == TMdiRole::mrParent) BecomeMdiParent(client);
  hook_.Hook(window_, [this](TMessage& m) { WndProc(m); });
  if (!frame_skinning_) {
    life_ = TFormLifeState::flsRunning;
    return;
  }
  HMENU native = child_ ? nullptr : GetMenu(window_);
  if (native != nullptr && mdi_role_ != TMdiRole::mrChild) {
    menu_bar_ = std::make_unique<TWinSkinMenu>(*this, data);
    metrics_.MenuBar = GetSystemMetrics(SM_CYMENU);
    menu_bar_->Build(native);
  }
  RefreshSkin();
  if (mdi_role_ != TMdiRole::mrChild) return;
  metrics_.MenuBar = std::max(
      metrics_.MenuBar,
      MdiChildMenuBarHeight(metrics_.Top, GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CXFRAME)));
  if (show_state_ == TShowState::ssMaximized && SkinManager() != nullptr &&
      !SkinManager()->MdiChildMaximised()) {
    SkinManager()->SetMdiMaximised(true);
  }
}

void TWinSkinForm::StartSkin() {
  // A window shown as it was made was skinned before its MDI client came.
  if (mdi_role_ == TMdiRole::mrNone && !child_) {
    if (HWND client = FindChildOfClass(window_, L"MDIClient")) BecomeMdiParent(client);
  }
  RECT window{}, client{};
  GetWindowRect(window_, &window);
  GetClientRect(window_, &client);
  recorded_client_ = {client.right, client.bottom};
  default_nc_width_ = (window.right - window.left) - client.right;
  default_nc_height_ = (window.bottom - window.top) - client.bottom;
  active_ = GetActiveWindow() == window_;
  if (controls_ != nullptr) controls_->MapControls();
  if (life_ == TFormLifeState::flsCreated && frame_skinning_ && mdi_role_ == TMdiRole::mrChild) {
    MdiChildStart();
  } else if (life_ == TFormLifeState::flsCreated && frame_skinning_ && !child_ &&
             kind_ != TFrameKind::fkNoCaption && show_state_ != TShowState::ssMinimized) {
    life_ = TFormLifeState::flsResizing;
    ResizeToSkinFrame(false);
    life_ = TFormLifeState::flsRunning;
    if (show_state_ == TShowState::ssMaximized) {
      ForceFrameChange();
    } else {
      BuildRegion();
    }
  }
  SendMessageW(window_, SKM_SKINDONE, 0, kSkinMagic);
  if (data_->OnAfterSkinForm)
    data_->OnAfterSkinForm(form_, reinterpret_cast<TWindowHandle>(window_), class_name_);
  life_ = TFormLifeState::flsRunning;
  SetTimerRunning(active_);
  if (frame_skinning_) PaintFrame(nullptr, false);
}

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (GetWindowPlacement(window_, &placement)) show_state_ = ShowStateFromShowCmd(placement.showCmd);
  if (IsIconic(window_)) show_state_ = TShowState::ssMinimized;
}

void TWinSkinForm::RefreshSkin() {
  if (data_ == nullptr || data_->NotLoaded) return;
  const int menu_bar = metrics_.MenuBar;
  metrics_ = FrameMetricsOf(kind_, SizeOf(data_->BorderLeft.get()), SizeOf(data_->BorderTop.get()),
                            SizeOf(data_->BorderRight.get()), SizeOf(data_->BorderBottom.get()), menu_bar);
  RebuildCaptionButtons();
  if (life_ != TFormLifeState::flsRunning) return;
  // Borders of another size must not eat into the client area or add to it:
  // the window grows or shrinks around the client it has now.
  if (frame_skinning_ && (mdi_role_ == TMdiRole::mrChild || !child_) && kind_ != TFrameKind::fkNoCaption &&
      show_state_ == TShowState::ssNormal) {
    return ResizeToSkinFrame(true);
  }
  ForceFrameChange();
}

void TWinSkinForm::ReloadSkinData() {
  hot_ = nullptr;
  buttons_.clear();
}

void TWinSkinForm::RebuildCaptionButtons() {
  hot_ = nullptr;
  buttons_.clear();
  for (const auto& definition : data_->SysButtons) {
    buttons_.push_back(std::make_unique<TWinSysButton>(*this, *definition));
  }
}

void TWinSkinForm::ReapplyToControls() {
  // A framework form re-applies through its message handler, after what is
  // queued for it; without one (no frame skinning, a foreign window) at once.
  if (form_ != nullptr && form_hook_.Hooked()) {
    PostMessageW(window_, SKM_REAPPLY, 0, 0);
  } else {
    Reapply();
  }
}

bool TWinSkinForm::AddControlSkin(TSkinControl& skin) {
  return controls_ != nullptr && controls_->Add(skin);
}

void TWinSkinForm::RemoveControlSkin(TSkinControl& skin) {
  if (controls_ != nullptr) controls_->Remove(skin);
}

void TWinSkinForm::MapWindow(HWND window) {
  if (controls_ != nullptr) controls_->MapWindow(window);
}

void TWinSkinForm::FreeControlSkins() {
  if (controls_ != nullptr) controls_->FreeAll();
}

void TWinSkinForm::Reapply() {
  if (form_ != nullptr) form_->SetColor(data_->Colours[scButtonFace]);
  if (controls_ != nullptr) {
    controls_->SkinChanged();
    // Controls made since the set-up get their skins now.
    controls_->MapControls();
  }
  life_ = TFormLifeState::flsReapplying;
  if (frame_skinning_ && form_ != nullptr) {
    ResizeToSkinFrame(true);
    BuildRegion();
  }
  SendMessageW(window_, SKM_SKINDONE, 0, kSkinMagic);
  if (data_->OnAfterSkinForm)
    data_->OnAfterSkinForm(form_, reinterpret_cast<TWindowHandle>(window_), class_name_);
  life_ = TFormLifeState::flsRunning;
}

void TWinSkinForm::ResizeToSkinFrame(bool fresh_client) {
  if (mdi_role_ == TMdiRole::mrChild && show_state_ == TShowState::ssMaximized) return ForceFrameChange();
  SIZE client = recorded_client_;
  if (fresh_client) {
    RECT r{};
    GetClientRect(window_, &r);
    client = {r.right, r.bottom + metrics_.MenuBar};
  }
  // An MDI child's band below the title is not a menu taken off the window:
  // the whole client area stays.
  const int menu_taken = mdi_role_ == TMdiRole::mrChild ? 0 : metrics_.MenuBar;
  TSkinFrameSize size = SkinFrameSize(client.cx, client.cy - menu_taken, metrics_);
  if (dialog_) {
    const std::wstring text = ReadWindowText(window_);
    const WindowDC screen(nullptr);
    const SelectedObject font(screen.get(), WinPart(*data_)->CaptionFont());
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    const TDialogWiden widen =
        WidenDialogForCaption(size.Width, extent.cx, data_->Title->LeftWidth, data_->Title->RightWidth);
    if (widen.ChildShift > 0) {
      for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
           child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + widen.ChildShift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
    }
    size.Width = widen.Width;
  }
  SetWindowPos(window_, nullptr, 0, 0, size.Width, size.Height,
               SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
}

void TWinSkinForm::ForceFrameChange() {
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinSkinForm::SetTimerRunning(bool running) {
  if (running == timer_running_) return;
  timer_running_ = running;
  if (running) {
    SetTimer(window_, kFormTimer, kTimerInterval, nullptr);
  } else {
    KillTimer(window_, kFormTimer);
    if (hot_ != nullptr) hot_->DoMouseLeave();
    hot_ = nullptr;
    HideHint();
  }
}

void TWinSkinForm::Detach() {
  const bool destroying = life_ == TFormLifeState::flsDestroyed || !IsWindow(window_);
  system_menu_.reset();
  SetTimerRunning(false);
  form_hook_.Unhook();
  hook_.Unhook();
  UnhookMdiClient();
  FreeControlSkins();
  if (form_ != nullptr && !destroying) form_->SetColor(form_color_);
  if (framework_menus_ != nullptr && !destroying) framework_menus_->Detach();
  framework_menus_.reset();
  if (destroying) return menu_bar_.reset();
  RestoreSysMenuStyle();
  if (menu_bar_) {
    menu_bar_->Restore();
    menu_bar_.reset();
  }
  // A maximised MDI child already has the system's frame.
  const bool maximised_child = mdi_role_ == TMdiRole::mrChild && show_state_ == TShowState::ssMaximized;
  if (frame_skinning_ && (mdi_role_ == TMdiRole::mrChild || !child_) && life_ != TFormLifeState::flsCreated &&
      kind_ != TFrameKind::fkNoCaption && !maximised_child) {
    RECT r{};
    GetWindowRect(window_, &r);
    const TSkinFrameSize size = RestoredFrameSize(r.right - r.left, r.bottom - r.top, default_nc_width_,
                                                  default_nc_height_, metrics_);
    SetWindowPos(window_, nullptr, 0, 0, size.Width, size.Height,
                 SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  RemoveRegion();
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::QuickDetach() {
  system_menu_.reset();
  SetTimerRunning(false);
  form_hook_.Unhook();
  hook_.Unhook();
  FreeControlSkins();
  menu_bar_.reset();
}

void TWinSkinForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      if (life_ == TFormLifeState::flsCreated) return;  // nothing until the frame is set up
      break;
    case WM_ERASEBKGND:
      return WmEraseBkgnd(m);
    case WM_NCDESTROY:
      return WmNcDestroy(m);
    case WM_NCACTIVATE:
      // Before the set-up completes the frame is not drawn; the activation
      // itself goes ahead (TRUE lets a deactivation proceed).
      if (life_ == TFormLifeState::flsCreated && mdi_role_ != TMdiRole::mrChild) {
        active_ = m.WParam != 0;
        m.Result = 1;
        return;
      }
      break;
    case kThemeNcPaint:
      m.Result = 0;
      return;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = SkinManager()) {
        const auto menu = reinterpret_cast<HMENU>(m.WParam);
        const bool system = menu == GetSystemMenu(window_, FALSE) ||
                            (system_menu_ != nullptr && menu == system_menu_->Handle());
        manager->SetMenuKind(system ? TMenuKind::mkSystem : TMenuKind::mkMenuBar);
      }
      return hook_.CallSaved(m);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      return WmCtlColor(m);
    case SKM_STARTSKIN:
      return StartSkin();
    case SKM_RESKINSCROLL:
      if (controls_ != nullptr) controls_->Reskin(reinterpret_cast<HWND>(m.WParam));
      return;
    case SKM_ISSKINNED:
      m.Result = 1;
      PostMessageW(window_, SKM_SKINDONE, 0, kSkinMagic);
      return;
    case WM_TIMER:
      if (m.WParam == kFormTimer) return WmTimer(m);
      break;
    default:
      break;
  }
  if (!frame_skinning_ || !FrameHandled(m)) hook_.CallSaved(m);
}

// The frame's messages; false when the message goes to the window's own procedure.
bool TWinSkinForm::FrameHandled(TMessage& m) {
  if (child_ && mdi_role_ != TMdiRole::mrChild) return false;
  switch (m.Msg) {
    case WM_SIZE:
      return WmSize(m), true;
    case WM_ACTIVATE:
      active_ = LOWORD(m.WParam) != WA_INACTIVE;
      return false;
    case WM_GETMINMAXINFO:
      hook_.CallSaved(m);
      ReadShowState();
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadShowState();
      return false;
    case WM_SETICON:
      hook_.CallSaved(m);
      if (life_ == TFormLifeState::flsRunning) PaintTitle();
      return true;
    case WM_COMMAND:
      return WmCommand(m), true;
    case WM_SYSCOMMAND:
      return WmSysCommand(m), true;
    case SKM_MENUBARAT:
      if (menu_bar_) menu_bar_->DropDownAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      m.Result = 0;
      return true;
    case CM_MENUCHANGED:
      return CmMenuChanged(m), true;
    default:
      break;
  }
  if (life_ == TFormLifeState::flsCreated ||
      (mdi_role_ == TMdiRole::mrChild && show_state_ == TShowState::ssMaximized)) {
    return false;
  }
  switch (m.Msg) {
    case WM_NCACTIVATE:
      return WmNcActivate(m), true;
    case WM_NCCALCSIZE:
      return WmNcCalcSize(m), true;
    case WM_NCHITTEST:
      return WmNcHitTest(m), true;
    case WM_NCPAINT:
      return WmNcPaint(m), true;
    case WM_NCMOUSEMOVE:
      return WmNcMouseMove(m), true;
    case WM_NCLBUTTONDOWN:
      return WmNcLButtonDown(m), true;
    case WM_NCLBUTTONUP:
      return WmNcLButtonUp(m), true;
    case WM_NCLBUTTONDBLCLK:
      return WmNcLButtonDblClk(m), true;
    case WM_NCRBUTTONDOWN:
      return WmNcRButtonDown(m), true;
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (item.CtlType != ODT_MENU) return false;
      if (system_menu_ != nullptr && system_menu_->Measure(item)) return m.Result = 1, true;
      if (menu_bar_ == nullptr) return false;
      return WmMeasureItem(m), true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (item.CtlType != ODT_MENU) return false;
      if (system_menu_ != nullptr && system_menu_->Draw(item)) return m.Result = 1, true;
      if (menu_bar_ == nullptr) return false;
      return WmDrawItem(m), true;
    }
    case SKM_REPAINTFRAME:
      PaintFrame(nullptr, false);
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::FormWndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      form_hook_.CallSaved(m);
      if (!IsWindowVisible(window_)) return;
      if (mdi_role_ == TMdiRole::mrChild && show_state_ == TShowState::ssMaximized) {
        if (HWND client = GetParent(window_)) PostMessageW(client, SKM_MDIREDRAW, 0, 0);
        return;
      }
      if (show_state_ == TShowState::ssMinimized) return PaintFrame(nullptr, false);
      return ForceFrameChange();
    case SKM_REAPPLY:
      return Reapply();
    case CM_DIALOGCHAR:
      form_hook_.CallSaved(m);
      if (m.Result == 0 && menu_bar_ != nullptr && GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 &&
          GetKeyState(VK_SHIFT) >= 0 && menu_bar_->PressAccelerator(static_cast<wchar_t>(m.WParam))) {
        m.Result = 1;
      }
      return;
    case SKM_PAINTPART:
      if (m.LParam != kSkinMagic) return;
      if (m.WParam != 0) PaintFrame(reinterpret_cast<HDC>(m.WParam), false);
      m.Result = kSkinMagic;
      return;
    case SKM_PING:
      m.Result = m.LParam == kSkinMagic ? kSkinMagic : 1;
      return;
    default:
      return form_hook_.CallSaved(m);
  }
}

void TWinSkinForm::WmEraseBkgnd(TMessage& m) {
  hook_.CallSaved(m);
  if (form_ != nullptr) return;
  RECT r{};
  GetClientRect(window_, &r);
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, WinPart(*data_)->FaceBrush());
  m.Result = 1;
}

void TWinSkinForm::WmCtlColor(TMessage& m) {
  hook_.CallSaved(m);
  if (form_ != nullptr) return;
  SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
  if (m.Msg == WM_CTLCOLORSTATIC) m.Result = reinterpret_cast<LRESULT>(WinPart(*data_)->FaceBrush());
}

void TWinSkinForm::WmNcDestroy(TMessage& m) {
  life_ = TFormLifeState::flsDestroying;
  QuickDetach();
  hook_.CallSaved(m);
  life_ = TFormLifeState::flsDestroyed;
}

void TWinSkinForm::WmSize(TMessage& m) {
  hook_.CallSaved(m);
  if (const auto state = ShowStateFromSizeType(static_cast<unsigned>(m.WParam))) show_state_ = *state;
  // The parent's menu bar shows a maximised child's buttons. Compared with the
  // last size, not the show state, which a caption click sets ahead of it.
  if (mdi_role_ == TMdiRole::mrChild && MdiChildChangeRedrawsParent(sized_state_, show_state_)) {
    if (HWND client = GetParent(window_)) PostMessageW(client, SKM_MDIREDRAW, 0, 0);
  }
  sized_state_ = show_state_;
  if (show_state_ == TShowState::ssMinimized) return RestoreSysMenuStyle();
  const bool mdi_maximised = SkinManager() != nullptr && SkinManager()->MdiChildMaximised();
  if (SizeRebuildsRegion(show_state_, mdi_role_ == TMdiRole::mrChild, mdi_maximised, life_)) BuildRegion();
}

void TWinSkinForm::WmNcActivate(TMessage& m) {
  active_ = m.WParam != 0;
  SetTimerRunning(active_);
  if (mdi_role_ == TMdiRole::mrParent && SkinManager() != nullptr && SkinManager()->MdiClient() != nullptr) {
    SendMessageW(SkinManager()->MdiClient(), WM_NCACTIVATE, m.WParam, 0);
  }
  if (mdi_role_ == TMdiRole::mrChild) hook_.CallSaved(m);
  PaintFrame(nullptr, false);
  m.Result = 1;
}

void TWinSkinForm::WmNcCalcSize(TMessage& m) {
  hook_.CallSaved(m);
  if (m.WParam == 0) {
    m.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
  if (kind_ == TFrameKind::fkNoCaption ||
      (mdi_role_ == TMdiRole::mrChild && show_state_ != TShowState::ssNormal)) {
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS& pos = *params->lppos;
  const TRect client = SkinClientRect(Bounds(pos.x, pos.y, pos.cx, pos.cy), metrics_);
  params->rgrc[0] = RECT{client.Left, client.Top, client.Right, client.Bottom};
  params->rgrc[1] = params->rgrc[0];
  m.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::WmNcHitTest(TMessage& m) {
  hook_.CallSaved(m);
  const POINT p = ToWindow(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  m.Result = SkinHitTest(static_cast<int>(m.Result), p.x, p.y, metrics_);
}

void TWinSkinForm::WmNcPaint(TMessage& m) {
  DropSysMenuStyle();
  if (!data_->FramePainting()) {
    m.Result = 0;
    return;
  }
  if (kind_ == TFrameKind::fkNoCaption) return hook_.CallSaved(m);
  PaintFrame(nullptr, false);
  m.Result = 0;
}

void TWinSkinForm::DropSysMenuStyle() {
  if (keep_styles_ || show_state_ == TShowState::ssMinimized) return;
  const DWORD style = Style();
  if ((style & WS_SYSMENU) == 0) return;
  SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_SYSMENU));
  sysmenu_dropped_ = true;
}

void TWinSkinForm::RestoreSysMenuStyle() {
  if (!sysmenu_dropped_) return;
  sysmenu_dropped_ = false;
  if (IsWindow(window_)) SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(Style() | WS_SYSMENU));
}

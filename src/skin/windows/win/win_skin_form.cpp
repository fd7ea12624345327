#include "skin/windows/win/win_skin_form.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/caption_text.h"
#include "skin/windows/menu_layout.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/framework_menu_skin.h"
#include "skin/windows/win/menu_item_paint.h"
#include "skin/windows/win/paint/window_region.h"
#include "skin/windows/win/paint/work_bitmap.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/skin_system_menu.h"
#include "skin/windows/win/win_skin_menu.h"
#include "skin/windows/win/win_skin_pop_menu.h"
#include "skin/windows/win/win_sys_button.h"

namespace {

// The form's hover-and-hint timer; an identifier no framework window uses.
constexpr UINT_PTR kFormTimer = 0x5B1D;
constexpr UINT kFormTimerInterval = 250;
// A newer system's request to draw the frame itself, which the skin swallows.
constexpr UINT kThemeNcPaint = 0xAE;
// Where a caption hint shows below the pointer.
constexpr int kHintBelowCursor = 24;

const wchar_t kCaptionPrefix[] = L" ";
const wchar_t kCaptionSuffix[] = L"  ";

DWORD StyleOf(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}
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

TColor Resolve(const TSkinData& data, TColor colour) {
  return data.Environment().SystemColours().Resolve(colour);
}

HICON WindowIcon(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
  // IDI_APPLICATION: the system's default application icon.
  if (icon == nullptr) icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
  return icon;
}

// A border element's frame drawn at a piece's size: tiled unless the skin
// asks for stretching, frames stacked for the top and bottom borders.
TSkinBitmap BorderPiece(const TDataSkinObject& element, const TRect& piece, bool active, bool vertical) {
  return BuildElementBitmap(Bounds(0, 0, piece.Width(), piece.Height()), element.Bitmap, element.Margins(),
                            BorderFrameIndex(active, element.Frame), element.Frame, element.Tile != 1,
                            vertical);
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
  form_hook_.Unhook();
  hook_.Unhook();
  buttons_.clear();
  menu_bar_.reset();
  system_menu_.reset();
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
  if (TSkinManage* manager = SkinManager()) manager->SetState(TSkinManagerState::smsRunning);
  data_ = &data;
  frame_skinning_ = data.SkinControls().Contains(TSkinControlType::xcMainMenu);
  const DWORD style = StyleOf(window_), ex_style = ExStyleOf(window_);
  right_to_left_ = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  child_ = (style & WS_CHILD) != 0;
  has_system_menu_ = (style & WS_SYSMENU) != 0;
  has_minimize_ = (style & WS_MINIMIZEBOX) != 0;
  has_maximize_ = (style & WS_MAXIMIZEBOX) != 0;
  has_help_ = (ex_style & WS_EX_CONTEXTHELP) != 0;
  ReadShowState();
  if (HWND client = FindChildOfClass(window_, L"MDIClient")) {
    mdi_role_ = TMdiRole::mrParent;
    if (TSkinManage* manager = SkinManager()) manager->SetMdiClient(client, form_);
  } else if (ex_style & WS_EX_MDICHILD) {
    mdi_role_ = TMdiRole::mrChild;
    const TSkinData* main = SkinManager() != nullptr ? SkinManager()->MainSkinData() : nullptr;
    if (main != nullptr && main->Options().Contains(TSkinOption::xoMDIChildBorder)) frame_skinning_ = false;
  }
  dialog_ = IsDialogClass(class_name_);
  kind_ = FrameKindOf(style, ex_style, dialog_);
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
}

void TWinSkinForm::StartSkin() {
  RECT window{}, client{};
  GetWindowRect(window_, &window);
  GetClientRect(window_, &client);
  recorded_client_ = {client.right, client.bottom};
  default_nc_width_ = (window.right - window.left) - client.right;
  default_nc_height_ = (window.bottom - window.top) - client.bottom;
  active_ = GetActiveWindow() == window_;
  if (life_ == TFormLifeState::flsCreated && frame_skinning_ && mdi_role_ != TMdiRole::mrChild && !child_ &&
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
  if (life_ == TFormLifeState::flsRunning) ForceFrameChange();
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
  // The controls' own skins re-read the skin through SKM_REAPPLY.
  if (form_ != nullptr) PostMessageW(window_, SKM_REAPPLY, 0, 0);
}

void TWinSkinForm::Reapply() {
  if (form_ != nullptr) form_->SetColor(data_->Colours[scButtonFace]);
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
  TSkinFrameSize size = SkinFrameSize(client.cx, client.cy - metrics_.MenuBar, metrics_);
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
    SetTimer(window_, kFormTimer, kFormTimerInterval, nullptr);
  } else {
    KillTimer(window_, kFormTimer);
    if (hot_ != nullptr) hot_->DoMouseLeave();
    hot_ = nullptr;
    HideHint();
  }
}

// --- detaching --------------------------------------------------------------

void TWinSkinForm::Detach() {
  const bool destroying = life_ == TFormLifeState::flsDestroyed || !IsWindow(window_);
  system_menu_.reset();
  SetTimerRunning(false);
  form_hook_.Unhook();
  hook_.Unhook();
  if (form_ != nullptr && !destroying) form_->SetColor(form_color_);
  if (framework_menus_ != nullptr && !destroying) framework_menus_->Detach();
  framework_menus_.reset();
  if (destroying) return menu_bar_.reset();
  RestoreSysMenuStyle();
  if (menu_bar_) {
    menu_bar_->Restore();
    menu_bar_.reset();
  }
  if (frame_skinning_ && (mdi_role_ == TMdiRole::mrChild || !child_) && life_ != TFormLifeState::flsCreated &&
      kind_ != TFrameKind::fkNoCaption) {
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
  menu_bar_.reset();
}

// --- messages ---------------------------------------------------------------

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

void TWinSkinForm::CmMenuChanged(TMessage& m) {
  {
    const TFramePaintingOff quiet(*data_);
    hook_.CallSaved(m);
  }
  HMENU menu = GetMenu(window_);
  if (menu == nullptr) return;
  if (menu_bar_ != nullptr && data_->MenuUpdate()) {
    menu_bar_->Build(menu);
    PaintFrame(nullptr, false);
  } else {
    SetMenu(window_, nullptr);
  }
}

// Items of the bar's drop-downs: sized from their text in the menu font.
void TWinSkinForm::WmMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  const HMENU menu = menu_bar_ != nullptr ? menu_bar_->TrackedMenu() : nullptr;
  wchar_t text[81] = {};
  if (menu != nullptr) GetMenuStringW(menu, item->itemID, text, 80, MF_BYCOMMAND);
  const std::wstring caption(text);
  const SIZE size = MeasureMenuText(caption);
  const TDataSkinObject* element =
      data_->MenuItem && !data_->MenuItem->Bitmap.Empty() ? data_->MenuItem.get() : nullptr;
  const TNativeItemSize native = NativeMenuItemSize(size.cx, size.cy, !caption.empty(), element != nullptr,
                                                    element ? element->LeftWidth : 0, false);
  item->itemWidth = static_cast<UINT>(native.Width);
  item->itemHeight = static_cast<UINT>(native.Height);
  m.Result = 1;
}

void TWinSkinForm::WmDrawItem(TMessage& m) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  const auto menu = reinterpret_cast<HMENU>(item->hwndItem);
  TSkinManage* manager = SkinManager();
  if (manager != nullptr) manager->AssignPopupMenu(menu);
  wchar_t text[81] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
  info.dwTypeData = text;
  info.cch = 80;
  GetMenuItemInfoW(menu, item->itemID, FALSE, &info);
  TMenuItemLook look;
  const std::wstring full(text);
  const std::size_t tab = full.find(L'\t');
  look.Caption = (info.fType & MFT_SEPARATOR) || full.empty() ? std::wstring(L"-") : full.substr(0, tab);
  if (tab != std::wstring::npos) look.ShortCut = full.substr(tab + 1);
  look.Enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
  look.Checked = (info.fState & MFS_CHECKED) != 0;
  look.Default = (info.fState & MFS_DEFAULT) != 0;
  look.Selected = (item->itemState & ODS_SELECTED) != 0;
  TMenuItemCanvas canvas;
  canvas.RightToLeft = right_to_left_;
  const TWinSkinPopMenu* popup = manager != nullptr ? manager->PopupShowing(menu) : nullptr;
  if (popup != nullptr && !popup->Background().Empty()) canvas.PopupBackground = &popup->Background();
  PaintMenuItem(item->hDC, item->rcItem, look, *data_, canvas);
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
  switch (m.WParam) {
    case SIZE_MINIMIZED:
      show_state_ = TShowState::ssMinimized;
      RestoreSysMenuStyle();
      return;
    case SIZE_MAXIMIZED:
      show_state_ = TShowState::ssMaximized;
      break;
    case SIZE_RESTORED:
      show_state_ = TShowState::ssNormal;
      break;
    default:
      break;
  }
  const bool mdi_ok =
      mdi_role_ != TMdiRole::mrChild ||
      (!(SkinManager() && SkinManager()->MdiChildMaximised()) && show_state_ == TShowState::ssNormal);
  if (mdi_ok && (life_ == TFormLifeState::flsRunning || life_ == TFormLifeState::flsReapplying))
    BuildRegion();
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
  const DWORD style = StyleOf(window_);
  if ((style & WS_SYSMENU) == 0) return;
  SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_SYSMENU));
  sysmenu_dropped_ = true;
}

void TWinSkinForm::RestoreSysMenuStyle() {
  if (!sysmenu_dropped_) return;
  sysmenu_dropped_ = false;
  if (IsWindow(window_))
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(StyleOf(window_) | WS_SYSMENU));
}

POINT TWinSkinForm::ToWindow(POINT screen_point) const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {screen_point.x - r.left, screen_point.y - r.top};
}

// --- caption buttons and the mouse ------------------------------------------

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
  switch (command) {
    case SC_MINIMIZE:
      show_state_ = TShowState::ssMinimized;
      RestoreSysMenuStyle();
      break;
    case SC_MAXIMIZE:
      show_state_ = TShowState::ssMaximized;
      break;
    case SC_RESTORE:
      show_state_ = TShowState::ssNormal;
      if (mdi_role_ == TMdiRole::mrChild && SkinManager() != nullptr && SkinManager()->MdiChildMaximised()) {
        SkinManager()->SetMdiMaximised(false);
      }
      break;
    default:
      break;
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
  hover_ms_ += static_cast<int>(kFormTimerInterval);
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

void TWinSkinForm::MdiMaximisedChanged(bool maximised) {
  if (mdi_role_ != TMdiRole::mrChild) return;
  if (maximised) return RemoveRegion();
  if (show_state_ == TShowState::ssMaximized) return;
  show_state_ = TShowState::ssNormal;
  BuildRegion();
  if (!region_set_) ForceFrameChange();
}

// --- painting -----------------------------------------------------------------

TCaptionFormState TWinSkinForm::CaptionState() const {
  TCaptionFormState state{};
  state.Maximized = show_state_ == TShowState::ssMaximized;
  state.Minimized = show_state_ == TShowState::ssMinimized;
  state.Active = active_;
  state.HasMinimizeBox = has_minimize_;
  state.HasMaximizeBox = has_maximize_;
  state.HasSystemMenu = has_system_menu_;
  state.HasHelpButton = has_help_;
  state.MdiParentWithMaximizedChild =
      mdi_role_ == TMdiRole::mrParent && SkinManager() != nullptr && SkinManager()->MdiChildMaximised();
  state.HasMenuBar = menu_bar_ != nullptr;
  state.Kind = kind_;
  state.DialogClass = dialog_;
  return state;
}

void TWinSkinForm::LayoutCaptionButtons(int window_width, const TRect& title_text) {
  const int menubar_left = data_->MenuBar ? data_->MenuBar->LeftWidth : 0;
  for (auto& button : buttons_) {
    button->BoundsRect = CaptionButtonRect(button->Def(), window_width, title_text, metrics_, menubar_left);
  }
}

void TWinSkinForm::PaintTitle() {
  PaintFrame(nullptr, true);
}

void TWinSkinForm::PaintFrame(HDC given, bool title_only) {
  if (data_ == nullptr || data_->NotLoaded || SharedWorkBitmap() == nullptr) return;
  if (life_ != TFormLifeState::flsRunning && life_ != TFormLifeState::flsReapplying) return;
  if (kind_ == TFrameKind::fkNoCaption) return;
  if (mdi_role_ == TMdiRole::mrChild && show_state_ == TShowState::ssMaximized) return;
  RECT window{};
  GetWindowRect(window_, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  const bool minimized = show_state_ == TShowState::ssMinimized;
  const int band = minimized ? height : std::min(height, metrics_.Top);
  const TSkinData& data = *data_;

  // The border pieces and the title band, composed as one image.
  const int image_height = title_only || minimized ? band : height;
  TSkinBitmap frame(width, std::max(image_height, 1), Resolve(data, data.Colours[scButtonFace]));
  const TBorderPieces pieces = BorderPieces(width, height, metrics_);
  if (!minimized && !title_only) {
    if (data.BorderLeft) DrawImage(frame, 0, 0, BorderPiece(*data.BorderLeft, pieces.Left, active_, false));
    if (data.BorderRight)
      DrawImage(frame, pieces.Right.Left, 0, BorderPiece(*data.BorderRight, pieces.Right, active_, false));
    if (data.BorderBottom)
      DrawImage(frame, pieces.Bottom.Left, pieces.Bottom.Top,
                BorderPiece(*data.BorderBottom, pieces.Bottom, active_, true));
  } else if (title_only && !minimized && data.BorderLeft && data.BorderRight) {
    // Only the title band: the side borders' top rows are part of it.
    const TSkinBitmap left = BorderPiece(*data.BorderLeft, pieces.Left, active_, false);
    const TSkinBitmap right = BorderPiece(*data.BorderRight, pieces.Right, active_, false);
    DrawImage(frame, 0, 0, left);
    DrawImage(frame, pieces.Right.Left, 0, right);
  }
  const TRect top = minimized ? Bounds(0, 0, width, band) : pieces.Top;
  if (data.BorderTop && top.Width() > 0 && top.Height() > 0) {
    DrawImage(frame, top.Left, top.Top, BorderPiece(*data.BorderTop, top, active_, true));
  }

  // The caption: its text rectangle decides where text-aligned buttons go.
  std::wstring text = kCaptionPrefix + ReadWindowText(window_) + kCaptionSuffix;
  const TCaptionFormState state = CaptionState();
  std::vector<TCaptionButtonDef> defs;
  const auto visible = std::make_unique<bool[]>(buttons_.size() + 1);
  for (auto& button : buttons_) {
    button->Visible = !button->IsMenuBarButton() &&
                      CaptionButtonVisible(button->Def(), state, [this](int code, int action) {
                        return static_cast<int>(
                            SendMessageW(window_, SKM_CUSTOMVISIBLE, static_cast<WPARAM>(code), action));
                      });
    button->Enabled = CaptionButtonEnabled(button->Def(), state);
    visible[defs.size()] = button->Visible;
    defs.push_back(button->Def());
  }
  const int reserve = RightReserve(defs, std::span<const bool>(visible.get(), defs.size()));

  TDibImage canvas(frame);
  if (canvas.DC() == nullptr) return;
  HDC dc = canvas.DC();
  SIZE text_size{};
  TRect text_rect{};
  {
    const SelectedObject font(dc, WinPart(data)->CaptionFont());
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    text_size = {measure.right, measure.bottom};
    TCaptionTextInput input{};
    input.TitleWidth = width;
    input.TitleHeight = metrics_.Top;
    input.TextWidth = text_size.cx;
    input.TextHeight = text_size.cy;
    input.TextAlignment = data.Title->TextAlignment;
    input.TextShift = data.Title->LeftWidth;
    input.TextShiftVert = data.Title->TopHeight;
    input.TextRightClip = data.Title->RightWidth;
    input.TXTBackleft = data.Title->TXTBackleft;
    input.TXTBackRight = data.Title->TXTBackRight;
    input.RightReserve = reserve;
    input.RightToLeft = right_to_left_;
    input.Popup = (StyleOf(window_) & WS_POPUP) != 0;
    input.Kind = kind_;
    text_rect = CaptionTextRect(input);
  }
  LayoutCaptionButtons(width, text_rect);

  // Back to pixels for the text background and the buttons' images.
  TSkinBitmap composed = canvas.ToImage();
  if (!data.Title->Bitmap.Empty()) {
    DrawElementStrip(composed, TRect{text_rect.Left, 0, text_rect.Right, metrics_.Top}, data.Title->Bitmap,
                     TRect{data.Title->TXTBackleft, 0, data.Title->TXTBackRight, 0}, active_ ? 1 : 2, 2, true,
                     true);
  }
  std::vector<const TWinSysButton*> icons;
  for (const auto& button : buttons_) {
    if (!button->Visible || button->Definition().Bitmap.Empty()) continue;
    if (button->IsIcon()) {
      // The application's icon where there is one, else the window's own.
      if (WinPart(data)->AppIcon().Empty()) {
        icons.push_back(button.get());
      } else {
        TransparentBlit(composed, button->BoundsRect, WinPart(data)->AppIcon(), clFuchsia);
      }
      continue;
    }
    const TDataSkinSysButton& def = button->Definition();
    const int frame_index = button->State != TNCState::ncsNormal
                                ? CaptionButtonFrame(button->State, button->Enabled, def.Frame, false)
                                : TitleBitmapButtonFrame(active_, button->Enabled, def.Frame);
    DrawSkinElement(composed, button->BoundsRect, def.Bitmap, TRect{}, frame_index, def.Frame, true, false,
                    false);
  }
  TDibImage final_canvas(composed);
  if (final_canvas.DC() == nullptr) return;
  dc = final_canvas.DC();
  for (const TWinSysButton* button : icons) {
    if (HICON icon = WindowIcon(window_)) {
      DrawIconEx(dc, button->BoundsRect.Left, button->BoundsRect.Top, icon, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), 0, nullptr, DI_NORMAL);
    }
  }
  {
    const SelectedObject font(dc, WinPart(data)->CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(
                         Resolve(data, data.Colours[active_ ? scTitleTextActive : scTitleTextNoActive])));
    const TRect draw = CaptionDrawRect(text_rect, data.Title->TXTBackleft, data.Title->TXTBackRight);
    RECT r{draw.Left, draw.Top, draw.Right, draw.Bottom};
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (right_to_left_) format |= DT_RIGHT | DT_RTLREADING;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    SetBkMode(dc, OPAQUE);
  }

  // One copy to the window, around the client area.
  HDC target = given;
  std::unique_ptr<WindowDC> window_dc;
  if (target == nullptr) {
    window_dc = std::make_unique<WindowDC>(window_, WindowDC::kWholeWindow);
    target = window_dc->get();
  }
  if (target == nullptr) return;
  {
    const SavedDC saved(target);
    if (!title_only && !minimized) {
      const TRect client = SkinClientRect(Bounds(0, 0, width, height), metrics_);
      ExcludeClipRect(target, client.Left, client.Top - metrics_.MenuBar, client.Right, client.Bottom);
    }
    BitBlt(target, 0, 0, width, image_height, dc, 0, 0, SRCCOPY);
  }
  if (!title_only && !minimized && metrics_.MenuBar > 0) {
    const TRect bar = MenuBarRect(width, metrics_);
    if (menu_bar_ != nullptr) {
      menu_bar_->Paint(target, bar);
    } else {
      RECT r{bar.Left, bar.Top, bar.Right, bar.Bottom};
      FillRect(target, &r, WinPart(data)->FaceBrush());
    }
  }
}

void TWinSkinForm::BuildRegion() {
  if (!frame_skinning_ || life_ == TFormLifeState::flsDestroyed || data_ == nullptr || data_->NotLoaded)
    return;
  if (mdi_role_ == TMdiRole::mrChild && show_state_ != TShowState::ssNormal) return;
  RECT window{};
  GetWindowRect(window_, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  if (region_set_ && region_size_.cx == width && region_size_.cy == height &&
      mdi_role_ != TMdiRole::mrChild && life_ != TFormLifeState::flsReapplying) {
    return;
  }
  const TSkinData& data = *data_;
  const auto trans = [](const auto& element) { return element && element->Trans != 0; };
  const TRegionPlan plan =
      PlanWindowRegion(width, height, metrics_, kind_, trans(data.BorderLeft), trans(data.BorderRight),
                       trans(data.BorderTop), trans(data.BorderBottom));
  UniqueRegion region(CreateRectRgn(0, 0, width, height));
  if (!plan.WholeWindow) {
    region =
        UniqueRegion(CreateRectRgn(plan.Client.Left, plan.Client.Top, plan.Client.Right, plan.Client.Bottom));
    for (const TRegionPlan::Piece& piece : plan.Pieces) {
      UniqueRegion part;
      if (piece.FromImage) {
        const TDataSkinObject* element = piece.Border == 0   ? data.BorderLeft.get()
                                         : piece.Border == 1 ? data.BorderRight.get()
                                         : piece.Border == 2 ? data.BorderBottom.get()
                                                             : data.BorderTop.get();
        const bool vertical = piece.Border >= 2;
        part = RegionFromBitmap(BorderPiece(*element, piece.Rect, true, vertical), piece.Rect.Left,
                                piece.Rect.Top, clFuchsia, 1, 1, 1);
      } else {
        part =
            UniqueRegion(CreateRectRgn(piece.Rect.Left, piece.Rect.Top, piece.Rect.Right, piece.Rect.Bottom));
      }
      if (part) CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
  }
  SetWindowRgn(window_, region.release(), TRUE);
  region_set_ = true;
  region_size_ = {width, height};
}

void TWinSkinForm::RemoveRegion() {
  if (!region_set_) return;
  region_set_ = false;
  region_size_ = {0, 0};
  if (IsWindow(window_)) SetWindowRgn(window_, nullptr, mdi_role_ == TMdiRole::mrChild);
}

#include "skin/windows/win/win_skin_menu.h"

#include <algorithm>

#include "framework/win/gdi.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/menu_layout.h"
#include "skin/windows/win/menu_item_paint.h"
#include "skin/windows/win/native_menu_item.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/win_skin_form.h"

namespace {

// The bar whose drop-down is being tracked: the message-filter hook's only
// way back to it.
TWinSkinMenu* tracked_bar = nullptr;

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

COLORREF Colour(const TSkinData& data, int slot) {
  return static_cast<COLORREF>(data.Environment().SystemColours().Resolve(data.Colours[slot]));
}

wchar_t AcceleratorOf(const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return caption[i + 1];
  }
  return 0;
}

wchar_t Upper(wchar_t c) {
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))));
}

// Every item below the bar is drawn by the skin.
void MakeOwnerDrawn(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    TNativeItem item;
    if (!ReadNativeItem(menu, static_cast<UINT>(i), true, item)) continue;
    if ((item.Type & MFT_OWNERDRAW) == 0) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE;
      info.fType = item.Type | MFT_OWNERDRAW;
      SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    }
    if (item.SubMenu != nullptr) MakeOwnerDrawn(item.SubMenu);
  }
}

struct TPopupProbe {
  int count = 0;
  HWND topmost = nullptr;
};

BOOL CALLBACK FindPopups(HWND window, LPARAM out) {
  wchar_t name[16];
  if (IsWindowVisible(window) && GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"#32768") == 0) {
    auto* probe = reinterpret_cast<TPopupProbe*>(out);
    if (probe->topmost == nullptr) probe->topmost = window;
    ++probe->count;
  }
  return TRUE;
}

// Whether the highlighted item of the innermost open menu has children.
bool CurrentItemHasChildren(HWND innermost) {
  constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(innermost, kGetMenuHandle, 0, 0));
  if (menu == nullptr) return false;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    TNativeItem item;
    if (ReadNativeItem(menu, static_cast<UINT>(i), true, item) && (item.State & MFS_HILITE) != 0) {
      return item.SubMenu != nullptr;
    }
  }
  return false;
}

}  // namespace

void TMenuBtn::Paint() {
  bar_.PaintButton(*this);
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form, TSkinData& data) : form_(form), data_(data) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (tracked_bar == this) tracked_bar = nullptr;
  if (filter_ != nullptr) UnhookWindowsHookEx(filter_);
}

void TWinSkinMenu::Build(HMENU native) {
  if (form_.HotObject() != nullptr && dynamic_cast<TMenuBtn*>(form_.HotObject()) != nullptr) {
    form_.SetHotObject(nullptr);
  }
  buttons_.clear();
  native_ = native;
  if (native == nullptr) return;
  const int count = GetMenuItemCount(native);
  for (int i = 0; i < count; ++i) {
    TNativeItem item;
    if (!ReadNativeItem(native, static_cast<UINT>(i), true, item)) continue;
    auto button = std::make_unique<TMenuBtn>(form_, *this, i);
    button->Caption = item.Text;
    button->SubMenu = item.SubMenu;
    button->Command = item.Id;
    button->Enabled = item.Enabled();
    button->Visible = true;
    buttons_.push_back(std::move(button));
  }
  SetMenu(form_.Window(), nullptr);
}

void TWinSkinMenu::Restore() {
  if (native_ != nullptr && IsWindow(form_.Window())) SetMenu(form_.Window(), native_);
}

void TWinSkinMenu::Layout(const TRect& bar, HDC dc, int rtl_limit) {
  const TDataSkinObject* element =
      data_.MenuBar && !data_.MenuBar->Bitmap.Empty() ? data_.MenuBar.get() : nullptr;
  const int start =
      MenuBarFirstButtonOffset(element != nullptr, element ? element->LeftWidth : 0,
                               element ? element->RightWidth : 0, bar.Width(), form_.RightToLeft());
  std::vector<int> widths;
  const auto visible = std::make_unique<bool[]>(buttons_.size() + 1);
  for (const auto& button : buttons_) {
    RECT r{0, 0, 0, 0};
    if (!button->Caption.empty()) {
      DrawTextW(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &r,
                DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    }
    visible[widths.size()] = button->Visible;
    widths.push_back(r.right);
  }
  const std::vector<TRect> rects =
      LayoutMenuBarButtons(bar, start, widths, std::span<const bool>(visible.get(), widths.size()),
                           form_.RightToLeft(), rtl_limit);
  for (std::size_t i = 0; i < buttons_.size() && i < rects.size(); ++i) buttons_[i]->BoundsRect = rects[i];
}

void TWinSkinMenu::Paint(HDC dc, const TRect& bar, std::span<const TBarImage> images, int rtl_limit) {
  if (bar.Width() <= 0 || bar.Height() <= 0) return;
  bar_ = bar;
  const TDataSkinObject* element =
      data_.MenuBar && !data_.MenuBar->Bitmap.Empty() ? data_.MenuBar.get() : nullptr;
  TSkinBitmap image(bar.Width(), bar.Height(),
                    data_.Environment().SystemColours().Resolve(data_.Colours[scMenubar]));
  if (element != nullptr) {
    const TRect local{0, 0, bar.Width(), bar.Height()};
    const int frame = form_.Active() ? 1 : 2;
    if (element->Tile == 1) {
      DrawSkinElement(image, local, element->Bitmap, element->Margins(), frame, 2, false, false, true);
    } else {
      DrawElementStrip(image, local, element->Bitmap, element->Margins(), frame, 2, false, true);
    }
  }
  background_ = image;
  for (const TBarImage& extra : images) {
    const TRect r = extra.Rect;
    DrawSkinElement(image, Bounds(r.Left - bar.Left, r.Top - bar.Top, r.Width(), r.Height()), *extra.Image,
                    TRect{}, extra.Frame, extra.Frames, true, false, false);
  }
  TDibImage composed(image);
  if (composed.DC() == nullptr) return;
  const UniqueFont font(CreateMenuFont());
  const SelectedObject selected(composed.DC(), font.get());
  SetBkMode(composed.DC(), TRANSPARENT);
  Layout(bar, composed.DC(), rtl_limit);
  for (const auto& button : buttons_) {
    if (!button->Visible || button->Caption.empty()) continue;
    RECT r{button->BoundsRect.Left - bar.Left, button->BoundsRect.Top - bar.Top,
           button->BoundsRect.Right - bar.Left, button->BoundsRect.Bottom - bar.Top};
    SetTextColor(composed.DC(), Colour(data_, button->Enabled ? scMenuBarText : scButtonShadow));
    DrawTextW(composed.DC(), button->Caption.c_str(), static_cast<int>(button->Caption.size()), &r,
              kCaptionFormat);
  }
  BitBlt(dc, bar.Left, bar.Top, bar.Width(), bar.Height(), composed.DC(), 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintButton(const TMenuBtn& button) {
  const TRect& r = button.BoundsRect;
  if (background_.Empty() || r.Width() <= 0 || r.Height() <= 0) return;
  TDibImage composed(
      CropImage(background_, Bounds(r.Left - bar_.Left, r.Top - bar_.Top, r.Width(), r.Height())));
  if (composed.DC() == nullptr) return;
  HDC dc = composed.DC();
  RECT local{0, 0, r.Width(), r.Height()};
  if (button.State != TNCState::ncsNormal) {
    const UniqueBrush frame(CreateSolidBrush(Colour(data_, scButtonHilight)));
    FrameRect(dc, &local, frame.get());
  }
  const UniqueFont font(CreateMenuFont());
  const SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Colour(data_, button.Enabled ? scMenuBarText : scButtonShadow));
  DrawTextW(dc, button.Caption.c_str(), static_cast<int>(button.Caption.size()), &local, kCaptionFormat);
  const WindowDC window(form_.Window(), WindowDC::kWholeWindow);
  BitBlt(window.get(), r.Left, r.Top, r.Width(), r.Height(), dc, 0, 0, SRCCOPY);
}

void TWinSkinMenu::PaintImage(const TBarImage& extra) {
  const TRect& r = extra.Rect;
  if (background_.Empty() || r.Width() <= 0 || r.Height() <= 0) return;
  TSkinBitmap face =
      CropImage(background_, Bounds(r.Left - bar_.Left, r.Top - bar_.Top, r.Width(), r.Height()));
  DrawSkinElement(face, Bounds(0, 0, r.Width(), r.Height()), *extra.Image, TRect{}, extra.Frame, extra.Frames,
                  true, false, false);
  const TDibImage composed(face);
  if (composed.DC() == nullptr) return;
  const WindowDC window(form_.Window(), WindowDC::kWholeWindow);
  BitBlt(window.get(), r.Left, r.Top, r.Width(), r.Height(), composed.DC(), 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT p) const {
  for (const auto& button : buttons_) {
    const TRect& r = button->BoundsRect;
    if (!button->Caption.empty() && p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom) {
      return button.get();
    }
  }
  return nullptr;
}

bool TWinSkinMenu::PressAccelerator(wchar_t key) {
  for (const auto& button : buttons_) {
    if (!button->Enabled || !button->Visible) continue;
    const wchar_t accelerator = AcceleratorOf(button->Caption);
    if (accelerator != 0 && Upper(accelerator) == Upper(key)) {
      button->DoMouseDown();
      DropDown(*button);
      return true;
    }
  }
  return false;
}

bool TWinSkinMenu::PressFirst() {
  if (buttons_.empty()) return false;
  buttons_.front()->DoMouseDown();
  DropDown(*buttons_.front());
  return true;
}

void TWinSkinMenu::DropDownAt(POINT screen_point) {
  if (TMenuBtn* button = ButtonAt(form_.ToWindow(screen_point))) {
    button->DoMouseDown();
    DropDown(*button);
  }
}

void TWinSkinMenu::DropDown(TMenuBtn& first) {
  if (tracked_bar != nullptr) return;
  TMenuBtn* button = &first;
  while (button != nullptr) {
    if (button->Command != 0) PostMessageW(form_.Window(), WM_COMMAND, button->Command, 0);
    if (button->SubMenu == nullptr) return;
    tracking_ = button->Index();
    switch_to_ = -1;
    first_key_sent_ = false;
    GetCursorPos(&last_cursor_);
    MakeOwnerDrawn(button->SubMenu);
    form_.SetPopupTracking(true);
    if (TSkinManage* manager = SkinManager()) manager->SetMenuKind(TMenuKind::mkMenuBar);
    tracked_bar = this;
    filter_ = SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, GetCurrentThreadId());
    if (button->Enabled) {
      // Right-to-left menus open leftwards from the button's right edge.
      const bool rtl = form_.RightToLeft();
      const POINT corner{rtl ? button->BoundsRect.Right : button->BoundsRect.Left, button->BoundsRect.Bottom};
      RECT window{};
      GetWindowRect(form_.Window(), &window);
      TrackPopupMenu(button->SubMenu, TPM_RIGHTBUTTON | TPM_NONOTIFY | (rtl ? TPM_RIGHTALIGN : 0),
                     window.left + corner.x, window.top + corner.y, 0, form_.Window(), nullptr);
    }
    UnhookWindowsHookEx(filter_);
    filter_ = nullptr;
    tracked_bar = nullptr;
    tracking_ = -1;
    form_.SetPopupTracking(false);
    TMenuBtn* next = switch_to_ >= 0 ? buttons_[static_cast<std::size_t>(switch_to_)].get() : nullptr;
    if (next == nullptr) {
      button->DoMouseLeave();
      return;
    }
    next->DoMouseDown();
    button = next;
  }
}

void TWinSkinMenu::SwitchTo(int index) {
  if (index < 0 || index == tracking_) return;
  switch_to_ = index;
  EndMenu();
}

LRESULT CALLBACK TWinSkinMenu::MessageFilter(int code, WPARAM wparam, LPARAM lparam) {
  auto* msg = reinterpret_cast<MSG*>(lparam);
  // Right-to-left menus swap the arrow keys before anyone sees them.
  if (tracked_bar != nullptr && msg != nullptr && msg->message == WM_KEYDOWN) {
    msg->wParam = MirroredArrowKey(static_cast<unsigned>(msg->wParam), tracked_bar->form_.RightToLeft());
  }
  const LRESULT next = CallNextHookEx(nullptr, code, wparam, lparam);
  if (next != 0 || code != MSGF_MENU || tracked_bar == nullptr || msg == nullptr) return next;
  try {
    return tracked_bar->FilterMessage(*msg) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

bool TWinSkinMenu::FilterMessage(MSG& msg) {
  if (!first_key_sent_) {
    first_key_sent_ = true;
    PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  const int count = static_cast<int>(buttons_.size());
  switch (msg.message) {
    case WM_KEYDOWN: {
      TPopupProbe popups;
      EnumThreadWindows(GetCurrentThreadId(), FindPopups, reinterpret_cast<LPARAM>(&popups));
      if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) switch_to_ = -1;
      if (msg.wParam == VK_LEFT && popups.count <= 1) {
        SwitchTo(NextMenuBarButton(tracking_, count, false));
        return true;
      }
      if (msg.wParam == VK_RIGHT && (popups.topmost == nullptr || !CurrentItemHasChildren(popups.topmost))) {
        SwitchTo(NextMenuBarButton(tracking_, count, true));
        return true;
      }
      return false;
    }
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) form_.SetPopupTracking(false);
      return false;
    case WM_MOUSEMOVE: {
      if (msg.pt.x == last_cursor_.x && msg.pt.y == last_cursor_.y) return false;
      last_cursor_ = msg.pt;
      if (TMenuBtn* button = ButtonAt(form_.ToWindow(msg.pt))) SwitchTo(button->Index());
      return false;
    }
    default:
      return false;
  }
}

#pragma once
// TWinSkinMenu: the menu bar a skinned window draws in the band between its
// title and its client area, in place of the native menu bar it takes off
// the window. One TMenuBtn per top-level item; pressing a button (mouse,
// Alt+accelerator, or the arrow keys while another drop-down is open) drops
// its submenu down under it and tracks it with the system's popup menus,
// whose items the form skin draws.

#include "framework/win/win_api.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/data/image/image.h"
#include "skin/windows/win/nc_object.h"

class TSkinData;
class TWinSkinMenu;

// An image shown on the bar beside the buttons (a maximised MDI child's
// buttons): one frame of a strip of frames side by side, at a place in
// window coordinates.
struct TBarImage {
  TRect Rect;
  const TSkinBitmap* Image = nullptr;
  int Frame = 1, Frames = 1;
};

class TMenuBtn final : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& form, TWinSkinMenu& bar, int index) : TNCObject(form), bar_(bar), index_(index) {}

  void Paint() override;
  int Index() const { return index_; }

  std::wstring Caption;     // may hold an "&" accelerator marker
  HMENU SubMenu = nullptr;  // none for an item without children
  UINT Command = 0;

 private:
  TWinSkinMenu& bar_;
  int index_;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm& form, TSkinData& data);
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;
  ~TWinSkinMenu();

  // Buttons from the window's native menu, which leaves the window (and is
  // given back by Restore).
  void Build(HMENU native);
  void Restore();
  HMENU NativeMenu() const { return native_; }

  // Background, buttons and `images` into `bar` (window coordinates) of the
  // window's device context; the background is kept for repainting single
  // buttons. Right-to-left buttons end 5 pixels left of `rtl_limit`.
  void Paint(HDC dc, const TRect& bar, std::span<const TBarImage> images, int rtl_limit);
  void PaintButton(const TMenuBtn& button);
  void PaintImage(const TBarImage& image);
  TMenuBtn* ButtonAt(POINT window_point) const;

  // Drops a button's submenu down and tracks it, moving to other buttons as
  // the user asks, until the menu closes.
  void DropDown(TMenuBtn& button);
  void DropDownAt(POINT screen_point);
  // Alt+key: the first enabled, visible button whose caption has that
  // accelerator; Alt alone: the first button. False when none.
  bool PressAccelerator(wchar_t key);
  bool PressFirst();
  bool Tracking() const { return tracking_ >= 0; }
  // The submenu being tracked, whose items the form measures.
  HMENU TrackedMenu() const {
    return tracking_ >= 0 ? buttons_[static_cast<std::size_t>(tracking_)]->SubMenu : nullptr;
  }

 private:
  static LRESULT CALLBACK MessageFilter(int code, WPARAM wparam, LPARAM lparam);
  bool FilterMessage(MSG& msg);
  void SwitchTo(int index);
  void Layout(const TRect& bar, HDC dc, int rtl_limit);

  TWinSkinForm& form_;
  TSkinData& data_;
  HMENU native_ = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;

  // The bar as last painted: its rectangle and background without texts.
  TRect bar_{};
  TSkinBitmap background_;

  // Tracking a drop-down: which button, where the user switches to, the
  // cursor at the last mouse move, and whether the first item is selected yet.
  int tracking_ = -1;
  int switch_to_ = -1;
  POINT last_cursor_{};
  bool first_key_sent_ = false;
  HHOOK filter_ = nullptr;
};

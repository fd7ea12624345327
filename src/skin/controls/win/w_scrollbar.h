#pragma once
// TWScrollbar: a window laid exactly over one native scroll bar of another
// window, as that window's sibling directly above it. It paints the bar from
// the skin (arrows, track, thumb, each by its state) and hands a press on
// itself to the native bar as the non-client press the bar would have got, so
// that the system's own scroll loop scrolls the window. Over a scroll bar
// control it covers the whole control and hands presses on as the control's
// own. The owning skin object
// passes on the window's scroll codes (ScrollCode), which light the part
// being scrolled, and asks for placement whenever the window moves, resizes,
// shows, hides or gains a bar.

#include "framework/win/win_api.h"

#include <memory>

#include "framework/win/gdi.h"
#include "skin/controls/control_geometry.h"
#include "skin/controls/scroll_bar_geometry.h"
#include "skin/controls/win/skin_window.h"

class TSkinControl;
class TWinControl;

class TWScrollbar {
 public:
  enum TKind : int { skHorizontal = 0, skVertical = 1, skControl = 2 };

  // The owner supplies the skin; it outlives the overlay.
  explicit TWScrollbar(const TSkinControl& owner);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Covers the `kind` bar of `target` (a window with a parent) and places
  // the overlay.
  void AttachToWindow(HWND target, TKind kind);
  // Covers a scroll bar control (a framework control with a parent); its
  // orientation is its published Kind.
  void AttachToControl(TWinControl& control);
  // Over the native bar when the target and its bar are visible, else hidden.
  void Place();
  void Hide();
  // The part under a point of the overlay's client area.
  TScrollPart HitTest(POINT point) const;
  // A WM_HSCROLL / WM_VSCROLL code of the target: that part is lit (codes of
  // no part light nothing).
  void ScrollCode(unsigned code);
  void Invalidate() const;
  void SetEnabled(bool enabled) const;

  HWND Handle() const { return window_.get(); }
  HWND Target() const { return target_; }
  bool Vertical() const { return vertical_; }
  bool Shown() const { return shown_; }
  bool Pressed() const { return pressed_; }
  TScrollPart HotPart() const { return hot_part_; }
  // The native bar in the target's client coordinates at the last placement.
  const TRect& BarClientRect() const { return bar_client_rect_; }

 private:
  friend LRESULT CALLBACK SkinWindowProcedure<TWScrollbar>(HWND, UINT, WPARAM, LPARAM);
  LRESULT WndProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
  void WindowGone();
  bool QueryBar(SCROLLBARINFO& info) const;
  // A scroll bar control's figures worked out as the system reports a
  // window's bar.
  bool QueryControlBar(SCROLLBARINFO& info) const;
  void CreateOverlay();
  void Paint(HDC dc);
  void MouseMove(POINT point);
  void MouseLeave();
  void ButtonDown(POINT point);
  void ButtonUp(POINT point);
  void SetHotPart(TScrollPart part);
  // The cursor's position along the bar's axis, in screen coordinates.
  int CursorAlongAxis() const;

  const TSkinControl& owner_;
  UniqueWindow window_;
  HWND target_ = nullptr;
  TWinControl* target_control_ = nullptr;
  TKind kind_ = skVertical;
  bool vertical_ = true;
  int arrow_size_ = 0;
  int length_ = 0;
  TThumbSpan thumb_;
  POINT bar_origin_{};
  POINT down_cursor_{};
  int down_thumb_start_ = 0;
  TScrollPart hot_part_ = TScrollPart::spNone;
  TRect bar_client_rect_;
  bool shown_ = false;
  bool pressed_ = false;
  // Cleared when the overlay goes: a press whose scroll loop outlived it
  // must not touch it afterwards.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

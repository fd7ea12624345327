#pragma once
// TSkinComBox: a combo box keeps its own text, list and keyboard handling;
// the skin draws its sunken face and drop-down button over it after every
// paint, the button lit while the mouse is over it and pressed while the
// button is held. The drop-down list's bar is drawn from the skin too (a
// simple combo's list gets overlays). Everything taken is given back on
// Detach.

#include "framework/win/win_api.h"

#include <memory>

#include "skin/controls/win/combox_scroll_bar.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_scrollbar_h.h"

class TSkinComBox : public TSkinControl {
 public:
  // `extended_combo`: the combo serves an extended combo box, whose face is
  // a plain border and whose button is the skin's arrow.
  explicit TSkinComBox(TComponent* owner, bool extended_combo = false);
  ~TSkinComBox() override;

  // Once only; with the drop-down list's bar.
  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  // A bare combo window (a dialog's): the same, but its list keeps its own bar.
  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override;
  // The edit child's procedure and the list skins go; the native face returns.
  void Detach() override;

  bool DroppedDown() const { return dropped_down_; }
  bool ExtendedCombo() const { return extended_combo_; }
  // The button as last drawn, in window coordinates: where the mouse lights it.
  const RECT& ButtonRect() const { return button_; }
  TComboxScrollBar* ListBar() const { return list_bar_.get(); }
  TSkinScrollbarH* SimpleListBars() const { return simple_list_.get(); }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void AttachParts(bool list_bar);
  void EditMessage(TMessage& message);
  void SetMouse(std::uint8_t bit, bool on);
  void TrackHot(LPARAM client_point);
  void DrawFace(HDC dc, const RECT& rect, int frame, bool left_scroll_bar);
  void DrawSimple(HDC dc, const RECT& rect, bool left_scroll_bar);
  void DrawExtended(HDC dc, const RECT& rect, int frame);

  bool extended_combo_;
  bool dropped_down_ = false;
  RECT button_{};
  TWindowHook edit_hook_;
  std::unique_ptr<TComboxScrollBar> list_bar_;
  std::unique_ptr<TSkinScrollbarH> simple_list_;
};

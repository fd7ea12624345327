#pragma once
// TSkinScrollbar: the skin of a scrollable framework control (a memo, a list
// box, a list view ...). The control keeps its native bars and the system's
// scrolling; an overlay (TWScrollbar) lies over each bar and follows it, and
// a two-pixel skinned border replaces the control's edge. Descendants add
// skins for what else the control holds (a list view's header).

#include <memory>

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/w_scrollbar.h"

class TSkinScrollbar : public TSkinControl {
 public:
  // The owner is the control to skin.
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  // Skins `control`, which must be the owner; a second call is ignored.
  void AttachScrolling(TWinControl& control, TSkinData& data, TWinSkinForm* form);
  // The same for the owner, as the control mapping attaches every skin (a
  // descendant adds its parts here); the scroll skin never recolours the
  // control itself.
  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  // Gives back FixedColor and the control's handling; the overlays go.
  void Detach() override;
  void SkinChanged() override;

  TWScrollbar* HorizontalBar() const { return horizontal_.get(); }
  TWScrollbar* VerticalBar() const { return vertical_.get(); }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  // After every paint of the control: repaints the overlays, places one for
  // a bar that has appeared, and fills the corner between two bars.
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void PlaceBars() const;
  void DrawBorder(HDC dc) const;

  std::unique_ptr<TWScrollbar> horizontal_;
  std::unique_ptr<TWScrollbar> vertical_;
  bool border_ = true;
  bool fixed_color_changed_ = false;
  TColor saved_fixed_color_ = 0;
};

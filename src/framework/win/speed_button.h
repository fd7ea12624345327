#pragma once
// Speed button: a windowless button with a glyph, as on tool strips. With a
// GroupIndex it stays Down once clicked and releases the other buttons of
// its parent in the same group; AllowAllUp lets a click release it again.
// A Flat one shows its face only under the mouse or when down.

#include <memory>

#include "framework/button_layout.h"
#include "framework/win/bitmap.h"
#include "framework/win/graphic_control.h"

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Down() const { return down_; }
  void SetDown(bool down);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int group_index) { group_index_ = group_index; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow_all_up) { allow_all_up_ = allow_all_up; }
  TBitmap* Glyph() const { return glyph_.get(); }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int num_glyphs);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  void Click() override;
  void Paint(HDC dc) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  void WndProc(TMessage& message) override;

 private:
  void SetPressed(bool pressed);
  void SetHot(bool hot);

  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
  int num_glyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool down_ = false;
  bool flat_ = false;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool pressed_ = false;  // the left button is held on it
  bool hot_ = false;      // the mouse is over it
};

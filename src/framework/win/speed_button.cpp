#include "framework/win/speed_button.h"

#include <algorithm>

#include "framework/published.h"
#include "framework/win/font_handle.h"
#include "framework/win/glyph_draw.h"
#include "framework/win/wide.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  glyph_->SetOnChange([this] { Invalidate(); });
}

const TClassInfo& TSpeedButton::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp),
      PublishInteger("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex),
      PublishBoolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
      PublishBoolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
      PublishObject("Glyph", &TSpeedButton::Glyph),
      PublishInteger("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs),
      PublishEnum("Layout", kButtonLayoutInfo, &TSpeedButton::Layout, &TSpeedButton::SetLayout),
      PublishInteger("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin),
      PublishInteger("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TSpeedButton, TGraphicControl>("TSpeedButton", properties);
  return info;
}

void TSpeedButton::SetDown(bool down) {
  // Only a grouped button stays down; the last one down in a group that
  // does not allow all up stays so.
  if (group_index_ == 0 && !HasState(TComponentStateFlag::csLoading)) down = false;
  if (down == down_ || (down_ && !allow_all_up_ && !HasState(TComponentStateFlag::csLoading))) return;
  down_ = down;
  Invalidate();
  if (!down_ || Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = ObjectAs<TSpeedButton>(Parent()->Controls(i));
    if (other == nullptr || other == this || other->group_index_ != group_index_ || !other->down_) continue;
    other->down_ = false;
    other->Invalidate();
  }
}

void TSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int num_glyphs) {
  num_glyphs_ = std::clamp(num_glyphs, 1, 4);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TSpeedButton::Click() {
  if (group_index_ != 0) {
    if (!down_) {
      SetDown(true);
    } else if (allow_all_up_) {
      SetDown(false);
    }
  }
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) SetPressed(true);
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) SetPressed(false);
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      return SetHot(true);
    case CM_MOUSELEAVE:
      return SetHot(false);
    default:
      return TGraphicControl::WndProc(m);
  }
}

void TSpeedButton::SetPressed(bool pressed) {
  pressed_ = pressed;
  Invalidate();
}

void TSpeedButton::SetHot(bool hot) {
  hot_ = hot;
  if (flat_) Invalidate();
}

void TSpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const bool sunk = pressed_ || down_;
  if (!flat_) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (sunk ? DFCS_PUSHED : 0));
  } else if (sunk || (hot_ && Enabled())) {
    DrawEdge(dc, &r, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  }
  TGlyphButtonContent content;
  content.Glyph = glyph_.get();
  content.NumGlyphs = num_glyphs_;
  content.GlyphIndex = !Enabled() ? 1 : down_ ? 3 : pressed_ ? 2 : 0;
  content.Layout = layout_;
  content.Margin = margin_;
  content.Spacing = spacing_;
  content.Caption = ToWide(Caption());
  const UniqueFont font = CreateFontHandle(*Font());
  content.Font = font.get();
  content.TextColour = Enabled() ? ColorToRGB(Font()->Color()) : GetSysColor(COLOR_GRAYTEXT);
  content.Offset = sunk ? 1 : 0;
  DrawGlyphButtonContent(dc, r, content);
}

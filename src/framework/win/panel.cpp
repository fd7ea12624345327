#include "framework/win/panel.h"

#include "framework/published.h"
#include "framework/win/font_handle.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kPanelBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

// Draws one bevel ring inside `r` and moves `r` inward by its width.
void DrawBevel(HDC dc, RECT& r, TPanelBevel bevel, int width) {
  if (bevel == TPanelBevel::bvNone) return;
  if (bevel != TPanelBevel::bvSpace) {
    const UINT edge = bevel == TPanelBevel::bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
    for (int i = 0; i < width; ++i) {
      RECT ring = r;
      InflateRect(&ring, -i, -i);
      DrawEdge(dc, &ring, edge, BF_RECT);
    }
  }
  InflateRect(&r, -width, -width);
}
}  // namespace

const TEnumInfo kPanelBevelInfo{"TPanelBevel", kPanelBevelNames};

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
}

const TClassInfo& TCustomPanel::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomPanel, TWinControl>("TCustomPanel");
  return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishEnum("BevelOuter", kPanelBevelInfo, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter),
      PublishEnum("BevelInner", kPanelBevelInfo, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner),
      PublishInteger("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth),
      PublishInteger("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth),
      PublishBoolean("ParentBackground", &TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground),
  };
  static const TClassInfo info = MakeClassInfo<TPanel, TCustomPanel>("TPanel", properties);
  return info;
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  bevel_outer_ = bevel;
  BevelsChanged();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
  bevel_inner_ = bevel;
  BevelsChanged();
}

void TCustomPanel::SetBevelWidth(int width) {
  bevel_width_ = width;
  BevelsChanged();
}

void TCustomPanel::SetBorderWidth(int width) {
  border_width_ = width;
  BevelsChanged();
}

void TCustomPanel::SetParentBackground(bool parent_background) {
  parent_background_ = parent_background;
  Invalidate();
}

void TCustomPanel::BevelsChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TPanel", nullptr, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS};
}

void TCustomPanel::AdjustClientRect(layout::Rect& rect) const {
  const layout::Rect inner =
      layout::PanelClientRect(rect, bevel_outer_ != TPanelBevel::bvNone, bevel_inner_ != TPanelBevel::bvNone,
                              bevel_width_, border_width_);
  rect = {rect.Left + inner.Left, rect.Top + inner.Top, rect.Left + inner.Right, rect.Top + inner.Bottom};
}

void TCustomPanel::PaintWindow(HDC dc) {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  DrawBevel(dc, r, bevel_outer_, bevel_width_);
  InflateRect(&r, -border_width_, -border_width_);
  DrawBevel(dc, r, bevel_inner_, bevel_width_);
  if (Caption().empty()) return;
  const SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  std::wstring text = ToWide(Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

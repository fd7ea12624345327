#pragma once
// Panel: a window class of its own that holds other controls, with optional
// raised or lowered bevels and a centred caption.

#include "framework/win/win_control.h"

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
extern const TEnumInfo kPanelBevelInfo;

class TCustomPanel : public TWinControl {
 public:
  explicit TCustomPanel(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TPanelBevel BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TPanelBevel bevel);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  bool ParentBackground() const { return parent_background_; }
  void SetParentBackground(bool parent_background);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(layout::Rect& rect) const override;
  void PaintWindow(HDC dc) override;

 private:
  void BevelsChanged();

  TPanelBevel bevel_outer_ = TPanelBevel::bvRaised;
  TPanelBevel bevel_inner_ = TPanelBevel::bvNone;
  int bevel_width_ = 1;
  int border_width_ = 0;
  bool parent_background_ = true;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

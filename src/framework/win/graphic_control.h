#pragma once
// A control without a window of its own (label, splitter): its parent paints
// it into the parent's window and hands it the mouse messages that fall on
// it, in the control's own coordinates.

#include "framework/win/win_api.h"

#include "framework/control.h"
#include "framework/messages.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetText(std::string_view text) override;
  void SetColor(TColor color) override;
  void SetAlign(TAlign align) override;
  void SetParent(TControl* parent) override;

  // Draws the control; the origin is its top-left corner, clipped to it.
  virtual void Paint(HDC dc) = 0;
  // The mouse cursor over the control, or null for the parent's.
  virtual HCURSOR Cursor() const { return nullptr; }
  // Repaints the control's area of its parent.
  void Invalidate();

 protected:
  void WndProc(TMessage& message) override;
  void FontChanged() override;
  // The parent's window, or null while there is none.
  HWND ParentWindow() const;
  void RealignParent();

 private:
  void WmMouse(TMessage& message);
};

#pragma once
// A status bar keeps its native parts and texts; the skin paints the whole
// bar: the face colour, each panel on a StatusBarEdges frame chosen by its
// bevel with its text aligned as the panel says (or the simple text across
// one frame), and the size grip from ExtraImages. The panels are read from
// the control by property name at every paint, so a changed panel shows as
// soon as the bar repaints. Without a StatusBarEdges image the bar keeps its
// native look.

#include <string>

#include "skin/controls/win/offscreen_bitmap.h"
#include "skin/controls/win/skin_control.h"

class TSkinStatusBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool HasImage() const;
  void DrawPanels(HDC dc, const RECT& bar, bool right_to_left);
  void DrawPanelText(HDC dc, const RECT& face, const std::wstring& text, unsigned align) const;

  TOffscreenBitmap canvas_;
};

#pragma once
// A progress bar keeps its native range and position; the skin paints the
// track and the filled part from the skin's Progress element, reading the
// position afresh at every paint. Style 1 skins draw the fill from a separate
// chunk element over a track drawn once across the bar. A vertical bar is
// composed lying down and turned, so one set of arithmetic serves both. Without
// a Progress image the bar keeps its native look.

#include "skin/controls/win/skin_control.h"

class TSkinBitmap;

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool HasImage() const;
  // The bar lying down: `bar` is as long as the control's long side.
  void ComposeFrames(TSkinBitmap& bar, int filled) const;
  void ComposeChunks(TSkinBitmap& bar, int filled) const;
};

#pragma once
// A track bar keeps its native range, thumb and ticks; through the control's
// custom-draw notifications the skin paints the channel (Track, or TrackVert
// for a vertical bar) and the thumb (frame 2 of the TrackbarThumb strips)
// while the ticks stay native. Without a channel image the channel stays
// native; without a thumb image the thumb is a plain outlined box.

#include "skin/controls/win/skin_control.h"

#include <commctrl.h>

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;

 private:
  // The custom-draw answer for one stage of the control's painting.
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  bool Vertical() const;
  // Whether the channel was painted (false leaves it to the control).
  bool DrawChannel(HDC dc) const;
  void DrawThumb(HDC dc) const;
};

#pragma once
// A check box keeps its native behaviour (it toggles and notifies as it
// always does); the skin only paints it: the box is a frame of the skin's
// check strip chosen by the state read afresh at every paint, with the
// caption beside it, composed off-screen and copied once. Without a check
// image in the skin the control keeps its own painting.
//
// A radio button differs only in its strip, its frame numbers and where its
// box sits: it overrides ToggleImage and ToggleFrame.

#include "skin/controls/win/offscreen_bitmap.h"
#include "skin/controls/win/skin_control.h"

class TDataSkinButton;

class TSkinCheckBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override;
  void SkinChanged() override;

 protected:
  struct TToggleImage {
    const TSkinBitmap* Bitmap = nullptr;
    int FrameCount = 1;
    bool Radio = false;  // the box sits one pixel in from the right edge
  };
  virtual TToggleImage ToggleImage(const TDataSkinButton& buttons) const;
  // The strip frame (1-based) that shows the control's state now.
  virtual int ToggleFrame(int frame_count) const;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // Variant 1 when the skin has an image for this control.
  void ReadSkinMode();
  void DrawCaptionBeside(HDC dc, const RECT& text_area, unsigned flags);

  bool transparent_ = false;  // the parent shows through instead of the face colour
  int remembered_check_ = 0;  // last BM_SETCHECK state + 1; 0 when none was seen
  TOffscreenBitmap canvas_;
};

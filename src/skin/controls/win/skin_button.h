#pragma once
// A push button drawn entirely from the skin's Buttons element: the face by
// state (pressed, hot, focused or default, normal, disabled) with the caption
// centred over it, composed off-screen and copied once. The skin takes the
// press itself, so the pressed look and the click come from here: a click
// needs the release over the button after a press on it. The space key still
// goes through the native button, which clicks on its release.

#include "skin/controls/button_geometry.h"
#include "skin/controls/win/offscreen_bitmap.h"
#include "skin/controls/win/skin_control.h"

class TSkinButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Whether the skin has faces for buttons at all.
  bool HasFaces() const;
  // The face the button shows now; Enabled, Focused and Caption refreshed.
  TButtonFrame ReadButtonFrame();
  // The background and the face `frame` over the whole of `dc`.
  void DrawFace(HDC dc, int width, int height, TButtonFrame frame) const;
  // Selects the caption font into `dc` and sets the caption colour for
  // `frame`; `normal_only_in_frame1` keeps NormalColour2 to the normal face.
  void SetUpCaption(HDC dc, TButtonFrame frame, bool normal_only_in_frame1 = false) const;

  // The caption centred in the client deflated by 2, with the focus
  // rectangle when `focus_rect` and the skin wants one.
  void DrawCentredCaption(HDC dc, const TRect& client, bool focus_rect);

  bool transparent_ = false;  // the parent shows through instead of the face colour
  TOffscreenBitmap face_;     // each paint is composed here, then copied once

 private:
  void Click();

  // Some component sets' buttons take their own presses: no MouseDown for them.
  bool skip_mouse_down_ = false;
};

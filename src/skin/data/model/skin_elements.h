#pragma once
// The element records a skin description is read into: one record per
// element (window border, caption button, scroll-bar strip, ...), each owning
// its images. They are plain data; the painters decide what Style, Action,
// Align and the other numbers select.

#include <utility>

#include "framework/text.h"
#include "skin/data/image/image.h"

// What every element has: an image strip of Frame equal frames, the margins
// drawn unscaled, transparency, tiling, and text colours per state.
class TDataSkinObject {
 public:
  TDataSkinObject() = default;
  explicit TDataSkinObject(AnsiString name) : Name(std::move(name)) {}
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  virtual ~TDataSkinObject() = default;

  // Left, Top, Right and Bottom as the drawing operations take them.
  TRect Margins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }

  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  TSkinBitmap Bitmap;
  int Trans = 0;
  // 1: centre tiled, 0: stretched; the window borders keep their Stretch key here.
  int Tile = 0;
  AnsiString Name;
  int Frame = 1;
  int Style = 0;
  TColor NormalColour = -1;
  TColor MouseOverColour = -1;
  TColor PressedColour = -1;
  TColor NormalColour2 = SystemColour(18);
  TColor MouseOverColour2 = SystemColour(18);
  TColor PressedColour2 = SystemColour(18);
};

// Elements with a second image: borders (inactive frame), tabs, up-down
// glyphs, and the combo button's mirrored face.
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TSkinBitmap Bitmap2;
};

// Push-button faces plus the check-box and radio-button images.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TSkinBitmap CheckBitmap;
  TSkinBitmap RadioBitmap;
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// The caption text background; the margins hold the text offsets
// (TextShift, TextShiftVert, TextRightClip).
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 14;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  TColor ActiveText = clNone;
  TColor InActiveText = clNone;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int Action = 0;
  int Align = 0;
  int Xcoord = 0;
  int Ycoord = 0;
  int CombineOp = -1;
  int Visibility = 0;
  int Visibility1 = 0;
};

// The group-box caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};

#pragma once
// The skin's colours, shared by all artwork: the default skin's unless a
// second skin swaps them in before drawing. Default: a slate-blue title bar
// over light grey-blue faces, with one blue accent for focus, selection and
// hot states.

#include "skin/data/image/colour.h"

namespace palette {

inline TColor kTitleTop = RgbColour(94, 124, 156);
inline TColor kTitleBottom = RgbColour(62, 88, 116);
inline TColor kTitleHighlight = RgbColour(128, 156, 186);
inline TColor kInactiveTop = RgbColour(176, 186, 198);
inline TColor kInactiveBottom = RgbColour(150, 161, 174);
inline TColor kInactiveHighlight = RgbColour(198, 206, 215);
inline TColor kFrameOutline = RgbColour(44, 62, 80);
inline TColor kInactiveOutline = RgbColour(120, 131, 144);

inline TColor kFace = RgbColour(236, 239, 243);
inline TColor kFaceLight = RgbColour(250, 251, 252);
inline TColor kFaceDark = RgbColour(222, 227, 233);
inline TColor kBorder = RgbColour(154, 168, 182);
inline TColor kBorderLight = RgbColour(196, 203, 210);
inline TColor kText = RgbColour(30, 42, 54);
inline TColor kTextMuted = RgbColour(140, 150, 160);
inline TColor kGlyph = RgbColour(84, 100, 116);

inline TColor kAccent = RgbColour(61, 126, 191);
inline TColor kAccentDark = RgbColour(44, 98, 154);
inline TColor kAccentLight = RgbColour(214, 230, 245);
inline TColor kAccentPale = RgbColour(238, 245, 252);
inline TColor kClose = RgbColour(212, 72, 64);
inline TColor kCloseDark = RgbColour(168, 44, 38);

// The artwork's own fixed shades of the theme: as given for the default
// skin; with Ember's colours, red and blue trade places, turning its cool
// grey-blues into the matching warm sands and coppers.
inline bool gWarmShades = false;
inline TColor Tone(int red, int green, int blue) {
  return gWarmShades ? RgbColour(blue, green, red) : RgbColour(red, green, blue);
}

// The Ember skin's colours: an espresso title bar over warm sand faces, with
// a copper accent.
void UseEmber();

}  // namespace palette

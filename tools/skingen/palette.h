#pragma once
// The default skin's colours: a slate-blue title bar over light grey-blue
// faces, with one blue accent for focus, selection and hot states.

#include "skin/data/image/colour.h"

namespace palette {

inline constexpr TColor kTitleTop = RgbColour(94, 124, 156);
inline constexpr TColor kTitleBottom = RgbColour(62, 88, 116);
inline constexpr TColor kTitleHighlight = RgbColour(128, 156, 186);
inline constexpr TColor kInactiveTop = RgbColour(176, 186, 198);
inline constexpr TColor kInactiveBottom = RgbColour(150, 161, 174);
inline constexpr TColor kInactiveHighlight = RgbColour(198, 206, 215);
inline constexpr TColor kFrameOutline = RgbColour(44, 62, 80);
inline constexpr TColor kInactiveOutline = RgbColour(120, 131, 144);

inline constexpr TColor kFace = RgbColour(236, 239, 243);
inline constexpr TColor kFaceLight = RgbColour(250, 251, 252);
inline constexpr TColor kFaceDark = RgbColour(222, 227, 233);
inline constexpr TColor kBorder = RgbColour(154, 168, 182);
inline constexpr TColor kBorderLight = RgbColour(196, 203, 210);
inline constexpr TColor kText = RgbColour(30, 42, 54);
inline constexpr TColor kTextMuted = RgbColour(140, 150, 160);
inline constexpr TColor kGlyph = RgbColour(84, 100, 116);

inline constexpr TColor kAccent = RgbColour(61, 126, 191);
inline constexpr TColor kAccentDark = RgbColour(44, 98, 154);
inline constexpr TColor kAccentLight = RgbColour(214, 230, 245);
inline constexpr TColor kAccentPale = RgbColour(238, 245, 252);
inline constexpr TColor kClose = RgbColour(212, 72, 64);
inline constexpr TColor kCloseDark = RgbColour(168, 44, 38);

}  // namespace palette

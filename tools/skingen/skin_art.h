#pragma once
// The default skin's images, each drawn from scratch. Sizes and frame counts
// match what the description (skins/default/default.ini) says of them.

#include "skin/data/image/image.h"

namespace art {

// Window frame: title bar height and border width.
inline constexpr int kTitleHeight = 28;
inline constexpr int kBorderWidth = 4;

// Frames: active, inactive. Left and right side by side, top and bottom stacked.
TSkinBitmap LeftBorder();
TSkinBitmap RightBorder();
TSkinBitmap TopBorder();
TSkinBitmap BottomBorder();

enum class TCaptionGlyph { Close, Minimise, Maximise, Restore, Help };
// Frames: normal, pressed, hot, disabled (also every button of an inactive window).
TSkinBitmap CaptionButton(TCaptionGlyph glyph);
TSkinBitmap IconButton();

// Frames: normal, pressed, disabled, hot, focused.
TSkinBitmap PushButton();
// Frames: off, on, off disabled, on disabled.
TSkinBitmap CheckBox();
TSkinBitmap RadioButton();

// The 23-frame strip: arrows left, right, up, down (normal, pressed,
// disabled, hot each), then the horizontal and vertical grips (normal,
// pressed, hot each), then one blank frame.
TSkinBitmap ScrollbarStrip();
// Frames: enabled, pressed, disabled, hot.
TSkinBitmap HorzScrollTrack();
TSkinBitmap VertScrollTrack();
// Frames: normal, pressed, hot.
TSkinBitmap HorzScrollThumb();
TSkinBitmap VertScrollThumb();

// Up-down faces: the first half's (up or left) normal, pressed, disabled,
// hot, then the second half's; the glyphs likewise, one arrow each.
TSkinBitmap UpDownVert();
TSkinBitmap UpDownVertGlyphs();
TSkinBitmap UpDownHorz();
TSkinBitmap UpDownHorzGlyphs();
// Frames: hot, normal, pressed, disabled, normal; a track bar draws frame 2.
// A horizontal bar's thumb stands upright.
TSkinBitmap TrackbarThumb(bool vertical);

// Frames: normal, hot, pressed, normal, normal.
TSkinBitmap HeaderBar();
// Frames: normal, pressed, disabled, hot.
TSkinBitmap ComboButton();
TSkinBitmap SunkEdge();
// Frames 1-4: the drop-down arrow per combo state; 5: the size grip.
TSkinBitmap ExtraImages();

// Frames: active, inactive (stacked).
TSkinBitmap MenuBar();
// Frames: normal, separator, normal, selected, normal.
TSkinBitmap MenuItem();
TSkinBitmap MenuBackground();
// A maximised MDI child's minimise, restore and close buttons on the menu
// bar, side by side; frames of each: normal, pressed, hot, hot (the bar shows
// frame 4 under the mouse).
TSkinBitmap MdiButtons();

// Frames: track, filled part.
TSkinBitmap Progress();
// Frames: normal, selected, then three normal; and the pane border.
TSkinBitmap Tabs();
TSkinBitmap TabBorder();
// Frames: edge, edge without caption gap.
TSkinBitmap GroupBoxEdge();
TSkinBitmap GroupBoxLabel();
// Frames: lowered, raised, flat.
TSkinBitmap StatusBarEdges();

}  // namespace art

#pragma once
// A skinned scroll bar composed as one image of the bar's size, from a laid
// out bar (scroll_bar_geometry.h): the face colour under everything, the
// track, both arrows, then the thumb and its grip.

#include "skin/controls/scroll_bar_geometry.h"
#include "skin/data/image/image.h"
#include "skin/data/model/skin_definition.h"

// Bars are skinned only when the skin has the strip of arrows and grips.
bool HasScrollBarStrip(const TSkinDefinition& skin);

// `face` is the skin's background colour as a plain colour value. Elements
// the skin lacks are left out.
TSkinBitmap ComposeScrollBar(const TScrollBarPaint& paint, bool vertical, int width, int height,
                             const TSkinDefinition& skin, TColor face);

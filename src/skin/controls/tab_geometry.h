#pragma once
// A tab or page control: where its tabs stand, the pane rectangle over the
// display area, and the strip of tabs. The strip is composed lying
// horizontally (tabs pointing up) and turned at the end for tabs at the left
// or right, so tab rectangles are converted into that lying strip.
// Rectangles are Right and Bottom exclusive.

#include <cstdint>

#include "skin/data/image/image_rect.h"

enum class TTabPosition { tpTop = 0, tpBottom = 1, tpLeft = 2, tpRight = 3 };

TTabPosition TabPositionOf(std::uint32_t style);

// How the prepared images are turned for a position.
enum class TTabTurn { ttNone, ttFlip, ttLeft, ttRight };
// The tab image: flipped for tabs at the bottom, else as drawn.
TTabTurn TabImageTurn(TTabPosition position);
// The pane image: flipped (bottom), turned left (left) or right (right).
TTabTurn TabPaneTurn(TTabPosition position);

// The display rectangle inflated by 4 and moved one pixel toward the tabs.
TRect TabPaneRect(const TRect& display, TTabPosition position);

struct TTabStrip {
  TRect Place;    // in control coordinates
  int Width = 0;  // of the strip lying horizontally
  int Height = 0;
};
// The part of the control between its edge on the tab side and the pane;
// empty (zero size) when the pane reaches the edge.
TTabStrip TabStripOf(int control_width, int control_height, const TRect& pane, TTabPosition position);

// A tab rectangle in control coordinates as it lies in the horizontal strip.
TRect TabInStrip(const TRect& tab, const TTabStrip& strip, TTabPosition position);

// The pane's margins: the TabPane element's own with Style 1, else fixed.
TRect TabPaneMargins(int tabs_style, const TRect& tab_pane_margins);

// A tab's label inside its (lying) rectangle: image and text side by side,
// 3 pixels apart, centred together; each centred vertically.
struct TTabLabel {
  int ImageX = 0, ImageY = 0;  // only meaningful with an image
  TRect Text;
};
TTabLabel LayOutTabLabel(const TRect& tab, bool has_image, int image_width, int image_height, int text_width,
                         int text_height);

// Button-style tabs: the strip runs from the control's top to one pixel below
// the top of the display rectangle inflated by 4; each face sits one pixel
// lower than the tab itself.
int TabButtonStripHeight(int display_top);
TRect TabButtonFace(const TRect& tab);

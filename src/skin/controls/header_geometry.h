#pragma once
// A list's column header: the face of each item by hot state, the label
// layout (image, text) inside an item, and hot-tracking from a point.
// Rectangles are Right and Bottom exclusive; every "div" truncates toward zero.

#include <optional>
#include <span>

#include "skin/data/image/image_rect.h"

// Headerbar faces: the hot item 2, the rest 1.
int HeaderItemFrame(int item, int hot_item);

enum class THeaderAlign { haLeft, haCenter, haRight };
// HDF_CENTER, then HDF_RIGHT, else left.
THeaderAlign HeaderAlignOf(unsigned format);
// The item's image when its format has HDF_IMAGE or HDF_OWNERDRAW, else -1.
int HeaderImageIndex(unsigned format, int image);

// Label layout in item coordinates (the item rectangle moved to the origin).
struct THeaderLabelInput {
  int ItemWidth = 0, ItemHeight = 0;
  THeaderAlign Align = THeaderAlign::haLeft;
  bool HasImage = false;  // an image index and an image list
  int ImageWidth = 0;
  int TextWidth = 0, TextHeight = 0;  // measured in HeaderTextArea
};
// An image is used only when it is narrower than the item.
bool HeaderImageUsed(const THeaderLabelInput& in);
// Where the label is measured: the item, widened on the right by image width
// + 2 when an image is used.
TRect HeaderTextArea(const THeaderLabelInput& in);
struct THeaderLabel {
  bool ImageShown = false;
  int ImageX = 0, ImageY = 0;
  TRect Text;  // clipped to the item's left and right
};
// x is 3 (left), (width - image - text) div 2 (centre) or width - image -
// text - 2 (right), and 1 when that comes out below 2. The image goes at (x,
// (height - image width) div 2), the text right after it, centred vertically.
THeaderLabel LayOutHeaderLabel(const THeaderLabelInput& in);

// The rectangle an item is hot-tracked in: its own, 3 pixels in at each side.
TRect HeaderHotRect(const TRect& item);
// The first stored rectangle containing the point that is not already hot;
// nullopt when there is none (the hot item then stays).
std::optional<int> HeaderNewHotItem(std::span<const TRect> hot_rects, int hot_item, int x, int y);
// The part of the header right of its last item, filled with a normal face;
// nullopt when the items reach the edge.
std::optional<TRect> HeaderRest(const TRect& header, int rightmost_item_edge);

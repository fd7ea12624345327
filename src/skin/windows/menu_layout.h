#pragma once
// Geometry of the skinned menu bar and of owner-drawn menu items. Rectangles
// are Right and Bottom exclusive; a point is inside when Left <= x < Right and
// Top <= y < Bottom.

#include <span>
#include <vector>

#include "skin/data/image/image_rect.h"
#include "skin/windows/frame_geometry.h"

// The band between the title and the client area, in window coordinates.
TRect MenuBarRect(int window_width, const TFrameMetrics& m);

// Where the first bar button starts, from the bar's left edge. With the
// MenuBar element: LeftWidth + 4, or 12 when the bar is narrower than that;
// right-to-left bars start at bar_width - RightWidth - 8 and run leftwards.
// Without the element 6 from the edge the buttons start at.
int MenuBarFirstButtonOffset(bool has_element, int element_left_width, int element_right_width, int bar_width,
                             bool rtl);

// Lays out the bar buttons from bar.Left + start: each visible button is its
// caption width + 10 wide (0 for an empty caption, whose width is 0) and spans
// bar.Top to bar.Bottom - 1; invisible buttons get an empty rectangle.
// Right-to-left bars run leftwards from bar.Left + start, but from no further
// right than 5 pixels left of rtl_limit (the left edge of the leftmost MDI
// child button on the bar; pass bar.Right or more when there is none).
std::vector<TRect> LayoutMenuBarButtons(const TRect& bar, int start, std::span<const int> caption_widths,
                                        std::span<const bool> visible, bool rtl, int rtl_limit);
// The first button whose caption is not empty and whose rectangle holds the point; -1 when none.
int MenuBarButtonAt(std::span<const TRect> rects, std::span<const bool> has_caption, int x, int y);
// The next or previous bar button with the arrow keys, wrapping at both ends;
// from no button (-1) forward is the first and backward the last; -1 without buttons.
int NextMenuBarButton(int current, int count, bool forward);
// Right-to-left menus swap the left and right arrow keys before anything else.
unsigned MirroredArrowKey(unsigned virtual_key, bool rtl);

// The width of a framework menu item, grown for the skin: by the MenuItem
// element's LeftWidth when the skin has it, and for the glyph column (main
// menus 25 + 10, popups 23 + 12) without an image list, else by 10 / 12.
int MainMenuItemWidth(int framework_width, bool has_menu_item_element, int left_width, bool has_image_list);
int PopupMenuItemWidth(int framework_width, bool has_menu_item_element, int left_width, bool has_image_list);

// An item that only the native menu knows, measured from its text: text width
// + 26 (+ LeftWidth with the element); height + 4 with text, 8 without, and 4
// more on the Windows 9x family.
struct TNativeItemSize {
  int Width, Height;
};
TNativeItemSize NativeMenuItemSize(int text_width, int height, bool has_text, bool has_menu_item_element,
                                   int left_width, bool win9x);

// The content of an owner-drawn item. Glyph: a square of the image list's
// width (16 without a list, at least 16 when checked) 1 pixel inside the
// item's top and its leading edge (after LeftWidth with the element). Text:
// between the glyph (3 pixels gap) and 1 pixel from the item's other edge, the
// item's full height (drawn vertically centred). Shortcut: between the end of
// the measured text and 11 pixels from the item's right edge (right-to-left:
// from 11 pixels after the left edge to the text's start). A separator line
// lies 4 pixels below the text rectangle's top.
struct TMenuItemLayout {
  TRect Glyph;
  TRect Text;
  TRect Shortcut;
  int SeparatorY;
};
TMenuItemLayout LayoutMenuItem(const TRect& item, int image_list_width, bool checked,
                               bool has_menu_item_element, int left_width, bool rtl, int text_width);

// A skin separator: frame 2 of the MenuItem element (5 frames side by side,
// each frame_width x element_height). Its LeftWidth and RightWidth columns are
// copied at their size, the middle is stretched between them. An item lower
// than the element shows the element's bottom rows; a taller one shows the
// element at its own height from the item's top.
struct TSeparatorPlacement {
  TRect SourceLeft, SourceMiddle, SourceRight;  // in the element's bitmap
  TRect DestLeft, DestMiddle, DestRight;        // where item is
};
TSeparatorPlacement PlaceMenuSeparator(const TRect& item, int frame_width, int element_height, int left_width,
                                       int right_width);

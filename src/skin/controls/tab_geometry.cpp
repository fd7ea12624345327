#include "skin/controls/tab_geometry.h"

#include <algorithm>

#include "skin/controls/control_styles.h"

TTabPosition TabPositionOf(std::uint32_t style) {
  if ((style & kTcsVertical) != 0)
    return (style & kTcsRight) != 0 ? TTabPosition::tpRight : TTabPosition::tpLeft;
  return (style & kTcsBottom) != 0 ? TTabPosition::tpBottom : TTabPosition::tpTop;
}

TTabTurn TabImageTurn(TTabPosition position) {
  return position == TTabPosition::tpBottom ? TTabTurn::ttFlip : TTabTurn::ttNone;
}

TTabTurn TabPaneTurn(TTabPosition position) {
  switch (position) {
    case TTabPosition::tpBottom:
      return TTabTurn::ttFlip;
    case TTabPosition::tpLeft:
      return TTabTurn::ttLeft;
    case TTabPosition::tpRight:
      return TTabTurn::ttRight;
    default:
      return TTabTurn::ttNone;
  }
}

TRect TabPaneRect(const TRect& display, TTabPosition position) {
  TRect r{display.Left - 4, display.Top - 4, display.Right + 4, display.Bottom + 4};
  int dx = 0;
  int dy = 0;
  switch (position) {
    case TTabPosition::tpTop:
      dy = -1;
      break;
    case TTabPosition::tpBottom:
      dy = 1;
      break;
    case TTabPosition::tpLeft:
      dx = -1;
      break;
    case TTabPosition::tpRight:
      dx = 1;
      break;
  }
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

TTabStrip TabStripOf(int control_width, int control_height, const TRect& pane, TTabPosition position) {
  TRect place;
  switch (position) {
    case TTabPosition::tpTop:
      place = {0, 0, control_width, std::min(pane.Top, control_height)};
      break;
    case TTabPosition::tpBottom:
      place = {0, std::max(pane.Bottom, 0), control_width, control_height};
      break;
    case TTabPosition::tpLeft:
      place = {0, 0, std::min(pane.Left, control_width), control_height};
      break;
    case TTabPosition::tpRight:
      place = {std::max(pane.Right, 0), 0, control_width, control_height};
      break;
  }
  if (place.Width() <= 0 || place.Height() <= 0) return {};
  const bool turned = position == TTabPosition::tpLeft || position == TTabPosition::tpRight;
  return {place, turned ? place.Height() : place.Width(), turned ? place.Width() : place.Height()};
}

TRect TabInStrip(const TRect& tab, const TTabStrip& strip, TTabPosition position) {
  const TRect r{tab.Left - strip.Place.Left, tab.Top - strip.Place.Top, tab.Right - strip.Place.Left,
                tab.Bottom - strip.Place.Top};
  switch (position) {
    // Turned left at the end: the lying strip's top becomes the left edge.
    case TTabPosition::tpLeft:
      return {strip.Width - r.Bottom, r.Left, strip.Width - r.Top, r.Right};
    // Turned right: its top becomes the right edge.
    case TTabPosition::tpRight:
      return {r.Top, strip.Height - r.Right, r.Bottom, strip.Height - r.Left};
    default:
      return r;
  }
}

TRect TabPaneMargins(int tabs_style, const TRect& tab_pane_margins) {
  return tabs_style == 1 ? tab_pane_margins : TRect{4, 5, 4, 4};
}

TTabLabel LayOutTabLabel(const TRect& tab, bool has_image, int image_width, int image_height, int text_width,
                         int text_height) {
  const int image_part = has_image ? image_width + 3 : 0;
  TTabLabel label;
  const int x = tab.Left + (tab.Width() - image_part - text_width) / 2;
  label.ImageX = x;
  label.ImageY = tab.Top + (tab.Height() - image_height) / 2;
  const int text_top = tab.Top + (tab.Height() - text_height) / 2;
  label.Text = {x + image_part, text_top, x + image_part + text_width, text_top + text_height};
  return label;
}

int TabButtonStripHeight(int display_top) {
  return std::max(display_top - 4 + 1, 0);
}

TRect TabButtonFace(const TRect& tab) {
  return {tab.Left, tab.Top + 1, tab.Right, tab.Bottom + 1};
}

#pragma once
// What the overlays and the drop-down list share: a window's native bar as
// the system reports it, and the skinned bar painted over it.

#include "framework/win/win_api.h"

#include "skin/controls/control_geometry.h"
#include "skin/controls/scroll_bar_geometry.h"
#include "skin/data/image/colour.h"

class TSkinData;

// The window's vertical or horizontal bar; false when the system cannot tell
// (no GetScrollBarInfo, no such window).
bool QueryWindowBar(const TSkinData& data, HWND window, bool vertical, SCROLLBARINFO& info);
// The bar's rectangle in screen coordinates.
TRect BarScreenRect(const SCROLLBARINFO& info);
bool BarInvisible(const SCROLLBARINFO& info);
bool BarUnavailable(const SCROLLBARINFO& info);

// The skin's background colour as a plain colour value.
TColor SkinFaceColour(const TSkinData& data);

// Composes the bar and copies it to the DC with its top-left corner at (x, y)
// in one blit. Nothing is painted when the skin has no strip of arrows or the
// bar does not fit the overlay.
void PaintScrollBar(HDC dc, int x, int y, const TScrollBarView& view, const TSkinData& data);

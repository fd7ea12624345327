#pragma once
// Owner-drawn menu items: the framework's own measuring and drawing for items
// without handlers (caption, shortcut right-aligned, check mark or the image
// from the menu's image list), and the routing of a window's WM_MEASUREITEM
// and WM_DRAWITEM for a menu to the item's handlers or to that drawing.

#include "framework/win/win_api.h"

#include "framework/menu.h"

void MeasureMenuItem(const TMenuItem& item, HDC dc, int& width, int& height);
void DrawMenuItem(const TMenuItem& item, HDC dc, const layout::Rect& rect, TOwnerDrawState state);

// Measure or draw the item of `menu` that the message names; false when the
// menu has no such item.
bool MeasureMenuMessage(const TMenu& menu, MEASUREITEMSTRUCT& measure);
bool DrawMenuMessage(const TMenu& menu, const DRAWITEMSTRUCT& draw);

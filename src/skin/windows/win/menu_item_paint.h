#pragma once
// Drawing one item of a skinned drop-down or popup menu, whoever owns the
// item (a framework menu item, an item only the native menu knows, the
// skinned system menu): over the popup window's skin background, the skin's
// MenuItem element (normal, selected or separator frame), then the glyph
// square, the caption and the shortcut. Composed off-screen, copied once.

#include "framework/win/win_api.h"

#include <commctrl.h>

#include <string>

#include "skin/data/image/image.h"

class TSkinData;

struct TMenuItemLook {
  std::wstring Caption;  // "-" is a separator; "&" marks the accelerator
  std::wstring ShortCut;
  int ImageIndex = -1;
  bool Enabled = true;
  bool Checked = false;
  bool Default = false;
  bool Selected = false;
};

struct TMenuItemCanvas {
  HIMAGELIST Images = nullptr;  // none: the glyph square is 16 wide
  bool RightToLeft = false;
  // The popup window's skin background, and where the item's client
  // rectangle lies on it; none: the item is filled with the menu colour.
  const TSkinBitmap* PopupBackground = nullptr;
};

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& look, const TSkinData& data,
                   const TMenuItemCanvas& canvas);

// The screen's menu font, a new handle for the caller.
HFONT CreateMenuFont(bool bold = false);
// The caption's extent in the menu font, tabs expanded ("&" alone and empty
// captions measure as one space).
SIZE MeasureMenuText(const std::wstring& caption, bool bold = false);
// A menu text as the system keeps it, the caption and the shortcut text
// after a tab, taken apart.
void SplitMenuText(const std::wstring& text, TMenuItemLook& look);
// The room the caption and the shortcut need side by side, a gap between
// them, and the caption's height.
SIZE MeasureMenuItemText(const TMenuItemLook& look);

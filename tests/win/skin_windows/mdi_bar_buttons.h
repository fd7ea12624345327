#pragma once
// Where a skin's buttons show on a window, worked out here from the skin's
// description rather than asked of the engine: caption buttons on a title,
// and a maximised MDI child's buttons on its parent's menu bar.

#include "framework/win/win_api.h"

#include "skin/data/image/image.h"
#include "skin/data/model/skin_data.h"

TSkinBitmap ScreenPixels(const RECT& r);
// The centre of the skin's caption button with that action and visibility.
POINT TitleButtonCentre(const TSkinData& skin, HWND window, int action, int visibility);
// A maximised MDI child's button (action 7, 8 or 9) on `parent`'s bar, in
// screen coordinates: from the right edge, clear of the right border and the
// bar's left margin, centred in the bar's height.
RECT MdiBarButtonRect(const TSkinData& skin, HWND parent, int action);
POINT MdiBarButtonCentre(const TSkinData& skin, HWND parent, int action);
// Pixels of the screen over that button that differ from its frame `frame`;
// its key-coloured pixels let the bar through and are not compared.
int MdiBarButtonMismatches(const TSkinData& skin, HWND parent, int action, int frame);

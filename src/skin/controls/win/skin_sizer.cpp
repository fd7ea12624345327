#include "skin/controls/win/skin_sizer.h"

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
  FillSkinColor(dc, rect);
}

#include "skin/data/win/menu_glyphs.h"

#include "framework/win/gdi.h"

TMenuGlyphs::TMenuGlyphs() {
  const UniqueBitmap strip(LoadBitmapA(GetModuleHandleA(nullptr), "MORVANEMENU"));
  if (!strip) return;
  list_ = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 4, 0);
  if (list_ != nullptr) ImageList_AddMasked(list_, strip.get(), RGB(255, 255, 255));
}

TMenuGlyphs::~TMenuGlyphs() {
  if (list_ != nullptr) ImageList_Destroy(list_);
}

int TMenuGlyphs::Count() const {
  return list_ != nullptr ? ImageList_GetImageCount(list_) : 0;
}

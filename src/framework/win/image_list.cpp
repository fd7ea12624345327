#include "framework/win/image_list.h"

#include "framework/published.h"
#include "framework/win/font_handle.h"

TImageList::TImageList(TComponent* owner) : TCustomImageList(owner) {
  Recreate();
}

TImageList::~TImageList() {
  ImageList_Destroy(handle_);
}

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TImageList, TCustomImageList>("TImageList");
  return info;
}

void TImageList::Recreate() {
  if (handle_ != nullptr) ImageList_Destroy(handle_);
  handle_ = ImageList_Create(Width(), Height(), ILC_COLOR24 | ILC_MASK, 4, 4);
}

void TImageList::SetWidth(int width) {
  if (width == Width()) return;
  TCustomImageList::SetWidth(width);
  Recreate();
}

void TImageList::SetHeight(int height) {
  if (height == Height()) return;
  TCustomImageList::SetHeight(height);
  Recreate();
}

int TImageList::Count() const {
  return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0;
}

int TImageList::Add(HBITMAP image, HBITMAP mask) {
  return handle_ != nullptr ? ImageList_Add(handle_, image, mask) : -1;
}

int TImageList::AddMasked(HBITMAP image, TColor transparent) {
  return handle_ != nullptr ? ImageList_AddMasked(handle_, image, ColorToRGB(transparent)) : -1;
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (handle_ == nullptr || index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  const HICON icon = ImageList_GetIcon(handle_, index, ILD_TRANSPARENT);
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, 0, 0, DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

#include "skin/windows/win/paint/work_bitmap.h"

namespace {
// Set only while a TSharedWorkBitmap lives; user-interface thread only.
TWorkBitmap* shared = nullptr;
}  // namespace

void TWorkBitmap::SetSize(int width, int height) {
  if (dib_ && dib_->Width() == width && dib_->Height() == height) return;
  dib_ = std::make_unique<TDibImage>(TSkinBitmap(width, height));
}

TSharedWorkBitmap::TSharedWorkBitmap() {
  if (!shared) shared = &bitmap_;
}

TSharedWorkBitmap::~TSharedWorkBitmap() {
  if (shared == &bitmap_) shared = nullptr;
}

TWorkBitmap* SharedWorkBitmap() {
  return shared;
}

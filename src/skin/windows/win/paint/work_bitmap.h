#pragma once
// The process-wide work bitmap that the painters borrow for temporary
// drawing: a DIB in a memory device context with stretch mode COLORONCOLOR,
// sized on request. It exists while the skin engine runs: the engine holds a
// TSharedWorkBitmap for that time, and SharedWorkBitmap() is null outside it.

#include <windows.h>

#include <memory>

#include "skin/data/win/dib_image.h"

class TWorkBitmap {
 public:
  // Resizes (keeping nothing of the old content) when the size differs.
  void SetSize(int width, int height);
  HDC DC() const { return dib_ ? dib_->DC() : nullptr; }
  int Width() const { return dib_ ? dib_->Width() : 0; }
  int Height() const { return dib_ ? dib_->Height() : 0; }
  TSkinBitmap ToImage() const { return dib_ ? dib_->ToImage() : TSkinBitmap(); }

 private:
  std::unique_ptr<TDibImage> dib_;
};

// Makes the shared work bitmap for its lifetime; one at a time.
class TSharedWorkBitmap {
 public:
  TSharedWorkBitmap();
  TSharedWorkBitmap(const TSharedWorkBitmap&) = delete;
  TSharedWorkBitmap& operator=(const TSharedWorkBitmap&) = delete;
  ~TSharedWorkBitmap();

 private:
  TWorkBitmap bitmap_;
};

TWorkBitmap* SharedWorkBitmap();

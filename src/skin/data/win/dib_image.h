#pragma once
// Images on the GDI side: a 32-bit top-down DIB section in a memory device
// context, so that GDI can draw on a composed image (text, for example) or
// blit from it, and the opaque copy of an image to any device context.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/data/image/image.h"
#include "skin/data/win/gdi_handles.h"

class TDibImage {
 public:
  // A copy of `image`; the empty image (or a failed allocation) gives no DIB and a null DC.
  explicit TDibImage(const TSkinBitmap& image);
  // Its stretch mode is COLORONCOLOR, the nearest-pixel mode of every skin copy.
  HDC DC() const { return dc_ ? dc_->Get() : nullptr; }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixels as they are now, after whatever GDI drew on them.
  TSkinBitmap ToImage() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::uint32_t* bits_ = nullptr;
  TBitmapHandle bitmap_;
  std::unique_ptr<TMemoryDC> dc_;
};

// Copies the whole image opaquely with its top-left corner at (x, y).
void BlitImage(HDC dc, int x, int y, const TSkinBitmap& image);

// The pixels of `area` of a device context (a window's, a memory DC's).
TSkinBitmap CaptureImage(HDC dc, const RECT& area);

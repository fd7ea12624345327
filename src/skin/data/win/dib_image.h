#pragma once
// Images on the GDI side: a 32-bit top-down DIB section in a memory device
// context, so that GDI can draw on a composed image (text, for example) or
// blit from it, and the opaque copy of an image to any device context.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/win/gdi.h"
#include "skin/data/image/image.h"

class TDibImage {
 public:
  // A copy of `image`; the empty image (or a failed allocation) gives no DIB and a null DC.
  explicit TDibImage(const TSkinBitmap& image);
  // Its stretch mode is COLORONCOLOR, the nearest-pixel mode of every skin copy.
  HDC DC() const { return dc_ ? dc_->get() : nullptr; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixels as they are now, after whatever GDI drew on them.
  TSkinBitmap ToImage() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::uint32_t* bits_ = nullptr;
  UniqueBitmap bitmap_;
  std::unique_ptr<MemoryDC> dc_;
};

// Copies the whole image opaquely with its top-left corner at (x, y).
void BlitImage(HDC dc, int x, int y, const TSkinBitmap& image);

// A screen-compatible bitmap holding the image, for a control that takes a
// bitmap of its own; null when it cannot be made.
UniqueBitmap ImageToBitmap(const TSkinBitmap& image);

// The pixels of `area` of a device context (a window's, a memory DC's).
TSkinBitmap CaptureImage(HDC dc, const RECT& area);

#pragma once
// The bitmap a control skin composes each paint in before one copy to the
// screen. It is kept from paint to paint and made again only when the
// control's size changes.

#include "framework/win/gdi.h"

class TOffscreenBitmap {
 public:
  // A screen-compatible bitmap of that size; null when it cannot be made.
  HBITMAP Get(int width, int height) {
    if (!bitmap_ || size_.cx != width || size_.cy != height) {
      const WindowDC screen(nullptr);
      bitmap_.reset(CreateCompatibleBitmap(screen.get(), width, height));
      size_ = {width, height};
    }
    return bitmap_.get();
  }

 private:
  UniqueBitmap bitmap_;
  SIZE size_{};
};

#include "skin/data/win/dib_image.h"

#include <algorithm>

namespace {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

TDibImage::TDibImage(const TSkinBitmap& image) : width_(image.Width()), height_(image.Height()) {
  if (image.Empty()) return;
  const BITMAPINFO info = TopDown32(width_, height_);
  void* bits = nullptr;
  bitmap_ = UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) {
    width_ = height_ = 0;
    return;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height_; ++y)
    std::copy(image.Row(y), image.Row(y) + width_, bits_ + static_cast<std::size_t>(y) * width_);
  dc_ = std::make_unique<MemoryDC>(bitmap_.get());
  SetStretchBltMode(dc_->get(), COLORONCOLOR);
}

TSkinBitmap TDibImage::ToImage() const {
  TSkinBitmap image(width_, height_);
  if (!bits_) return image;
  GdiFlush();
  // GDI may leave something in the unused top byte; images keep it 0.
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* row = bits_ + static_cast<std::size_t>(y) * width_;
    std::transform(row, row + width_, image.Row(y), [](std::uint32_t p) { return p & 0xFFFFFF; });
  }
  return image;
}

void BlitImage(HDC dc, int x, int y, const TSkinBitmap& image) {
  if (image.Empty()) return;
  const BITMAPINFO info = TopDown32(image.Width(), image.Height());
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(image.Width()), static_cast<DWORD>(image.Height()), 0, 0, 0,
                    static_cast<UINT>(image.Height()), image.Row(0), &info, DIB_RGB_COLORS);
}

TSkinBitmap CaptureImage(HDC dc, const RECT& area) {
  TDibImage copy(TSkinBitmap(area.right - area.left, area.bottom - area.top));
  if (!copy.DC()) return {};
  BitBlt(copy.DC(), 0, 0, copy.Width(), copy.Height(), dc, area.left, area.top, SRCCOPY);
  return copy.ToImage();
}

UniqueBitmap ImageToBitmap(const TSkinBitmap& image) {
  const WindowDC screen(nullptr);
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), image.Width(), image.Height()));
  if (!bitmap) return bitmap;
  const MemoryDC memory(bitmap.get());
  BlitImage(memory.get(), 0, 0, image);
  return bitmap;
}

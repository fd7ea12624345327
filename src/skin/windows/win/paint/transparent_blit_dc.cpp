#include "skin/windows/win/paint/transparent_blit_dc.h"

#include <algorithm>
#include <vector>

#include "framework/win/gdi.h"
#include "skin/data/win/dib_image.h"

namespace {

// Raster operation that leaves the destination as it is.
constexpr DWORD kKeepDestination = 0x00AA0029;

// A monochrome bitmap with 1 where the image holds the key colour. Rows of
// device-dependent monochrome bitmaps are padded to 16 bits.
UniqueBitmap KeyMask(const TSkinBitmap& image, TColor key) {
  const std::size_t stride = (static_cast<std::size_t>(image.Width()) + 15) / 16 * 2;
  std::vector<BYTE> bits(stride * static_cast<std::size_t>(image.Height()), 0);
  const std::uint32_t key_pixel = ToDibPixel(key);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (image.Row(y)[x] == key_pixel) bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
  return UniqueBitmap(CreateBitmap(image.Width(), image.Height(), 1, 1, bits.data()));
}

}  // namespace

void TransparentBlit(HDC dc, const RECT& rect, const TSkinBitmap& image, TColor key) {
  if (rect.right < rect.left || rect.bottom < rect.top || image.Empty()) return;
  const TDibImage source(image);
  const UniqueBitmap mask = KeyMask(image, key);
  if (!source.DC() || !mask) return;
  // The mask is read from its origin like the image: no further than either reaches.
  const int w = std::min<int>(rect.right - rect.left, image.Width());
  const int h = std::min<int>(rect.bottom - rect.top, image.Height());
  MaskBlt(dc, rect.left, rect.top, w, h, source.DC(), 0, 0, mask.get(), 0, 0,
          MAKEROP4(kKeepDestination, SRCCOPY));
}

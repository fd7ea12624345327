#include "skin/data/image/bmp_writer.h"

#include <cstdint>

namespace {

void PutLittle(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}

}  // namespace

std::string WriteBmp(const TSkinBitmap& image) {
  if (image.Empty()) return {};
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.Width()) * 3 + 3) & ~3u;
  const std::uint32_t data_size = stride * static_cast<std::uint32_t>(image.Height());
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::string out;
  out.reserve(kHeaders + data_size);
  out += "BM";
  PutLittle(out, kHeaders + data_size, 4);
  PutLittle(out, 0, 4);
  PutLittle(out, kHeaders, 4);
  PutLittle(out, 40, 4);
  PutLittle(out, static_cast<std::uint32_t>(image.Width()), 4);
  PutLittle(out, static_cast<std::uint32_t>(image.Height()), 4);
  PutLittle(out, 1, 2);
  PutLittle(out, 24, 2);
  PutLittle(out, 0, 4);  // uncompressed
  PutLittle(out, data_size, 4);
  for (int i = 0; i < 4; ++i) PutLittle(out, 0, 4);  // resolution and palette counts
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const TColor c = image.Pixel(x, y);
      out.push_back(static_cast<char>(BlueOf(c)));
      out.push_back(static_cast<char>(GreenOf(c)));
      out.push_back(static_cast<char>(RedOf(c)));
    }
    out.append(stride - static_cast<std::uint32_t>(image.Width()) * 3, '\0');
  }
  return out;
}

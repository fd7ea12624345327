#include "skin/data/image/ico_writer.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 256;

void PutLittle(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}

// Mask rows are padded to whole 32-bit words.
std::uint32_t MaskStride(int width) {
  return (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
}

std::uint32_t ImageSize(const TIconImage& image) {
  const auto w = static_cast<std::uint32_t>(image.colours.Width());
  const auto h = static_cast<std::uint32_t>(image.colours.Height());
  return kInfoHeaderSize + w * h * 4 + MaskStride(image.colours.Width()) * h;
}

void Check(const TIconImage& image) {
  const int w = image.colours.Width();
  const int h = image.colours.Height();
  if (image.colours.Empty() || w > kMaxSide || h > kMaxSide) {
    throw std::invalid_argument("icon images must be 1 to 256 pixels a side");
  }
  if (image.alpha.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {
    throw std::invalid_argument("icon alpha plane does not match the image");
  }
}

void PutImage(std::string& out, const TIconImage& image) {
  const int w = image.colours.Width();
  const int h = image.colours.Height();
  PutLittle(out, kInfoHeaderSize, 4);
  PutLittle(out, static_cast<std::uint32_t>(w), 4);
  // The height counts the colour rows and the mask rows.
  PutLittle(out, static_cast<std::uint32_t>(2 * h), 4);
  PutLittle(out, 1, 2);
  PutLittle(out, 32, 2);
  PutLittle(out, 0, 4);  // uncompressed
  PutLittle(out, ImageSize(image) - kInfoHeaderSize, 4);
  for (int i = 0; i < 4; ++i) PutLittle(out, 0, 4);  // resolution and palette counts
  const auto alpha = [&](int x, int y) { return image.alpha[static_cast<std::size_t>(y) * w + x]; };
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const std::uint8_t a = alpha(x, y);
      // Fully transparent pixels carry no colour, so no reader can show a stray one.
      const TColor c = a == 0 ? clBlack : image.colours.Pixel(x, y);
      out.push_back(static_cast<char>(BlueOf(c)));
      out.push_back(static_cast<char>(GreenOf(c)));
      out.push_back(static_cast<char>(RedOf(c)));
      out.push_back(static_cast<char>(a));
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    std::string row(MaskStride(w), '\0');
    for (int x = 0; x < w; ++x) {
      if (alpha(x, y) == 0) row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    out += row;
  }
}

}  // namespace

std::string WriteIco(const std::vector<TIconImage>& images) {
  if (images.empty()) throw std::invalid_argument("an icon needs an image");
  for (const TIconImage& image : images) Check(image);
  const auto count = static_cast<std::uint32_t>(images.size());
  std::string out;
  PutLittle(out, 0, 2);
  PutLittle(out, 1, 2);  // an icon, not a cursor
  PutLittle(out, count, 2);
  std::uint32_t offset = kDirectorySize + kEntrySize * count;
  for (const TIconImage& image : images) {
    // A side of 256 is written as 0.
    out.push_back(static_cast<char>(image.colours.Width() & 0xFF));
    out.push_back(static_cast<char>(image.colours.Height() & 0xFF));
    PutLittle(out, 0, 2);  // no palette, reserved
    PutLittle(out, 1, 2);
    PutLittle(out, 32, 2);
    PutLittle(out, ImageSize(image), 4);
    PutLittle(out, offset, 4);
    offset += ImageSize(image);
  }
  for (const TIconImage& image : images) PutImage(out, image);
  return out;
}

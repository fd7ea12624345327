#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/image/ico_writer.h"

namespace {

std::uint32_t Little(const std::string& s, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = v << 8 | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
  return v;
}

// An image whose pixels say where they are, opaque but for the given transparent pixel.
TIconImage Numbered(int w, int h, int clear_x, int clear_y) {
  TIconImage image{TSkinBitmap(w, h), std::vector<std::uint8_t>(static_cast<std::size_t>(w * h), 255)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.colours.SetPixel(x, y, RgbColour(x, y, 7));
  image.alpha[static_cast<std::size_t>(clear_y * w + clear_x)] = 0;
  image.alpha[0] = 128;
  return image;
}

// Read back as a reader of icons would: directory, entries, headers, the
// 32-bit rows and the mask rows both bottom-up, the mask padded to 32 bits.
TEST(IcoWriter, ReadsBackAsIconFile) {
  const std::vector<TIconImage> images = {Numbered(16, 16, 5, 2), Numbered(33, 3, 32, 1)};
  const std::string ico = WriteIco(images);

  ASSERT_GE(ico.size(), 6u + 2 * 16);
  EXPECT_EQ(Little(ico, 0, 2), 0u);
  EXPECT_EQ(Little(ico, 2, 2), 1u);
  EXPECT_EQ(Little(ico, 4, 2), 2u);

  std::size_t expected_offset = 6 + 2 * 16;
  for (std::size_t i = 0; i < images.size(); ++i) {
    SCOPED_TRACE(i);
    const int w = images[i].colours.Width();
    const int h = images[i].colours.Height();
    const std::size_t entry = 6 + 16 * i;
    const std::size_t mask_stride = w > 32 ? 8 : 4;
    const std::size_t size =
        40 + static_cast<std::size_t>(w * h * 4) + mask_stride * static_cast<std::size_t>(h);
    EXPECT_EQ(static_cast<unsigned char>(ico[entry]), w);
    EXPECT_EQ(static_cast<unsigned char>(ico[entry + 1]), h);
    EXPECT_EQ(Little(ico, entry + 4, 2), 1u);   // planes
    EXPECT_EQ(Little(ico, entry + 6, 2), 32u);  // bits
    EXPECT_EQ(Little(ico, entry + 8, 4), size);
    ASSERT_EQ(Little(ico, entry + 12, 4), expected_offset);

    const std::size_t header = expected_offset;
    EXPECT_EQ(Little(ico, header, 4), 40u);
    EXPECT_EQ(Little(ico, header + 4, 4), static_cast<std::uint32_t>(w));
    EXPECT_EQ(Little(ico, header + 8, 4), static_cast<std::uint32_t>(2 * h));
    EXPECT_EQ(Little(ico, header + 14, 2), 32u);
    EXPECT_EQ(Little(ico, header + 16, 4), 0u);

    const std::size_t pixels = header + 40;
    const auto pixel = [&](int x, int y) {
      return pixels + 4 * static_cast<std::size_t>((h - 1 - y) * w + x);
    };
    // Top row, as blue, green, red, alpha: red carries x, green y.
    EXPECT_EQ(Little(ico, pixel(1, 0), 4), 0xFF010007u);
    EXPECT_EQ(Little(ico, pixel(0, 0), 4), 0x80000007u);
    const std::size_t mask = pixels + static_cast<std::size_t>(w * h * 4);
    const auto mask_bit = [&](int x, int y) {
      const auto byte =
          static_cast<unsigned char>(ico[mask + mask_stride * static_cast<std::size_t>(h - 1 - y) + x / 8]);
      return (byte >> (7 - x % 8) & 1) != 0;
    };
    const int clear_x = i == 0 ? 5 : 32;
    const int clear_y = i == 0 ? 2 : 1;
    EXPECT_TRUE(mask_bit(clear_x, clear_y));
    EXPECT_EQ(Little(ico, pixel(clear_x, clear_y), 4), 0u);  // no stray colour where nothing shows
    EXPECT_FALSE(mask_bit(0, 0));                            // half transparent still draws
    EXPECT_FALSE(mask_bit(clear_x - 1, clear_y));
    expected_offset += size;
  }
  EXPECT_EQ(ico.size(), expected_offset);
}

TEST(IcoWriter, RefusesWhatNoIconCanHold) {
  EXPECT_THROW(WriteIco({}), std::invalid_argument);
  EXPECT_THROW(WriteIco({TIconImage{}}), std::invalid_argument);
  EXPECT_THROW(WriteIco({TIconImage{TSkinBitmap(257, 1), std::vector<std::uint8_t>(257)}}),
               std::invalid_argument);
  EXPECT_THROW(WriteIco({TIconImage{TSkinBitmap(4, 4), std::vector<std::uint8_t>(15)}}),
               std::invalid_argument);
  const std::string big =
      WriteIco({TIconImage{TSkinBitmap(256, 256), std::vector<std::uint8_t>(256 * 256, 255)}});
  EXPECT_EQ(big[6], '\0');  // 256 is written as 0
}

}  // namespace

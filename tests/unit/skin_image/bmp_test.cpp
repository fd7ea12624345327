#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/image/bmp_reader.h"
#include "skin/data/image/bmp_writer.h"

namespace {

// Builds BMP files byte by byte, the way other programs lay them out.
class BmpBuilder {
 public:
  BmpBuilder& U16(std::uint32_t v) { return Put(v, 2); }
  BmpBuilder& U32(std::uint32_t v) { return Put(v, 4); }
  BmpBuilder& Bytes(std::vector<int> bytes) {
    for (int b : bytes) s_.push_back(static_cast<char>(b));
    return *this;
  }
  // File header; the data offset is patched in by Data().
  BmpBuilder& FileHeader() {
    s_ += "BM";
    return U32(0).U32(0).U32(0);
  }
  BmpBuilder& InfoHeader(std::uint32_t size, std::int32_t w, std::int32_t h, int bits,
                         std::uint32_t compression = 0, std::uint32_t used = 0) {
    U32(size).U32(static_cast<std::uint32_t>(w)).U32(static_cast<std::uint32_t>(h)).U16(1).U16(bits);
    U32(compression).U32(0).U32(0).U32(0).U32(used).U32(0);
    s_.append(size - 40, '\0');
    return *this;
  }
  // Marks where the pixel rows start.
  BmpBuilder& Data() {
    const auto at = static_cast<std::uint32_t>(s_.size());
    for (int i = 0; i < 4; ++i) s_[10 + i] = static_cast<char>(at >> (8 * i));
    return *this;
  }
  std::string str() const { return s_; }

 private:
  BmpBuilder& Put(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) s_.push_back(static_cast<char>(v >> (8 * i)));
    return *this;
  }
  std::string s_;
};

std::vector<TColor> Pixels(const TSkinBitmap& image) {
  std::vector<TColor> out;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) out.push_back(image.Pixel(x, y));
  return out;
}

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

}  // namespace

TEST(BmpReader, PalettedDepthsBottomUp) {
  // 1 bit: 3 x 2, palette black/white; bottom row first.
  const std::string one = BmpBuilder()
                              .FileHeader()
                              .InfoHeader(40, 3, 2, 1)
                              .Bytes({0, 0, 0, 0, 255, 255, 255, 0})
                              .Data()
                              .Bytes({0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0})
                              .str();
  EXPECT_EQ(Pixels(ReadBmp(one)),
            (std::vector<TColor>{clBlack, clWhite, clBlack, clWhite, clBlack, clWhite}));

  // 4 bits with a short palette of three entries: index 5 has no entry and reads black.
  const std::string four = BmpBuilder()
                               .FileHeader()
                               .InfoHeader(40, 3, 1, 4, 0, 3)
                               .Bytes({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0})
                               .Data()
                               .Bytes({0x21, 0x50, 0, 0})
                               .str();
  EXPECT_EQ(Pixels(ReadBmp(four)), (std::vector<TColor>{kBlue, kGreen, clBlack}));

  // 8 bits, clrUsed 0 but only two entries fit before the data: the palette is cut there.
  const std::string eight = BmpBuilder()
                                .FileHeader()
                                .InfoHeader(40, 2, 1, 8)
                                .Bytes({255, 0, 255, 0, 1, 2, 3, 0})
                                .Data()
                                .Bytes({1, 0, 0, 0})
                                .str();
  EXPECT_EQ(Pixels(ReadBmp(eight)), (std::vector<TColor>{RgbColour(3, 2, 1), clFuchsia}));
}

TEST(BmpReader, DirectDepthsTopDownAndMasks) {
  // 24 bits top-down, two rows, rows padded to four bytes.
  const std::string rgb =
      BmpBuilder().FileHeader().InfoHeader(40, 1, -2, 24).Data().Bytes({0, 0, 255, 0, 255, 0, 0, 0}).str();
  EXPECT_EQ(Pixels(ReadBmp(rgb)), (std::vector<TColor>{kRed, kBlue}));

  // 16 bits 5-5-5 by default: full channels read 255, half (16 of 31) reads 132.
  const std::string w555 =
      BmpBuilder().FileHeader().InfoHeader(40, 2, 1, 16).Data().U16(0x7C00).U16(16 << 5 | 31).str();
  EXPECT_EQ(Pixels(ReadBmp(w555)), (std::vector<TColor>{kRed, RgbColour(0, 132, 255)}));

  // 16 bits 5-6-5 through bit fields after an info header.
  const std::string w565 = BmpBuilder()
                               .FileHeader()
                               .InfoHeader(40, 2, 1, 16, 3)
                               .U32(0xF800)
                               .U32(0x07E0)
                               .U32(0x001F)
                               .Data()
                               .U16(0x07E0)
                               .U16(0xF81F)
                               .str();
  EXPECT_EQ(Pixels(ReadBmp(w565)), (std::vector<TColor>{kGreen, clFuchsia}));

  // 32 bits with masks inside a V5 header, in an unusual order (red in the low byte).
  BmpBuilder v5;
  v5.FileHeader().U32(124).U32(2).U32(1).U16(1).U16(32).U32(3).U32(0).U32(0).U32(0).U32(0).U32(0);
  v5.U32(0x000000FF).U32(0x0000FF00).U32(0x00FF0000).U32(0xFF000000).Bytes(std::vector<int>(124 - 56, 0));
  v5.Data().U32(0xFF0000FF).U32(0x00345678);
  EXPECT_EQ(Pixels(ReadBmp(v5.str())), (std::vector<TColor>{kRed, 0x345678}));

  // 32 bits plain: B G R X, the fourth byte ignored.
  const std::string plain =
      BmpBuilder().FileHeader().InfoHeader(108, 1, 1, 32).Data().Bytes({1, 2, 3, 0xFF}).str();
  EXPECT_EQ(Pixels(ReadBmp(plain)), (std::vector<TColor>{RgbColour(3, 2, 1)}));
}

TEST(BmpReader, CoreHeaderWithThreeBytePalette) {
  BmpBuilder core;
  core.FileHeader()
      .U32(12)
      .U16(2)
      .U16(1)
      .U16(1)
      .U16(1)
      .Bytes({0, 0, 0, 0, 255, 0})
      .Data()
      .Bytes({0x40, 0, 0, 0});
  EXPECT_EQ(Pixels(ReadBmp(core.str())), (std::vector<TColor>{clBlack, kGreen}));
}

TEST(BmpReader, LastRowMayLackItsPadding) {
  std::string file =
      BmpBuilder().FileHeader().InfoHeader(40, 1, 2, 24).Data().Bytes({1, 1, 1, 0, 2, 2, 2}).str();
  EXPECT_EQ(Pixels(ReadBmp(file)), (std::vector<TColor>{0x020202, 0x010101}));
  file.pop_back();
  EXPECT_TRUE(ReadBmp(file).Empty());
}

TEST(BmpReader, RefusesWhatItCannotRead) {
  const std::string good =
      BmpBuilder().FileHeader().InfoHeader(40, 2, 2, 24).Data().Bytes(std::vector<int>(16, 7)).str();
  ASSERT_FALSE(ReadBmp(good).Empty());
  // The last row's two padding bytes may go missing; any other cut refuses the file.
  for (std::size_t n = 0; n < good.size() - 2; ++n) EXPECT_TRUE(ReadBmp(good.substr(0, n)).Empty()) << n;

  const auto with_header = [](std::int32_t w, std::int32_t h, int bits, std::uint32_t compression) {
    return BmpBuilder()
        .FileHeader()
        .InfoHeader(40, w, h, bits, compression)
        .Data()
        .Bytes(std::vector<int>(64, 0))
        .str();
  };
  EXPECT_TRUE(ReadBmp(with_header(2, 2, 8, 1)).Empty());   // RLE8
  EXPECT_TRUE(ReadBmp(with_header(2, 2, 24, 3)).Empty());  // bit fields need 16 or 32 bits
  EXPECT_TRUE(ReadBmp(with_header(2, 2, 2, 0)).Empty());
  EXPECT_TRUE(ReadBmp(with_header(0, 2, 24, 0)).Empty());
  EXPECT_TRUE(ReadBmp(with_header(-2, 2, 24, 0)).Empty());
  EXPECT_TRUE(ReadBmp(with_header(2, 0, 24, 0)).Empty());
  EXPECT_TRUE(ReadBmp(with_header(2, INT32_MIN, 24, 0)).Empty());
  // Sizes whose pixel data would need gigabytes: refused before anything is allocated.
  EXPECT_TRUE(ReadBmp(with_header(0x7FFFFFFF, 0x7FFFFFFF, 32, 0)).Empty());
  EXPECT_TRUE(ReadBmp(with_header(1, 0x7FFFFFFF, 1, 0)).Empty());

  std::string bad_magic = good;
  bad_magic[0] = 'X';
  EXPECT_TRUE(ReadBmp(bad_magic).Empty());
  std::string odd_header = good;
  odd_header[14] = 41;
  EXPECT_TRUE(ReadBmp(odd_header).Empty());
  std::string offset_inside_header = good;
  offset_inside_header[10] = 20;
  EXPECT_TRUE(ReadBmp(offset_inside_header).Empty());
}

TEST(BmpWriter, WritesWhatTheReaderReadsBack) {
  TSkinBitmap image(3, 2, clFuchsia);
  image.SetPixel(0, 0, 0x123456);
  image.SetPixel(2, 1, clWhite);
  const std::string file = WriteBmp(image);
  // 24-bit rows of 9 bytes padded to 12, bottom row first.
  ASSERT_EQ(file.size(), 54u + 24u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(file[28], 24);
  EXPECT_EQ(file.substr(54 + 6, 3), "\xFF\xFF\xFF");
  EXPECT_EQ(file.substr(54 + 12, 3), "\x12\x34\x56");
  EXPECT_EQ(ReadBmp(file), image);
  EXPECT_EQ(WriteBmp(TSkinBitmap()), "");
}

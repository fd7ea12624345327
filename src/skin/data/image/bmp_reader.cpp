#include "skin/data/image/bmp_reader.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace {

// Every read of the file goes through here, and this is the only bounds check:
// a read past the end fails the reader and yields zeros or an empty view.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  bool Ok() const { return ok_; }
  std::uint64_t Position() const { return pos_; }

  void Seek(std::uint64_t pos) {
    if (pos > bytes_.size())
      ok_ = false;
    else
      pos_ = pos;
  }

  // The next n bytes, or an empty view (and a failed reader) when the file is shorter.
  std::string_view Take(std::uint64_t n) {
    if (!ok_ || n > bytes_.size() - pos_) {
      ok_ = false;
      return {};
    }
    const std::string_view out = bytes_.substr(pos_, n);
    pos_ += n;
    return out;
  }

  std::uint32_t Little(int n) {
    const std::string_view b = Take(static_cast<std::uint64_t>(n));
    std::uint32_t v = 0;
    for (std::size_t i = b.size(); i-- > 0;) v = v << 8 | static_cast<unsigned char>(b[i]);
    return v;
  }
  std::uint32_t U16() { return Little(2); }
  std::uint32_t U32() { return Little(4); }

 private:
  std::string_view bytes_;
  std::uint64_t pos_ = 0;
  bool ok_ = true;
};

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

struct Header {
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows stored top-down
  std::uint32_t bits = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colours_used = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  bool has_masks = false;
  int palette_entry_size = 4;
};

// One colour channel of a bit-field mask, scaled to 0..255.
class Channel {
 public:
  explicit Channel(std::uint32_t mask)
      : mask_(mask),
        shift_(mask ? std::countr_zero(mask) : 0),
        max_(mask ? (std::uint64_t{1} << std::bit_width(mask >> shift_)) - 1 : 0) {}

  int Value(std::uint32_t pixel) const {
    if (max_ == 0) return 0;
    const std::uint64_t v = (pixel & mask_) >> shift_;
    return static_cast<int>((v * 255 + max_ / 2) / max_);
  }

 private:
  std::uint32_t mask_;
  int shift_;
  std::uint64_t max_;
};

std::optional<Header> ReadInfoHeader(ByteReader& r) {
  Header h;
  const std::uint32_t size = r.U32();
  if (size == 12) {
    h.width = r.U16();
    h.height = r.U16();
    r.U16();  // planes
    h.bits = r.U16();
    h.palette_entry_size = 3;
    return r.Ok() ? std::optional(h) : std::nullopt;
  }
  if (size != 40 && size != 52 && size != 56 && size != 108 && size != 124) return std::nullopt;
  h.width = static_cast<std::int32_t>(r.U32());
  h.height = static_cast<std::int32_t>(r.U32());
  r.U16();  // planes
  h.bits = r.U16();
  h.compression = r.U32();
  r.Take(12);  // image size, resolution
  h.colours_used = r.U32();
  r.U32();  // important colours
  const bool bit_fields = h.compression == kBitFields || h.compression == kAlphaBitFields;
  // An info header keeps its masks after itself, the larger headers inside.
  if (size > 40 || bit_fields) {
    for (auto& m : h.masks) m = r.U32();
    if (size > 40)
      r.Seek(14 + std::uint64_t{size});
    else if (h.compression == kAlphaBitFields)
      r.U32();
    h.has_masks = bit_fields;
  }
  return r.Ok() ? std::optional(h) : std::nullopt;
}

bool Supported(const Header& h) {
  switch (h.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      return h.compression == kRgb;
    case 16:
    case 32:
      return h.compression == kRgb || h.has_masks;
    default:
      return false;
  }
}

// Decodes one stored row; `row` holds exactly the bytes the row's pixels use.
void DecodeRow(std::string_view row, const Header& h, const std::vector<std::uint32_t>& palette,
               const std::array<Channel, 3>& channels, std::uint32_t* out) {
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(row[i]));
  };
  const auto width = static_cast<std::size_t>(h.width);
  for (std::size_t x = 0; x < width; ++x) {
    std::uint32_t pixel = 0;
    switch (h.bits) {
      case 1:
      case 4:
      case 8: {
        const std::size_t bit = x * h.bits;
        const std::uint32_t index = byte(bit / 8) >> (8 - h.bits - bit % 8) & ((1u << h.bits) - 1);
        pixel = index < palette.size() ? palette[index] : 0;
        break;
      }
      case 24:
        pixel = byte(3 * x) | byte(3 * x + 1) << 8 | byte(3 * x + 2) << 16;
        break;
      default: {
        const std::size_t at = x * h.bits / 8;
        std::uint32_t v = byte(at) | byte(at + 1) << 8;
        if (h.bits == 32) v |= byte(at + 2) << 16 | byte(at + 3) << 24;
        pixel = static_cast<std::uint32_t>(channels[0].Value(v)) << 16 |
                static_cast<std::uint32_t>(channels[1].Value(v)) << 8 |
                static_cast<std::uint32_t>(channels[2].Value(v));
      }
    }
    out[x] = pixel;
  }
}

std::array<std::uint32_t, 3> DefaultMasks(std::uint32_t bits) {
  if (bits == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0xFF0000, 0x00FF00, 0x0000FF};
}

}  // namespace

TSkinBitmap ReadBmp(std::string_view file) {
  ByteReader r(file);
  if (r.Little(2) != 0x4D42) return {};  // "BM"
  r.Take(8);                             // file size, reserved
  const std::uint32_t data_offset = r.U32();
  std::optional<Header> header = ReadInfoHeader(r);
  if (!header) return {};
  Header& h = *header;
  const bool top_down = h.height < 0;
  if (top_down) h.height = -h.height;
  if (h.width <= 0 || h.height <= 0 || h.width * h.height > TSkinBitmap::kMaxPixels || !Supported(h))
    return {};
  if (!h.has_masks) h.masks = DefaultMasks(h.bits);

  const std::uint64_t palette_start = r.Position();
  if (data_offset < palette_start) return {};
  std::vector<std::uint32_t> palette;
  if (h.bits <= 8) {
    std::uint64_t count = std::uint64_t{1} << h.bits;
    if (h.colours_used != 0 && h.colours_used < count) count = h.colours_used;
    // A palette that would run into the pixel data is shorter than it says.
    const std::uint64_t room =
        (data_offset - palette_start) / static_cast<std::uint64_t>(h.palette_entry_size);
    if (room < count) count = room;
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::string_view e = r.Take(static_cast<std::uint64_t>(h.palette_entry_size));
      if (!r.Ok()) return {};
      palette.push_back(static_cast<std::uint32_t>(static_cast<unsigned char>(e[0])) |
                        static_cast<std::uint32_t>(static_cast<unsigned char>(e[1])) << 8 |
                        static_cast<std::uint32_t>(static_cast<unsigned char>(e[2])) << 16);
    }
  }

  // Sizes are 64-bit here, so none of this can overflow; the last row may lack its padding.
  const std::uint64_t used = (static_cast<std::uint64_t>(h.width) * h.bits + 7) / 8;
  const std::uint64_t stride = (used + 3) / 4 * 4;
  if (data_offset + stride * static_cast<std::uint64_t>(h.height - 1) + used > file.size()) return {};

  TSkinBitmap image(static_cast<int>(h.width), static_cast<int>(h.height));
  const std::array<Channel, 3> channels{Channel(h.masks[0]), Channel(h.masks[1]), Channel(h.masks[2])};
  for (std::int64_t i = 0; i < h.height; ++i) {
    r.Seek(data_offset + stride * static_cast<std::uint64_t>(i));
    const std::string_view row = r.Take(used);
    if (!r.Ok()) return {};
    DecodeRow(row, h, palette, channels, image.Row(static_cast<int>(top_down ? i : h.height - 1 - i)));
  }
  return image;
}

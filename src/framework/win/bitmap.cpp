#include "framework/win/bitmap.h"

#include <cstdlib>
#include <cstring>

#include "framework/published.h"

namespace {

// Reads the header of a bitmap file and checks that the colour table and the
// pixels it announces lie inside the bytes, so that the system never reads
// past them.
const BITMAPINFO& CheckedBitmapInfo(const TBytes& file, const std::uint8_t*& bits) {
  BITMAPFILEHEADER fh;
  if (file.size() < sizeof(fh) + sizeof(BITMAPINFOHEADER)) throw EInvalidGraphic("Bitmap data is too short");
  std::memcpy(&fh, file.data(), sizeof(fh));
  if (fh.bfType != 0x4D42) throw EInvalidGraphic("Bitmap data does not start with a bitmap file header");
  const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(fh));
  BITMAPINFOHEADER h;
  std::memcpy(&h, info, sizeof(h));
  const int planes_bits = h.biBitCount;
  const bool known_depth = planes_bits == 1 || planes_bits == 4 || planes_bits == 8 || planes_bits == 16 ||
                           planes_bits == 24 || planes_bits == 32;
  if (h.biSize < sizeof(h) || !known_depth || h.biWidth <= 0 || h.biHeight == 0 ||
      (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS)) {
    throw EInvalidGraphic("Unsupported bitmap format");
  }
  const std::uint64_t colours = h.biClrUsed != 0 ? h.biClrUsed : (planes_bits <= 8 ? (1u << planes_bits) : 0);
  const std::uint64_t masks = h.biCompression == BI_BITFIELDS && h.biSize == sizeof(h) ? 12 : 0;
  const std::uint64_t table_end = sizeof(fh) + h.biSize + masks + colours * sizeof(RGBQUAD);
  const std::uint64_t stride = ((static_cast<std::uint64_t>(h.biWidth) * planes_bits + 31) / 32) * 4;
  const std::uint64_t pixels =
      stride * static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(h.biHeight)));
  if (table_end > file.size() || fh.bfOffBits < table_end || fh.bfOffBits > file.size() ||
      pixels > file.size() - fh.bfOffBits) {
    throw EInvalidGraphic("Bitmap data is truncated");
  }
  bits = file.data() + fh.bfOffBits;
  return *info;
}

}  // namespace

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBinary("Data", &TBitmap::Data, &TBitmap::SetData),
  };
  static const TClassInfo info = MakeClassInfo<TBitmap, TPersistent>("TBitmap", properties);
  return info;
}

void TBitmap::SetHandle(UniqueBitmap bitmap) {
  handle_ = std::move(bitmap);
  data_.clear();
  BITMAP bm{};
  if (handle_) GetObjectW(handle_.get(), sizeof(bm), &bm);
  width_ = bm.bmWidth;
  height_ = bm.bmHeight;
  Changed();
}

void TBitmap::SetData(TBytes data) {
  if (data.size() >= 6 && data[4] == 'B' && data[5] == 'M') data.erase(data.begin(), data.begin() + 4);
  if (data.empty()) {
    SetHandle(UniqueBitmap());
    return;
  }
  const std::uint8_t* bits = nullptr;
  const BITMAPINFO& info = CheckedBitmapInfo(data, bits);
  const WindowDC screen(nullptr);
  UniqueBitmap bitmap(CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS));
  if (!bitmap) throw EInvalidGraphic("The bitmap could not be created");
  SetHandle(std::move(bitmap));
  data_ = std::move(data);
}

void TBitmap::Changed() {
  if (on_change_) on_change_();
}

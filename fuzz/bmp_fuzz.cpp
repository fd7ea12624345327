// Feeds arbitrary bytes to the BMP reader, then pushes whatever it reads
// through the writer and back and through the element drawing, with margins,
// frames and target sizes taken from the file's last bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/data/image/bmp_reader.h"
#include "skin/data/image/bmp_writer.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_region.h"
#include "skin/data/image/img_util.h"

namespace {

// Small signed values from the tail of the input, cycling when it runs out.
class Params {
 public:
  Params(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  int Next() {
    return size_ ? static_cast<int>(static_cast<std::int8_t>(data_[size_ - 1 - (at_++ % size_)])) : 0;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TSkinBitmap image = ReadBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (image.Empty()) return 0;
  if (!(ReadBmp(WriteBmp(image)) == image)) std::abort();

  Params p(data, size);
  const TRect margins{p.Next(), p.Next(), p.Next(), p.Next()};
  const int index = p.Next();
  const int count = p.Next();
  const TRect rect{p.Next(), p.Next(), p.Next(), p.Next()};
  TSkinBitmap target(48, 48, clWhite);
  const TSkinBitmap built = BuildElementBitmap(rect, image, margins, index, count, true, false);
  if (!built.Empty() && (built.Width() != rect.Width() || built.Height() != rect.Height())) std::abort();
  DrawSkinElement(target, rect, image, margins, index, count, true, false, true);
  DrawElementStrip(target, rect, image, margins, index, count, true, false);
  DrawElementThreePart(target, rect, image, margins, index, count, true);
  DrawElementStretched(target, rect, image, index, count, false);
  DrawElementCentred(target, rect, image, index, count, true);
  RegionBatches(RegionRunsFromBitmap(image, rect.Left, rect.Top, clFuchsia, p.Next(), p.Next(), p.Next()), 7);

  const TSkinBitmap original = image;
  RotateBitmapLeft(image);
  MirrorBitmap(image);
  FlipBitmap(image);  // a left turn and a half turn make a right turn
  RotateBitmapLeft(image);
  if (!(image == original)) std::abort();
  return 0;
}

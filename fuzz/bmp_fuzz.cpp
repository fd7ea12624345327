// Feeds arbitrary bytes to the BMP reader, then pushes whatever it reads
// through the writer and back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/data/bmp_reader.h"
#include "skin/data/bmp_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TSkinBitmap image = ReadBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (image.Empty()) return 0;
  if (!(ReadBmp(WriteBmp(image)) == image)) std::abort();
  return 0;
}

// Decodes arbitrary bytes as a framed LZHUF stream, and checks that what our
// encoder makes of the same bytes decodes back to them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/lzh.h"
#include "skin/data/archive/lzh_encoder.h"

namespace {

// Keeps each run short; the decoder's work grows with the declared length alone.
constexpr std::int32_t kMaxFuzzLength = 1 << 16;

std::string Decode(std::string_view stream, std::int32_t length) {
  std::string out;
  TByteReader in(stream);
  UnpackFrom(in, length, [&out](std::uint8_t b) { out.push_back(static_cast<char>(b)); });
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TByteReader framed(bytes);
  std::int32_t length = 0;
  if (framed.ReadInt32(length) && length <= kMaxFuzzLength) {
    const std::string out = Decode(framed.Rest(), length);
    if (length > 0 && (out.size() < static_cast<std::size_t>(length) ||
                       out.size() > static_cast<std::size_t>(length) + 59)) {
      std::abort();
    }
  }
  if (Decode(LzhEncode(bytes), static_cast<std::int32_t>(size)) != bytes) std::abort();
  return 0;
}

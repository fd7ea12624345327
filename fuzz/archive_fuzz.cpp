// Reads arbitrary bytes as a compressed archive and as a decompressed one, and
// touches every member the reader reports.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/skin_reader.h"

namespace {

constexpr std::int32_t kMaxFuzzLength = 1 << 16;

// Members never overlap: together they hold no more than the data read.
void TouchMembers(const TSkinReader& reader, std::size_t limit) {
  std::size_t total = 0;
  for (std::size_t i = 0; i < reader.MemberCount(); ++i) {
    total += reader.MemberBytes(i).size();
    reader.ExtractByName(reader.MemberName(i));
  }
  if (total > limit) std::abort();
  AnsiString name;
  reader.ExtractByPart(".ini", name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TSkinReader reader;
  reader.LoadContainer(std::string(bytes));
  TouchMembers(reader, size);
  // The declared length alone sets how long decoding runs: keep runs short.
  TByteReader header(bytes);
  std::int32_t length = 0;
  if (header.ReadInt32(length) && length <= kMaxFuzzLength) {
    reader.LoadFromStream(bytes);
    TouchMembers(reader, static_cast<std::size_t>(std::max(length, 0)) + 59);
  }
  return 0;
}

#include "skin/data/archive/lzh.h"

#include <memory>
#include <new>

#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/lzh_tree.h"

using namespace lzh;

namespace {

struct DecoderTables {
  TLzhTree tree;
  std::uint8_t ring[kRingSize];
};

std::unique_ptr<DecoderTables> AllocateTables() {
  try {
    return std::make_unique<DecoderTables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
}

// Bits are taken most significant first from a 16-bit buffer topped up a byte
// at a time.
class BitInput {
 public:
  explicit BitInput(const TLZH::ReadOperation& read) : read_(read) {}

  int ReadBit() {
    Refill();
    const int bit = buffer_ >> 15;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
    --count_;
    return bit;
  }

  int ReadByte() {
    Refill();
    const int byte = buffer_ >> 8;
    buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
    count_ = static_cast<std::uint8_t>(count_ - 8);
    return byte;
  }

  int ReadPosition() {
    int b = ReadByte();
    const int upper = kPositionTables.code[b] << 6;
    for (int n = kPositionTables.length[b] - 2; n > 0; --n) b = (b << 1) + ReadBit();
    return upper | (b & 63);
  }

 private:
  void Refill() {
    while (count_ <= 8) {
      std::uint8_t byte = 0;
      if (read_(&byte, 1) != 1) byte = 0;
      buffer_ = static_cast<std::uint16_t>(buffer_ | (byte << (8 - count_)));
      count_ = static_cast<std::uint8_t>(count_ + 8);
    }
  }

  const TLZH::ReadOperation& read_;
  std::uint16_t buffer_ = 0;
  std::uint8_t count_ = 0;
};

}  // namespace

void TLZH::Unpack(std::int32_t length, const ReadOperation& read, const WriteOperation& write) {
  const std::unique_ptr<DecoderTables> tables = AllocateTables();
  TLzhTree& tree = tables->tree;
  std::uint8_t* ring = tables->ring;
  BitInput in(read);
  for (int i = 0; i < kRingStart; ++i) ring[i] = ' ';
  int r = kRingStart;
  auto emit = [&](std::uint8_t byte) {
    write(byte);
    ring[r] = byte;
    r = (r + 1) & kRingMask;
  };
  std::int64_t produced = 0;
  while (produced < length) {
    int c = tree.Child(kRoot);
    while (c < kNodeCount) c = tree.Child(c + in.ReadBit());
    const int symbol = c - kNodeCount;
    tree.Update(symbol);
    if (symbol < kFirstMatchSymbol) {
      emit(static_cast<std::uint8_t>(symbol));
      ++produced;
    } else {
      const int start = (r - in.ReadPosition() - 1) & kRingMask;
      const int count = symbol - kFirstMatchSymbol + kThreshold + 1;
      for (int k = 0; k < count; ++k) emit(ring[(start + k) & kRingMask]);
      produced += count;
    }
  }
}

void UnpackFrom(TByteReader& input, std::int32_t length, const TLZH::WriteOperation& write) {
  TLZH lzh;
  lzh.Unpack(
      length, [&input](std::uint8_t* buffer, std::size_t count) { return input.Read(buffer, count); }, write);
}

#include "skin/data/archive/lzh_encoder.h"

#include <array>
#include <cstdint>

#include "skin/data/archive/lzh_match.h"
#include "skin/data/archive/lzh_tree.h"

using namespace lzh;

namespace {

class BitOutput {
 public:
  explicit BitOutput(std::string& out) : out_(out) {}

  void WriteBit(int bit) {
    pending_ = static_cast<std::uint8_t>(pending_ << 1 | bit);
    if (++count_ == 8) {
      out_.push_back(static_cast<char>(pending_));
      pending_ = 0;
      count_ = 0;
    }
  }

  // The top `width` bits of `bits`, most significant first.
  void WriteBits(unsigned bits, int width, int total) {
    for (int i = total - 1; i >= total - width; --i) WriteBit((bits >> i) & 1);
  }

  void Flush() {
    while (count_ != 0) WriteBit(0);
  }

 private:
  std::string& out_;
  std::uint8_t pending_ = 0;
  int count_ = 0;
};

class SymbolEncoder {
 public:
  explicit SymbolEncoder(BitOutput& out) : out_(out) {}

  // The path from the root to the symbol's leaf, then the same update the
  // decoder makes after reading it.
  void Write(int symbol) {
    std::array<std::uint8_t, kNodeCount> path;
    int depth = 0;
    for (int node = tree_.Parent(symbol + kNodeCount); node != kRoot; node = tree_.Parent(node)) {
      path[depth++] = static_cast<std::uint8_t>(node - tree_.Child(tree_.Parent(node)));
    }
    while (depth > 0) out_.WriteBit(path[--depth]);
    tree_.Update(symbol);
  }

 private:
  BitOutput& out_;
  TLzhTree tree_;
};

void WritePosition(BitOutput& out, int position) {
  const int upper = position >> 6;
  out.WriteBits(kPositionTables.first[upper], PositionCodeWidth(upper), 8);
  out.WriteBits(static_cast<unsigned>(position & 63), 6, 6);
}

}  // namespace

std::string LzhEncode(std::string_view data) {
  std::string history(kRingStart, ' ');
  history.append(data);
  TLzhMatchFinder finder(history);
  for (std::size_t p = 0; p < kRingStart; ++p) finder.Insert(p);

  std::string out;
  BitOutput bits(out);
  SymbolEncoder symbols(bits);
  std::size_t p = kRingStart;
  while (p < history.size()) {
    const TLzhMatch match = finder.Find(p);
    std::size_t step = 1;
    if (match.length > 0) {
      symbols.Write(kFirstMatchSymbol + match.length - kThreshold - 1);
      WritePosition(bits, match.distance - 1);
      step = static_cast<std::size_t>(match.length);
    } else {
      symbols.Write(static_cast<std::uint8_t>(history[p]));
    }
    for (std::size_t end = p + step; p < end; ++p) finder.Insert(p);
  }
  bits.Flush();
  return out;
}

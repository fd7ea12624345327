#pragma once
// The words of a text once the separators of a table are commas: items cut at
// commas, CR and LF, spaces, CR and LF at the start of an item skipped, empty
// items dropped. Found in one pass, without writing the replaced text.

#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "app/separator_replace.h"
#include "framework/text.h"

// Cuts an already replaced text: a comma inside a two-byte character does not
// cut, and the end of the text ends the last item.
template <class Visit>
void CutAtCommas(std::string_view text, Visit&& visit) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    while (i < n && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
    const std::size_t start = i;
    while (i < n && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') i += CharLength(text, i);
    if (i > start) visit(text.substr(start, i - start));
    if (i < n && bytes[i] == ',') ++i;
  }
}

// What the cutter needs to know of 64 bytes, a bit a byte (bit k for byte k).
struct TByteBlock {
  std::uint64_t high = 0;     // 0x80-0xFF
  std::uint64_t comma = 0;    // ","
  std::uint64_t word = 0;     // ASCII digits and letters
  std::uint64_t trail = 0;    // 0x40-0x7E and 0x80-0xFE: may follow a lead byte
  std::uint64_t no_lead = 0;  // 0x80 and 0xFF, which lead no character
  std::uint64_t marking = 0;  // from `first` to `last`: may lead a separator
};
// Sixteen bytes at a time where the processor has the instructions for it.
TByteBlock ClassifyBlock(const unsigned char* bytes, unsigned char first, unsigned char last);
// A byte at a time: for any processor, and the measure of the one above.
TByteBlock ClassifyBlockByByte(const unsigned char* bytes, unsigned char first, unsigned char last);

class TWordCutter {
 public:
  // The table must outlive the cutter.
  explicit TWordCutter(std::span<const std::string_view> table);

  // Calls visit(word) for each word of `text` in order, exactly as cutting
  // the text with every table entry replaced (ReplaceSeparators) and CR LF
  // after it gives them. The views point into `text`, but for a word the
  // cutter had to make, which is valid during its visit only.
  template <class Visit>
  void ForEachWord(std::string_view text, Visit&& visit) const;

 private:
  // Bytes of the entry that starts at pos, 0 when none does.
  std::size_t SeparatorAt(const unsigned char* bytes, std::size_t pos, std::size_t n) const {
    const bool two_bytes = IsLeadByte(bytes[pos]) && pos + 1 < n;
    // One-byte characters below 256, two-byte ones as lead << 8 | trail.
    const unsigned character = two_bytes ? (bytes[pos] << 8 | bytes[pos + 1]) : bytes[pos];
    if (longer_start_[character]) {
      const std::string_view rest(reinterpret_cast<const char*>(bytes) + pos, n - pos);
      for (std::string_view entry : longer_) {
        if (rest.starts_with(entry)) return entry.size();
      }
    }
    return single_[character] ? (two_bytes ? 2 : 1) : 0;
  }

  // Cuts whole blocks of 64 bytes while they hold only commas, ASCII digits
  // and letters and whole two-byte characters, as the byte pass leaves a
  // text. Returns where the byte-by-byte cut goes on: the start of the item
  // the blocks end in.
  template <class Visit>
  std::size_t CutBlocks(std::string_view text, Visit& visit) const;

  std::span<const std::string_view> table_;
  // Whether whole blocks may be cut at once: no ASCII digit or letter is
  // marked. Lead bytes from first_marking_ to last_marking_ are looked up.
  bool blocks_ = false;
  unsigned char first_marking_ = 0xFF;
  unsigned char last_marking_ = 0;
  // False when the table's order decides between matches that overlap: the
  // text is then replaced first and cut afterwards.
  bool one_pass_ = true;
  // A plain lead byte starts no character that is marked.
  enum TByteKind : std::uint8_t { kPlainByte, kPlainLeadByte, kLeadByte, kOtherByte };
  std::array<TByteKind, 256> kind_{};     // plain: one-byte characters that never end a word
  std::bitset<65536> marked_;             // characters that may start an entry
  std::bitset<65536> single_;             // entries of one character
  std::bitset<65536> longer_start_;       // first characters of longer entries
  std::vector<std::string_view> longer_;  // longer entries, in table order
};

template <class Visit>
void TWordCutter::ForEachWord(std::string_view text, Visit&& visit) const {
  if (!one_pass_) {
    AnsiString replaced = ReplaceSeparators(text, table_);
    replaced += "\r\n";
    CutAtCommas(replaced, visit);
    return;
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::size_t i = blocks_ ? CutBlocks(text, visit) : 0;
  while (i < n) {
    while (i < n && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n') &&
           SeparatorAt(bytes, i, n) == 0)
      ++i;
    const std::size_t start = i;
    std::size_t separator = 0;
    while (i < n) {
      // Most characters are plain: one table read tells them apart.
      const unsigned char byte = bytes[i];
      const TByteKind kind = kind_[byte];
      if (kind == kPlainByte) {
        ++i;
        continue;
      }
      if (kind == kPlainLeadByte && i + 1 < n) {
        i += 2;
        continue;
      }
      if (kind == kLeadByte && i + 1 < n && !marked_[byte << 8 | bytes[i + 1]]) {
        i += 2;
        continue;
      }
      if ((separator = SeparatorAt(bytes, i, n)) != 0 || byte == ',' || byte == '\r' || byte == '\n') break;
      if (i + 1 == n && IsLeadByte(byte)) {
        // A lead byte at the very end pairs with the CR that follows the text.
        AnsiString last(text.substr(start));
        last += '\r';
        visit(std::string_view(last));
        return;
      }
      i += CharLength(text, i);
    }
    if (i > start) visit(text.substr(start, i - start));
    if (separator != 0) {
      i += separator;
    } else if (i < n && bytes[i] == ',') {
      ++i;
    }
  }
}

template <class Visit>
std::size_t TWordCutter::CutBlocks(std::string_view text, Visit& visit) const {
  constexpr std::uint64_t kEven = 0x5555555555555555u;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  std::uint64_t trail_in = 0;   // bit 0: the first byte ends the last block's last character
  std::uint64_t marked_in = 0;  // bytes of a separator that started in the last block
  std::size_t marked_from = 0;  // where that separator starts
  bool open = false;            // a word runs into this block
  std::size_t word_start = 0;
  std::size_t base = 0;
  for (; n - base >= 64; base += 64) {
    const TByteBlock block = ClassifyBlock(bytes + base, first_marking_, last_marking_);
    // Lead bytes: the first of each run of high bytes after a whole
    // character, and every second one after it.
    const std::uint64_t high = block.high & ~trail_in;
    const std::uint64_t run_starts = high & ~(high << 1);
    const std::uint64_t even_runs = high & ~(high + (run_starts & kEven));
    const std::uint64_t leads = (even_runs & kEven) | (high & ~even_runs & ~kEven);
    const std::uint64_t trails = leads << 1 | trail_in;
    if ((trails & ~block.trail) != 0 || (leads & block.no_lead) != 0 ||
        (~block.high & ~trails & ~(block.word | block.comma)) != 0)
      break;
    std::uint64_t separators = block.comma | marked_in;
    std::uint64_t marked_out = 0;
    std::size_t marked_out_from = 0;
    for (std::uint64_t c = leads & block.marking; c != 0; c &= c - 1) {
      const int k = std::countr_zero(c);
      if ((separators >> k & 1) != 0 || kind_[bytes[base + k]] != kLeadByte) continue;
      const std::size_t length = SeparatorAt(bytes, base + k, n);
      if (length == 0) continue;
      const std::uint64_t span = (std::uint64_t{1} << length) - 1;
      separators |= span << k;
      if (k + length > 64) {
        marked_out = span >> (64 - k);
        marked_out_from = base + k;
      }
    }
    // Words are the runs of bytes between separators, each reported at its end.
    const std::uint64_t words = ~separators;
    const std::uint64_t carried = open ? 1 : 0;
    std::uint64_t starts = words & ~(words << 1 | carried);
    std::uint64_t ends = separators & (words << 1 | carried);
    for (;;) {
      if (open) {
        if (ends == 0) break;
        const std::size_t end = base + static_cast<std::size_t>(std::countr_zero(ends));
        ends &= ends - 1;
        visit(text.substr(word_start, end - word_start));
        open = false;
      }
      if (starts == 0) break;
      word_start = base + static_cast<std::size_t>(std::countr_zero(starts));
      starts &= starts - 1;
      open = true;
    }
    trail_in = leads >> 63;
    marked_in = marked_out;
    marked_from = marked_out_from;
  }
  if (open) return word_start;
  return marked_in != 0 ? marked_from : base;
}

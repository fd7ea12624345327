#pragma once
// The words of a text once the separators of a table are commas: items cut at
// commas, CR and LF, spaces, CR and LF at the start of an item skipped, empty
// items dropped. Found in one pass, without writing the replaced text.

#include <array>
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

  std::span<const std::string_view> table_;
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
  std::size_t i = 0;
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

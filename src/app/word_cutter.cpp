#include "app/word_cutter.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

unsigned FirstCharacter(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  return CharLength(s, pos) == 2 ? (lead << 8 | static_cast<unsigned char>(s[pos + 1])) : lead;
}

// Where a match of `later` can start inside a match of `earlier` (at one of
// its characters after the first), the two overlap.
bool CanOverlap(std::string_view earlier, std::string_view later) {
  for (std::size_t p = CharLength(earlier, 0); p < earlier.size(); p += CharLength(earlier, p)) {
    const std::string_view rest = earlier.substr(p);
    if (rest.starts_with(later) || later.starts_with(rest)) return true;
  }
  return false;
}

#if defined(__SSE2__)
// Where the bytes of v lie from lo to hi, unsigned: 0xFF there, 0 elsewhere.
__m128i InRange(__m128i v, unsigned char lo, unsigned char hi) {
  const __m128i offset = _mm_sub_epi8(v, _mm_set1_epi8(static_cast<char>(lo)));
  const __m128i width = _mm_set1_epi8(static_cast<char>(hi - lo));
  return _mm_cmpeq_epi8(_mm_min_epu8(offset, width), offset);
}

// The top bits of the sixteen bytes as bits `16 * part` on of a block mask.
std::uint64_t Bits(__m128i v, int part) {
  return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(v))} << (16 * part);
}
#endif

}  // namespace

TByteBlock ClassifyBlock(const unsigned char* bytes, unsigned char first, unsigned char last) {
#if defined(__SSE2__)
  TByteBlock block;
  const auto byte = [](unsigned value) { return _mm_set1_epi8(static_cast<char>(value)); };
  for (int part = 0; part < 4; ++part) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
    block.high |= Bits(v, part);
    block.comma |= Bits(_mm_cmpeq_epi8(v, byte(',')), part);
    const __m128i letter = InRange(_mm_or_si128(v, byte(0x20)), 'a', 'z');
    block.word |= Bits(_mm_or_si128(InRange(v, '0', '9'), letter), part);
    block.trail |= Bits(_mm_or_si128(InRange(v, 0x40, 0x7E), InRange(v, 0x80, 0xFE)), part);
    block.no_lead |= Bits(_mm_or_si128(_mm_cmpeq_epi8(v, byte(0x80)), _mm_cmpeq_epi8(v, byte(0xFF))), part);
    if (first <= last) block.marking |= Bits(InRange(v, first, last), part);
  }
  return block;
#else
  return ClassifyBlockByByte(bytes, first, last);
#endif
}

TByteBlock ClassifyBlockByByte(const unsigned char* bytes, unsigned char first, unsigned char last) {
  TByteBlock block;
  for (int k = 0; k < 64; ++k) {
    const unsigned char b = bytes[k];
    const std::uint64_t bit = std::uint64_t{1} << k;
    const unsigned char folded = b | 0x20;
    if (b >= 0x80) block.high |= bit;
    if (b == ',') block.comma |= bit;
    if ((b >= '0' && b <= '9') || (folded >= 'a' && folded <= 'z')) block.word |= bit;
    if ((b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE)) block.trail |= bit;
    if (b == 0x80 || b == 0xFF) block.no_lead |= bit;
    if (b >= first && b <= last) block.marking |= bit;
  }
  return block;
}

TWordCutter::TWordCutter(std::span<const std::string_view> table) : table_(table) {
  const auto one_character = [](std::string_view entry) {
    return !entry.empty() && CharLength(entry, 0) == entry.size();
  };
  for (std::string_view entry : table) {
    if (one_character(entry)) single_.set(FirstCharacter(entry, 0));
  }
  for (std::size_t k = 0; k < table.size(); ++k) {
    const std::string_view entry = table[k];
    if (entry.empty() || one_character(entry)) continue;
    longer_start_.set(FirstCharacter(entry, 0));
    longer_.push_back(entry);
    // Matched whole from left to right, the entry gives the table's result
    // unless an earlier one-character entry takes one of its characters first
    // (when all its characters are entries, every byte is a separator either
    // way), or it overlaps another longer entry.
    bool all_single = true;
    bool taken_first = false;
    for (std::size_t p = 0; p < entry.size(); p += CharLength(entry, p)) {
      const std::string_view character = entry.substr(p, CharLength(entry, p));
      all_single = all_single && single_[FirstCharacter(character, 0)];
      for (std::size_t earlier = 0; earlier < k; ++earlier)
        taken_first = taken_first || table[earlier] == character;
    }
    if (taken_first && !all_single) one_pass_ = false;
    for (std::string_view other : table) {
      if (!other.empty() && !one_character(other) && other != entry && CanOverlap(entry, other))
        one_pass_ = false;
    }
  }
  marked_ = single_ | longer_start_;
  for (unsigned byte = 0; byte < 256; ++byte) {
    const bool plain = !IsLeadByte(static_cast<unsigned char>(byte)) && !marked_[byte] && byte != ',' &&
                       byte != '\r' && byte != '\n';
    bool marks = false;
    for (unsigned trail = 0; trail < 256 && !marks; ++trail) marks = marked_[byte << 8 | trail];
    kind_[byte] = plain                                           ? kPlainByte
                  : !IsLeadByte(static_cast<unsigned char>(byte)) ? kOtherByte
                  : marks                                         ? kLeadByte
                                                                  : kPlainLeadByte;
    if (kind_[byte] == kLeadByte) {
      first_marking_ = std::min(first_marking_, static_cast<unsigned char>(byte));
      last_marking_ = std::max(last_marking_, static_cast<unsigned char>(byte));
    }
  }
  // Blocks are cut only where a comma and every ASCII digit and letter
  // stand for themselves, as they do in the separator table.
  blocks_ = !marked_[','];
  for (unsigned byte = 0; byte < 128; ++byte) {
    const unsigned char folded = static_cast<unsigned char>(byte | 0x20);
    if ((byte >= '0' && byte <= '9') || (folded >= 'a' && folded <= 'z'))
      blocks_ = blocks_ && kind_[byte] == kPlainByte;
  }
}

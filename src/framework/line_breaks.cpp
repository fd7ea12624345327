#include "framework/line_breaks.h"

#include <algorithm>
#include <iterator>

namespace line_breaks {
namespace {

// Sorted, so that a lookup is a binary search.
constexpr char16_t kClosing[] = {
    u'!',      u')',      u',',      u'.',      u':',      u';',      u'?',      u']',
    u'}',      u'\u00B7', u'\u2019', u'\u201D', u'\u2026', u'\u3001', u'\u3002', u'\u3009',
    u'\u300B', u'\u300D', u'\u300F', u'\u3011', u'\u3015', u'\u3017', u'\u30FB', u'\uFF01',
    u'\uFF09', u'\uFF0C', u'\uFF0E', u'\uFF1A', u'\uFF1B', u'\uFF1F', u'\uFF3D', u'\uFF5D',
};
constexpr char16_t kOpening[] = {
    u'(',      u'[',      u'{',      u'\u2018', u'\u201C', u'\u3008', u'\u300A', u'\u300C',
    u'\u300E', u'\u3010', u'\u3014', u'\u3016', u'\uFF08', u'\uFF3B', u'\uFF5B',
};

static_assert(std::is_sorted(std::begin(kClosing), std::end(kClosing)));
static_assert(std::is_sorted(std::begin(kOpening), std::end(kOpening)));

template <std::size_t N>
bool Contains(const char16_t (&sorted)[N], char16_t c) {
  return std::binary_search(std::begin(sorted), std::end(sorted), c);
}

}  // namespace

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u3000';
}

bool IsWide(char16_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool IsClosing(char16_t c) {
  return Contains(kClosing, c);
}

bool IsOpening(char16_t c) {
  return Contains(kOpening, c);
}

}  // namespace line_breaks

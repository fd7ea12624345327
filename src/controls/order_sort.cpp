#include "controls/order_sort.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <type_traits>
#include <utility>

#include "controls/exchange_order.h"
#include "framework/exception.h"
#include "framework/radix_sort.h"

namespace {

constexpr std::string_view kAscendingMark = "↑";
constexpr std::string_view kDescendingMark = "↓";

struct ParsedInteger {
  bool negative = false;
  bool hex = false;
  std::uint64_t magnitude = 0;  // UINT64_MAX once the digits overflow
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<ParsedInteger> ParseInteger(std::string_view text) {
  constexpr std::uint64_t kOverflow = ~std::uint64_t{0};
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  ParsedInteger result;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) result.negative = text[i++] == '-';
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    result.hex = true;
    ++i;
  } else if (text.substr(i, 2) == "0x") {
    result.hex = true;
    i += 2;
  }
  const int base = result.hex ? 16 : 10;
  if (i == text.size()) return std::nullopt;
  for (; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0 || digit >= base) return std::nullopt;
    const auto d = static_cast<std::uint64_t>(digit);
    result.magnitude = result.magnitude > (kOverflow - d) / base ? kOverflow : result.magnitude * base + d;
  }
  return result;
}

std::optional<std::int32_t> Int32Of(const ParsedInteger& p) {
  if (p.hex) {
    if (p.magnitude > 0xFFFFFFFFu) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(p.magnitude);
    return static_cast<std::int32_t>(p.negative ? 0u - bits : bits);
  }
  if (p.magnitude > (p.negative ? 0x80000000u : 0x7FFFFFFFu)) return std::nullopt;
  return static_cast<std::int32_t>(p.negative ? -static_cast<std::int64_t>(p.magnitude)
                                              : static_cast<std::int64_t>(p.magnitude));
}

std::optional<std::int64_t> Int64Of(const ParsedInteger& p) {
  if (p.magnitude > (p.negative ? 0x8000000000000000u : 0x7FFFFFFFFFFFFFFFu)) return std::nullopt;
  return p.negative ? static_cast<std::int64_t>(0 - p.magnitude) : static_cast<std::int64_t>(p.magnitude);
}

// True when `text` holds `mark` as a whole character.
bool HasMark(std::string_view text, std::string_view mark) {
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (text.substr(i, mark.size()) == mark) return true;
  }
  return false;
}

[[noreturn]] void IndexError(int index) {
  char message[64];
  std::snprintf(message, sizeof message, "List index out of bounds (%d)", index);
  throw EListError(message);
}

// A row and a number that orders as the row's text or value does.
struct TKeyedRow {
  std::uint64_t key;
  std::size_t row;
};

// Dense ranks in the direction of the sort, equal rows sharing one: rows are
// sorted by key a byte at a time, and rows of one key by `compare`, their
// three-way order; none where the key decides alone.
template <class Compare = std::nullptr_t>
std::vector<std::size_t> DirectedRanks(std::vector<TKeyedRow> keyed, bool ascending,
                                       Compare compare = nullptr) {
  RadixSortBy(keyed, [](const TKeyedRow& k) { return k.key; });
  constexpr bool key_decides = std::is_null_pointer_v<Compare>;
  const auto below = [&](const TKeyedRow& a, const TKeyedRow& b) {
    if constexpr (key_decides) {
      return a.key < b.key;
    } else {
      return a.key < b.key || (a.key == b.key && compare(a.row, b.row) < 0);
    }
  };
  for (std::size_t first = 0; !key_decides && first < keyed.size();) {
    std::size_t last = first + 1;
    while (last < keyed.size() && keyed[last].key == keyed[first].key) ++last;
    if (last - first > 1) {
      std::sort(keyed.begin() + static_cast<std::ptrdiff_t>(first),
                keyed.begin() + static_cast<std::ptrdiff_t>(last), below);
    }
    first = last;
  }
  std::vector<std::size_t> ranks(keyed.size());
  std::size_t rank = 0;
  for (std::size_t q = 0; q < keyed.size(); ++q) {
    if (q > 0 && below(keyed[q - 1], keyed[q])) ++rank;
    ranks[keyed[q].row] = rank;
  }
  if (!ascending) {
    for (std::size_t& r : ranks) r = rank - r;
  }
  return ranks;
}

}  // namespace

std::optional<std::int32_t> TextToInt32(std::string_view text) {
  const std::optional<ParsedInteger> p = ParseInteger(text);
  return p ? Int32Of(*p) : std::nullopt;
}

std::optional<std::int64_t> TextToInt64(std::string_view text) {
  const std::optional<ParsedInteger> p = ParseInteger(text);
  return p ? Int64Of(*p) : std::nullopt;
}

void CheckColumn(int column, int column_count) {
  if (column < 0 || column >= column_count) IndexError(column);
}

void CheckSubItems(std::size_t sub_items, int column_count) {
  if (sub_items < static_cast<std::size_t>(column_count - 1)) IndexError(static_cast<int>(sub_items));
}

TColumnOrder ColumnOrder(std::span<const std::string_view> keys, const std::vector<AnsiString>& captions,
                         int column) {
  const bool ascending = !HasMark(captions[static_cast<std::size_t>(column)], kAscendingMark);
  // Numbers compare as 64-bit values, each with its sign bit flipped so that
  // it orders as an unsigned number, when every text is a 32-bit integer.
  std::vector<TKeyedRow> keyed(keys.size());
  bool numeric = true;
  for (std::size_t r = 0; r < keys.size() && numeric; ++r) {
    const std::optional<ParsedInteger> p = ParseInteger(keys[r]);
    numeric = p && Int32Of(*p);
    if (numeric) keyed[r] = {static_cast<std::uint64_t>(*Int64Of(*p)) ^ (std::uint64_t{1} << 63), r};
  }
  std::vector<std::size_t> ranks;
  if (numeric) {
    ranks = DirectedRanks(std::move(keyed), ascending);
  } else {
    for (std::size_t r = 0; r < keys.size(); ++r) keyed[r] = {TextPrefix(keys[r]), r};
    // string_view compares bytes as unsigned, as the text order requires.
    ranks = DirectedRanks(std::move(keyed), ascending,
                          [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]); });
  }
  TColumnOrder result{ExchangeOrder(ranks), captions};
  for (AnsiString& caption : result.captions) {
    if (HasMark(caption, kAscendingMark) || HasMark(caption, kDescendingMark)) caption.erase(0, 2);
  }
  AnsiString& marked = result.captions[static_cast<std::size_t>(column)];
  // A new string rather than a prefix insert, which GCC 12 at -O3 warns on falsely (-Wrestrict).
  marked = AnsiString(ascending ? kAscendingMark : kDescendingMark) + marked;
  return result;
}

void SortByColumn(std::vector<TReportRow>& rows, std::vector<AnsiString>& captions, int column) {
  const int m = static_cast<int>(captions.size());
  CheckColumn(column, m);
  for (const TReportRow& row : rows) CheckSubItems(row.sub_items.size(), m);

  std::vector<std::string_view> keys;
  keys.reserve(rows.size());
  for (const TReportRow& row : rows) {
    keys.push_back(column == 0 ? row.caption : row.sub_items[static_cast<std::size_t>(column - 1)]);
  }
  TColumnOrder sorted = ColumnOrder(keys, captions, column);

  // Everything that can fail has been done: the rows can move now.
  const auto sub_item_count = static_cast<std::size_t>(m - 1);
  std::vector<TReportRow> new_rows;
  new_rows.reserve(sorted.order.size());
  for (std::size_t p = 0; p < sorted.order.size(); ++p) {
    // The rows are read out of order: each fetched a few moves ahead.
    constexpr std::size_t kAhead = 8;
    if (p + kAhead < sorted.order.size()) __builtin_prefetch(&rows[sorted.order[p + kAhead]]);
    new_rows.push_back(std::move(rows[sorted.order[p]]));
    new_rows.back().sub_items.resize(sub_item_count);
  }
  rows = std::move(new_rows);
  captions = std::move(sorted.captions);
}

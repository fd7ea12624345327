#include "controls/order_sort.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <utility>

#include "controls/exchange_order.h"
#include "framework/exception.h"

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

// Dense ranks of `keys` in the direction of the sort: equal keys share one.
template <typename Key, typename Before>
std::vector<std::size_t> Ranks(std::span<const Key> keys, Before before) {
  std::vector<std::size_t> by_key(keys.size());
  for (std::size_t r = 0; r < by_key.size(); ++r) by_key[r] = r;
  std::sort(by_key.begin(), by_key.end(),
            [&](std::size_t a, std::size_t b) { return before(keys[a], keys[b]); });
  std::vector<std::size_t> ranks(keys.size());
  std::size_t rank = 0;
  for (std::size_t q = 0; q < by_key.size(); ++q) {
    if (q > 0 && before(keys[by_key[q - 1]], keys[by_key[q]])) ++rank;
    ranks[by_key[q]] = rank;
  }
  return ranks;
}

template <typename Key>
std::vector<std::size_t> DirectedRanks(std::span<const Key> keys, bool ascending) {
  if (ascending) return Ranks<Key>(keys, [](const Key& a, const Key& b) { return a < b; });
  return Ranks<Key>(keys, [](const Key& a, const Key& b) { return b < a; });
}

}  // namespace

std::optional<std::int32_t> TextToInt32(std::string_view text) {
  const std::optional<ParsedInteger> p = ParseInteger(text);
  if (!p) return std::nullopt;
  if (p->hex) {
    if (p->magnitude > 0xFFFFFFFFu) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(p->magnitude);
    return static_cast<std::int32_t>(p->negative ? 0u - bits : bits);
  }
  if (p->magnitude > (p->negative ? 0x80000000u : 0x7FFFFFFFu)) return std::nullopt;
  return static_cast<std::int32_t>(p->negative ? -static_cast<std::int64_t>(p->magnitude)
                                               : static_cast<std::int64_t>(p->magnitude));
}

std::optional<std::int64_t> TextToInt64(std::string_view text) {
  const std::optional<ParsedInteger> p = ParseInteger(text);
  if (!p || p->magnitude > (p->negative ? 0x8000000000000000u : 0x7FFFFFFFFFFFFFFFu)) return std::nullopt;
  return p->negative ? static_cast<std::int64_t>(0 - p->magnitude) : static_cast<std::int64_t>(p->magnitude);
}

void CheckColumn(int column, int column_count) {
  if (column < 0 || column >= column_count) IndexError(column);
}

void CheckSubItems(std::size_t sub_items, int column_count) {
  if (sub_items < static_cast<std::size_t>(column_count - 1)) IndexError(static_cast<int>(sub_items));
}

TColumnOrder ColumnOrder(std::span<const std::string_view> keys, const std::vector<AnsiString>& captions,
                         int column) {
  bool numeric = true;
  for (std::string_view text : keys) {
    if (!TextToInt32(text)) {
      numeric = false;
      break;
    }
  }
  const bool ascending = !HasMark(captions[static_cast<std::size_t>(column)], kAscendingMark);

  std::vector<std::size_t> ranks;
  if (numeric) {
    std::vector<std::int64_t> values;
    values.reserve(keys.size());
    for (std::string_view text : keys) values.push_back(*TextToInt64(text));
    ranks = DirectedRanks<std::int64_t>(values, ascending);
  } else {
    // string_view compares bytes as unsigned, as the text order requires.
    ranks = DirectedRanks(keys, ascending);
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
  for (std::size_t source : sorted.order) {
    new_rows.push_back(std::move(rows[source]));
    new_rows.back().sub_items.resize(sub_item_count);
  }
  rows = std::move(new_rows);
  captions = std::move(sorted.captions);
}

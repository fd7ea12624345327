#include "controls/order_sort.h"

#include <cstdio>
#include <utility>

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

// Negative, zero or positive as a is below, equal to or above b.
int CompareCells(const AnsiString& a, const AnsiString& b, bool numeric) {
  if (!numeric) return a.compare(b);
  const std::int64_t x = *TextToInt64(a);
  const std::int64_t y = *TextToInt64(b);
  return x < y ? -1 : (x > y ? 1 : 0);
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

void SortByColumn(std::vector<TReportRow>& rows, std::vector<AnsiString>& captions, int column) {
  const int m = static_cast<int>(captions.size());
  const int n = static_cast<int>(rows.size());
  if (column < 0 || column >= m) IndexError(column);

  std::vector<std::vector<AnsiString>> column_texts(static_cast<std::size_t>(m));
  std::vector<int> row_image_indexes;
  for (const TReportRow& row : rows) {
    row_image_indexes.push_back(row.image_index);
    column_texts[0].push_back(row.caption);
    for (int k = 1; k < m; ++k) {
      if (k - 1 >= static_cast<int>(row.sub_items.size())) IndexError(k - 1);
      column_texts[static_cast<std::size_t>(k)].push_back(row.sub_items[static_cast<std::size_t>(k - 1)]);
    }
  }
  std::vector<AnsiString>& keys = column_texts[static_cast<std::size_t>(column)];

  bool numeric = true;
  for (const AnsiString& text : keys) {
    if (!TextToInt32(text)) {
      numeric = false;
      break;
    }
  }
  const bool ascending = !HasMark(captions[static_cast<std::size_t>(column)], kAscendingMark);

  std::vector<AnsiString> new_captions = captions;
  for (AnsiString& caption : new_captions) {
    if (HasMark(caption, kAscendingMark) || HasMark(caption, kDescendingMark)) caption.erase(0, 2);
  }

  // Every pair in both orders, exchanging out-of-order rows: the order of
  // equal rows depends on exactly this procedure.
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const int order =
          CompareCells(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(j)], numeric);
      if (ascending ? order < 0 : order > 0) {
        for (std::vector<AnsiString>& texts : column_texts) {
          std::swap(texts[static_cast<std::size_t>(i)], texts[static_cast<std::size_t>(j)]);
        }
        std::swap(row_image_indexes[static_cast<std::size_t>(i)],
                  row_image_indexes[static_cast<std::size_t>(j)]);
      }
    }
  }

  new_captions[static_cast<std::size_t>(column)].insert(0, ascending ? kAscendingMark : kDescendingMark);

  std::vector<TReportRow> new_rows(static_cast<std::size_t>(n));
  for (std::size_t r = 0; r < new_rows.size(); ++r) {
    new_rows[r].caption = column_texts[0][r];
    for (std::size_t k = 1; k < column_texts.size(); ++k) new_rows[r].sub_items.push_back(column_texts[k][r]);
    new_rows[r].image_index = row_image_indexes[r];
  }
  rows = std::move(new_rows);
  captions = std::move(new_captions);
}

#pragma once
// The header-click sort of TOrderListView on plain data: a click on a column
// sorts the rows by it, ascending on the first click and toggling after, and
// marks the column's caption with "↑" or "↓". A column is numeric when every
// text in it is a 32-bit integer; numbers then compare as 64-bit values,
// otherwise texts compare as unsigned bytes.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "controls/report_row.h"

// The 32-bit integer conversion: optional leading spaces, an optional sign,
// then decimal digits or hexadecimal digits after "$", "x", "X" or "0x";
// nothing after. Nothing for any other text.
std::optional<std::int32_t> TextToInt32(std::string_view text);
// The same texts read as 64-bit values ("$FFFFFFFF" is 4294967295 here).
std::optional<std::int64_t> TextToInt64(std::string_view text);

// What a click on column `column` of `captions` does, worked out from each
// row's text in that column (`keys`, top to bottom).
struct TColumnOrder {
  std::vector<std::size_t> order;    // element p: the row that ends at position p
  std::vector<AnsiString> captions;  // with the sort mark moved
};
TColumnOrder ColumnOrder(std::span<const std::string_view> keys, const std::vector<AnsiString>& captions,
                         int column);
// Raises EListError ("List index out of bounds (%d)") for a column outside
// `column_count` columns or a row of `sub_items` sub-items that lacks one.
void CheckColumn(int column, int column_count);
void CheckSubItems(std::size_t sub_items, int column_count);

// Sorts `rows` by column `column` of `captions` and moves the sort mark. A row
// with too few sub-items raises EListError ("List index out of bounds (%d)")
// and leaves rows and captions as they were. Rows keep only their caption,
// one sub-item per further column and their image index.
void SortByColumn(std::vector<TReportRow>& rows, std::vector<AnsiString>& captions, int column);

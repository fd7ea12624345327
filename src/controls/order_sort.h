#pragma once
// The header-click sort of TOrderListView on plain data: a click on a column
// sorts the rows by it, ascending on the first click and toggling after, and
// marks the column's caption with "↑" or "↓". A column is numeric when every
// text in it is a 32-bit integer; numbers then compare as 64-bit values,
// otherwise texts compare as unsigned bytes.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "controls/report_row.h"

// The 32-bit integer conversion: optional leading spaces, an optional sign,
// then decimal digits or hexadecimal digits after "$", "x", "X" or "0x";
// nothing after. Nothing for any other text.
std::optional<std::int32_t> TextToInt32(std::string_view text);
// The same texts read as 64-bit values ("$FFFFFFFF" is 4294967295 here).
std::optional<std::int64_t> TextToInt64(std::string_view text);

// Sorts `rows` by column `column` of `captions` and moves the sort mark. A row
// with too few sub-items raises EListError ("List index out of bounds (%d)")
// and leaves rows and captions as they were. Rows keep only their caption,
// one sub-item per further column and their image index.
void SortByColumn(std::vector<TReportRow>& rows, std::vector<AnsiString>& captions, int column);

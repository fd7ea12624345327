#pragma once
// One row of a report-style list view: the caption is shown in column 0, the
// sub-items in columns 1, 2, ...

#include <vector>

#include "framework/text.h"

struct TReportRow {
  AnsiString caption;
  std::vector<AnsiString> sub_items;
  int image_index = -1;

  bool operator==(const TReportRow&) const = default;
};

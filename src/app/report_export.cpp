#include "app/report_export.h"

#include <cstdio>

#include "framework/exception.h"

AnsiString ExportReport(const std::vector<TReportRow>& rows, bool numbered) {
  AnsiString out = numbered ? "编号,单词,出现频率\r\n\r\n" : "单词,出现频率\r\n\r\n";
  for (const TReportRow& row : rows) {
    if (row.sub_items.size() < 2) {
      char message[64];
      std::snprintf(message, sizeof message, "List index out of bounds (%d)",
                    static_cast<int>(row.sub_items.size()));
      throw EListError(message);
    }
    if (numbered) out += row.caption + ",";
    out += row.sub_items[0] + "," + row.sub_items[1] + "\r\n";
  }
  return out;
}

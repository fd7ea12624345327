#include "app/report_export.h"

#include <cstdio>

#include "framework/exception.h"

AnsiString ReportHeader(bool numbered) {
  return numbered ? "编号,单词,出现频率\r\n\r\n" : "单词,出现频率\r\n\r\n";
}

void AppendReportRecord(AnsiString& report, std::string_view number, std::string_view word,
                        std::string_view count, bool numbered) {
  if (numbered) {
    report += number;
    report += ',';
  }
  report += word;
  report += ',';
  report += count;
  report += "\r\n";
}

AnsiString ExportReport(const std::vector<TReportRow>& rows, bool numbered) {
  AnsiString out = ReportHeader(numbered);
  for (const TReportRow& row : rows) {
    if (row.sub_items.size() < 2) {
      char message[64];
      std::snprintf(message, sizeof message, "List index out of bounds (%d)",
                    static_cast<int>(row.sub_items.size()));
      throw EListError(message);
    }
    AppendReportRecord(out, row.caption, row.sub_items[0], row.sub_items[1], numbered);
  }
  return out;
}

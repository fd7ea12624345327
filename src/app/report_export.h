#pragma once
// The saved report: comma-separated GBK text without a byte-order mark, a
// header line for the numbering option, an empty line, then one record per
// row as shown, every line ended by CR LF. Fields are written as they stand.

#include <string_view>
#include <vector>

#include "controls/report_row.h"
#include "framework/text.h"

// With `numbered` the row's caption leads each record. A row with fewer than
// two sub-items raises EListError.
AnsiString ExportReport(const std::vector<TReportRow>& rows, bool numbered);

// The header lines alone, and one record appended to a report.
AnsiString ReportHeader(bool numbered);
void AppendReportRecord(AnsiString& report, std::string_view number, std::string_view word,
                        std::string_view count, bool numbered);

#pragma once
// Command line of lexitally-count.

#include <optional>
#include <string>
#include <vector>

#include "framework/text.h"

enum class TOutputMode { kReport, kWords, kSorted, kSummary };

struct TCountOptions {
  TOutputMode mode = TOutputMode::kReport;
  bool ignore_repeats = false;
  bool numbered = true;
  std::vector<int> sort_columns;        // report header clicks, in order
  std::optional<AnsiString> file_name;  // standard input when absent
};

// Raises std::invalid_argument with a one-line reason for a bad command line.
TCountOptions ParseCountOptions(const std::vector<AnsiString>& args);

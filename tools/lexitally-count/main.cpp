// lexitally-count [--words|--sorted|--summary] [--ignore-repeats] [--no-numbers]
//                 [--sort N]... [FILE]
// Splits a GBK text the way Lexitally does and writes, as GBK bytes, the saved
// report, the lines of one of the result memos, or the summary line. FILE is
// loaded as "打开文件" loads it into an empty input pane; standard input when
// absent.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/frequency_report.h"
#include "app/report_export.h"
#include "app/word_split.h"
#include "controls/order_sort.h"
#include "count_options.h"
#include "framework/exception.h"
#include "framework/file_io.h"
#include "framework/string_list.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

constexpr int kUsageOrInputError = 2;

void Complain(const AnsiString& reason) {
  std::fprintf(stderr, "lexitally-count: %s\n", reason.c_str());
}

AnsiString ReadStandardInput() {
  AnsiString bytes;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) bytes.append(buffer, n);
  if (std::ferror(stdin)) throw EFileError("Cannot read standard input");
  return bytes;
}

// The input pane's text after the file is loaded into an empty pane with
// "去除空行" ticked and "追加文件" clear.
AnsiString PaneText(std::string_view file_bytes) {
  TStringList file_lines;
  file_lines.SetText(file_bytes);
  AnsiString text;
  bool first = true;
  for (const AnsiString& line : file_lines.Items()) {
    if (Trim(line).empty()) continue;
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
  return text;
}

AnsiString JoinLines(const std::vector<AnsiString>& lines) {
  AnsiString text;
  for (const AnsiString& line : lines) text += line + "\r\n";
  return text;
}

AnsiString Count(const TCountOptions& options, std::string_view input) {
  const TLocale& locale = DefaultLocale();
  TPerlRegEx regex;
  std::vector<AnsiString> split_lines, sorted_lines;
  AnsiString summary;
  std::vector<TReportRow> rows;
  std::optional<TSplitResult> split =
      SplitWords(PaneText(input), TSplitOptions{options.ignore_repeats, options.numbered}, regex, locale);
  if (split) {
    TFrequencyReport report = BuildFrequencyReport(split->raw_words, split->distinct_words, locale);
    split_lines = std::move(split->split_lines);
    sorted_lines = std::move(split->sorted_lines);
    summary = report.summary;
    rows = std::move(report.rows);
  }
  std::vector<AnsiString> captions = {"编号", "单词", "出现频率"};
  for (int column : options.sort_columns) SortByColumn(rows, captions, column);

  switch (options.mode) {
    case TOutputMode::kWords:
      return JoinLines(split_lines);
    case TOutputMode::kSorted:
      return JoinLines(sorted_lines);
    case TOutputMode::kSummary:
      return summary.empty() ? AnsiString() : summary + "\r\n";
    case TOutputMode::kReport:
      break;
  }
  return ExportReport(rows, options.numbered);
}

int Run(const std::vector<AnsiString>& args) {
  TCountOptions options;
  AnsiString input;
  try {
    options = ParseCountOptions(args);
    input = options.file_name ? ReadFileBytes(*options.file_name) : ReadStandardInput();
  } catch (const std::invalid_argument& e) {
    Complain(e.what());
    return kUsageOrInputError;
  } catch (const Exception& e) {
    Complain(e.Message());
    return kUsageOrInputError;
  }
  AnsiString output;
  try {
    output = Count(options, input);
  } catch (const Exception& e) {
    Complain(e.Message());
    return 1;
  }
  if (std::fwrite(output.data(), 1, output.size(), stdout) != output.size() || std::fflush(stdout) != 0) {
    Complain("cannot write standard output");
    return 1;
  }
  return 0;
}

}  // namespace

#ifdef _WIN32
// Arguments arrive as UTF-16 and are taken as GBK, whatever the system's code
// page, so that file names reach ReadFileBytes in the program's encoding.
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<AnsiString> args;
  for (int i = 1; i < argc; ++i) {
    const int n = WideCharToMultiByte(936, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    AnsiString arg(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
    WideCharToMultiByte(936, 0, argv[i], -1, arg.data(), n, nullptr, nullptr);
    arg.resize(arg.find('\0'));
    args.push_back(arg);
  }
  return Run(args);
}
#else
int main(int argc, char** argv) {
  return Run(std::vector<AnsiString>(argv + 1, argv + argc));
}
#endif

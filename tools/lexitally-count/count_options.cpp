#include "count_options.h"

#include <stdexcept>

namespace {

void SetMode(TCountOptions& options, TOutputMode mode, bool& mode_given, const AnsiString& arg) {
  if (mode_given && options.mode != mode)
    throw std::invalid_argument("only one output mode may be given: " + arg);
  options.mode = mode;
  mode_given = true;
}

}  // namespace

TCountOptions ParseCountOptions(const std::vector<AnsiString>& args) {
  TCountOptions options;
  bool mode_given = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const AnsiString& arg = args[i];
    if (arg == "--words") {
      SetMode(options, TOutputMode::kWords, mode_given, arg);
    } else if (arg == "--sorted") {
      SetMode(options, TOutputMode::kSorted, mode_given, arg);
    } else if (arg == "--summary") {
      SetMode(options, TOutputMode::kSummary, mode_given, arg);
    } else if (arg == "--ignore-repeats") {
      options.ignore_repeats = true;
    } else if (arg == "--no-numbers") {
      options.numbered = false;
    } else if (arg == "--sort") {
      if (i + 1 == args.size()) throw std::invalid_argument("--sort needs a column number (0, 1 or 2)");
      const AnsiString& column = args[++i];
      if (column != "0" && column != "1" && column != "2") {
        throw std::invalid_argument("bad column for --sort: '" + column + "' (0, 1 or 2)");
      }
      options.sort_columns.push_back(column[0] - '0');
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw std::invalid_argument("unknown option: " + arg);
    } else if (options.file_name) {
      throw std::invalid_argument("only one file may be given: " + arg);
    } else {
      options.file_name = arg;
    }
  }
  return options;
}

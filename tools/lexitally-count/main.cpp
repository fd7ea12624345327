// lexitally-count [--words|--sorted|--summary] [--ignore-repeats] [--no-numbers]
//                 [--sort N]... [FILE]
// Splits a GBK text the way Lexitally does and writes, as GBK bytes, the saved
// report, the lines of one of the result memos, or the summary line. FILE is
// loaded as "打开文件" loads it into an empty input pane; standard input when
// absent.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdio>
#include <cstring>
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

#ifdef __GLIBC__
#include <malloc.h>
#endif
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
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

// Where the line from `from` ends: the next CR or LF, or NUL (which ends the
// text), or the end. Files run to megabytes: sixteen bytes are looked at
// at once where the processor can.
std::size_t LineEnd(std::string_view bytes, std::size_t from) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  for (; from + 16 <= bytes.size(); from += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + from));
    const __m128i ends =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)), _mm_cmpeq_epi8(v, nul));
    if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(ends)); mask != 0)
      return from + static_cast<std::size_t>(std::countr_zero(mask));
  }
#endif
  for (; from < bytes.size(); ++from) {
    if (bytes[from] == '\r' || bytes[from] == '\n' || bytes[from] == '\0') return from;
  }
  return bytes.size();
}

// The input pane's text after the file is loaded into an empty pane with
// "去除空行" ticked and "追加文件" clear: the lines up to the first NUL byte
// (ended by CR LF, CR or LF), those that are blank after trimming dropped,
// joined by CR LF. Made where the file's bytes stand, which the text never
// outgrows while its line breaks are CR LF; from the first line break that
// is not, the rest goes into a new text.
AnsiString PaneText(AnsiString file) {
  const std::string_view bytes = file;
  // Written over the file's bytes while it stays behind those still to be
  // read, into `moved` from then on.
  std::size_t written = 0;
  bool outgrown = false;
  AnsiString moved;
  const auto put = [&](std::string_view piece, std::size_t unread) {
    if (!outgrown && written + piece.size() > unread) {
      outgrown = true;
      moved.reserve(bytes.size() + bytes.size() / 8);
      moved.assign(file, 0, written);
    }
    if (outgrown) {
      moved += piece;
    } else {
      if (file.data() + written != piece.data())
        std::memmove(file.data() + written, piece.data(), piece.size());
      written += piece.size();
    }
  };
  std::size_t start = 0;
  bool first = true;
  while (start < bytes.size()) {
    const std::size_t end = LineEnd(bytes, start);
    const std::string_view line = bytes.substr(start, end - start);
    const bool blank =
        std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
    if (!blank) {
      if (!first) put("\r\n", start);
      put(line, end);
      first = false;
    }
    if (end < bytes.size() && bytes[end] == '\0') break;
    start = end;
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  if (outgrown) return moved;
  file.resize(written);
  return file;
}

// Standard output through one large buffer: the memo modes write millions of
// short lines.
class TOutput {
 public:
  TOutput() { buffer_.reserve(kCapacity); }

  void Write(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kCapacity) Flush();
    if (bytes.size() > kCapacity) {
      Put(bytes);
    } else {
      buffer_ += bytes;
    }
  }

  // False when some bytes could not be written.
  bool Finish() {
    Flush();
    if (std::fflush(stdout) != 0) failed_ = true;
    return !failed_;
  }

 private:
  static constexpr std::size_t kCapacity = 1 << 20;

  void Flush() {
    Put(buffer_);
    buffer_.clear();
  }
  void Put(std::string_view bytes) {
    if (!failed_ && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) failed_ = true;
  }

  AnsiString buffer_;
  bool failed_ = false;
};

// One memo line per word, "i: word" when numbered, each ended by CR LF.
void WriteLines(TOutput& out, const TWordIndex& index, const std::vector<TSpelling>& words, bool numbered) {
  char number[32];
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (numbered) {
      char* end = std::to_chars(number, number + sizeof number - 2, i + 1).ptr;
      *end++ = ':';
      *end++ = ' ';
      out.Write(std::string_view(number, static_cast<std::size_t>(end - number)));
    }
    out.Write(index.Text(words[i]));
    out.Write("\r\n");
  }
}

// Everything is worked out before the first byte is written, so that a
// failure writes nothing.
void Count(const TCountOptions& options, AnsiString input, TOutput& out) {
  const TLocale& locale = DefaultLocale();
  std::optional<TWordIndex> index;
  {
    // Each text is dropped as soon as the next one is made from it.
    AnsiString pane = PaneText(std::move(input));
    TPerlRegEx regex;
    // The report and the summary need how often words occur, not their order.
    const bool in_order = options.mode == TOutputMode::kWords || options.mode == TOutputMode::kSorted;
    index = SplitWordIndex(std::move(pane), regex, in_order ? TWordOrder::kKept : TWordOrder::kCountsOnly);
  }
  // Each mode works out only the lists it shows.
  switch (options.mode) {
    case TOutputMode::kWords:
    case TOutputMode::kSorted:
      if (index) {
        std::vector<TSpelling> kept;
        if (options.ignore_repeats) kept = WithoutRepeats(*index, index->Occurrences());
        const std::vector<TSpelling>& words = options.ignore_repeats ? kept : index->Occurrences();
        if (options.mode == TOutputMode::kWords) {
          WriteLines(out, *index, words, options.numbered);
        } else {
          index->Rank(locale);
          WriteLines(out, *index, SortedByLocale(*index, words, options.ignore_repeats), options.numbered);
        }
      }
      return;
    case TOutputMode::kSummary:
      if (index) out.Write(SummaryLine(index->WordCount()) + "\r\n");
      return;
    case TOutputMode::kReport:
      break;
  }
  TFoldedCounts folded;
  if (index) folded = RankAndCountFolded(*index, locale);
  if (options.sort_columns.empty()) {
    // In the order the split leaves the rows, written as they are found.
    AnsiString report = ReportHeader(options.numbered);
    if (index) {
      const std::vector<TSpelling> distinct = DistinctSpellings(*index);
      report.reserve(report.size() + index->SpellingCount() * 24);
      char number[24];
      char count[24];
      ForEachReportRow(
          folded, *index, distinct, [&](std::size_t row, std::string_view word, std::size_t times) {
            const auto number_size =
                static_cast<std::size_t>(std::to_chars(number, number + sizeof number, row).ptr - number);
            const auto count_size =
                static_cast<std::size_t>(std::to_chars(count, count + sizeof count, times).ptr - count);
            AppendReportRecord(report, std::string_view(number, number_size), word,
                               std::string_view(count, count_size), options.numbered);
          });
    }
    out.Write(report);
    return;
  }
  std::vector<TReportRow> rows;
  if (index) {
    rows = BuildFrequencyReport(folded, *index, DistinctSpellings(*index)).rows;
    index.reset();
  }
  std::vector<AnsiString> captions = {"编号", "单词", "出现频率"};
  for (int column : options.sort_columns) SortByColumn(rows, captions, column);
  out.Write(ExportReport(rows, options.numbered));
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
  TOutput out;
  try {
    Count(options, std::move(input), out);
  } catch (const Exception& e) {
    Complain(e.Message());
    return 1;
  }
  if (!out.Finish()) {
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
#ifdef __GLIBC__
  // A large text's buffers of megabytes are freed and made again several
  // times over. Kept in the heap rather than handed back to the system, the
  // later ones reuse pages already in place instead of faulting in new ones;
  // one heap for all threads, so that a helper thread reuses them too.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_ARENA_MAX, 1);
#endif
  return Run(std::vector<AnsiString>(argv + 1, argv + argc));
}
#endif

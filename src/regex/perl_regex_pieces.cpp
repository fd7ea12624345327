// Each piece is searched as ReplaceAllMatches searches the whole subject,
// and its matches written as they are found. A piece after the first keeps
// what they replaced until it is placed: if the search of an earlier piece
// fails with an error, the one pass would have stopped there, and the later
// pieces are put back as they were.

#include "regex/perl_regex_pieces.h"

#include <pcre2.h>

#include <algorithm>
#include <climits>

#include "framework/in_parallel.h"
#include "regex/pcre2_handles.h"

namespace {

// Most templates are one byte: no call to copy it.
void WriteAt(char* at, const AnsiString& replacement) {
  if (replacement.size() == 1) {
    *at = replacement[0];
  } else {
    std::copy(replacement.begin(), replacement.end(), at);
  }
}

}  // namespace

// A worker's own match data and machine-code stack.
struct TPerlRegExPieces::TWorker {
  TMatchData data;
  std::unique_ptr<TJitStack> stack;
};

TPerlRegExPieces::TPerlRegExPieces(TPerlRegEx& regex, std::span<const int> piece_starts, std::size_t workers)
    : regex_(regex) {
  const bool literal = regex.replacement_.find_first_of("\\$") == AnsiString::npos;
  if (!literal || regex.on_match_ || regex.on_replace_ || !regex.match_flags_.Contains(mfNotEmpty) ||
      piece_starts.empty() || regex.subject_.size() > INT_MAX)
    return;
  if (!regex.compiled_) regex.Compile();
  if (regex.search_stop_ < regex.search_start_) return;
  in_pieces_ = true;
  const std::size_t length = std::min<std::size_t>(regex.search_stop_, regex.subject_.size());
  pieces_.resize(piece_starts.size() + 1);
  // Starts out of order or outside the window make empty pieces, never
  // pieces that overlap.
  for (std::size_t i = 1; i < pieces_.size(); ++i) {
    const std::size_t begin = std::min<std::size_t>(std::max(piece_starts[i - 1], 1) - 1, length);
    pieces_[i].begin = std::max(begin, pieces_[i - 1].begin);
    pieces_[i - 1].end = pieces_[i].begin;
  }
  pieces_.back().end = length;
  for (std::size_t w = 0; w < std::max<std::size_t>(workers, 1); ++w) {
    auto worker = std::make_unique<TWorker>();
    worker->data.reset(pcre2_match_data_create_from_pattern(regex.pattern_, nullptr));
    if (!worker->data) throw std::bad_alloc();
    if (regex.jit_) worker->stack = std::make_unique<TJitStack>();
    workers_.push_back(std::move(worker));
  }
}

TPerlRegExPieces::~TPerlRegExPieces() = default;

void TPerlRegExPieces::Search(std::size_t i, std::size_t worker) {
  // Worked on apart from the list: pieces side by side share cache lines,
  // which threads writing a match at a time would pass back and forth.
  TPiece piece = std::move(pieces_[i]);
  const TWorker& own = *workers_[worker];
  pcre2_match_context* context = own.stack ? own.stack->Context() : nullptr;
  AnsiString& subject = regex_.subject_;
  const AnsiString& replacement = regex_.replacement_;
  const std::size_t width = replacement.size();
  // Room for a match every four bytes, reserved but not touched, so that
  // nothing is copied to a larger list.
  if (i > 0) {
    piece.written.reserve((piece.end - piece.begin) / 4);
    piece.replaced.reserve((piece.end - piece.begin) / 4 * width);
  }
  // The one pass stops where the search window ends.
  const std::size_t stop =
      i + 1 == pieces_.size() ? static_cast<std::size_t>(regex_.search_stop_) : piece.end;
  const std::uint32_t flags = regex_.SearchFlags();
  const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(own.data.get());
  // No match is empty, so each search starts where the last match ended.
  for (std::size_t start = piece.begin;;) {
    if (stop < start + 1) {
      piece.result = PCRE2_ERROR_NOMATCH;
      break;
    }
    piece.result = regex_.Search(own.data.get(), context, piece.end, start, flags);
    if (piece.result <= 0) break;
    const std::size_t first = vector[0];
    const std::size_t last = vector[1];
    if (last - first != width) {
      piece.resized.emplace_back(first, last);
    } else {
      char* at = subject.data() + first;
      if (i > 0) {
        piece.written.push_back(static_cast<std::uint32_t>(first));
        if (width == 1) {
          piece.replaced.push_back(*at);
        } else {
          piece.replaced.insert(piece.replaced.end(), at, at + width);
        }
      }
      WriteAt(at, replacement);
    }
    piece.found = true;
    piece.last_end = last;
    start = last;
  }
  pieces_[i] = std::move(piece);
}

bool TPerlRegExPieces::Final(const TPiece& piece) {
  return piece.resized.empty() && piece.result >= PCRE2_ERROR_NOMATCH;
}

void TPerlRegExPieces::Settle(TPiece& piece) {
  // Freed, not only emptied.
  piece.written = std::vector<std::uint32_t>();
  piece.replaced = std::vector<char>();
}

void TPerlRegExPieces::Restore(TPiece& piece) {
  const std::size_t width = regex_.replacement_.size();
  const char* from = piece.replaced.data();
  for (std::uint32_t first : piece.written) {
    std::copy(from, from + width, regex_.subject_.data() + first);
    from += width;
  }
  Settle(piece);
}

bool TPerlRegExPieces::Place(std::size_t i) {
  if (!Final(pieces_[i])) return false;
  Settle(pieces_[i]);
  return true;
}

std::string_view TPerlRegExPieces::Text(std::size_t i) const {
  return std::string_view(regex_.subject_).substr(pieces_[i].begin, pieces_[i].end - pieces_[i].begin);
}

bool TPerlRegExPieces::Finish() {
  if (!in_pieces_) return regex_.ReplaceAllMatches();
  AnsiString& subject = regex_.subject_;
  const AnsiString& replacement = regex_.replacement_;
  const std::size_t width = replacement.size();
  // The pieces in order, up to one whose search ended in an error; those
  // after it are put back as they were.
  const TPiece* last_found = nullptr;
  std::vector<std::pair<std::size_t, std::size_t>> resized;
  bool failed = false;
  for (TPiece& piece : pieces_) {
    if (failed) {
      Restore(piece);
      continue;
    }
    resized.insert(resized.end(), piece.resized.begin(), piece.resized.end());
    if (piece.found) last_found = &piece;
    regex_.match_count_ = piece.result;
    failed = piece.result < PCRE2_ERROR_NOMATCH;
  }
  if (last_found == nullptr) return false;

  // The matches of another length, put in at once; the search window and the
  // search start (after the last match, so after all of them) move with the
  // text, as ReplaceMatch moves them.
  std::ptrdiff_t shift = 0;
  if (!resized.empty()) {
    AnsiString edited;
    std::size_t copied = 0;
    for (const auto& [first, last] : resized) {
      edited.append(subject, copied, first - copied);
      edited += replacement;
      copied = last;
      shift += static_cast<std::ptrdiff_t>(width) - static_cast<std::ptrdiff_t>(last - first);
    }
    edited.append(subject, copied);
    subject = std::move(edited);
  }
  regex_.search_start_ = static_cast<int>(static_cast<std::ptrdiff_t>(last_found->last_end) + shift) + 1;
  regex_.search_stop_ += static_cast<int>(shift);
  return true;
}

bool TPerlRegEx::ReplaceAllMatchesInPieces(std::span<const int> piece_starts) {
  TPerlRegExPieces pieces(*this, piece_starts, piece_starts.size() + 1);
  InParallelFor(pieces.Count(), [&](std::size_t i) { pieces.Search(i, i); });
  return pieces.Finish();
}

// Replacing all matches with the subject searched in pieces at once. Each
// piece is searched as ReplaceAllMatches searches the whole subject; a match
// as long as the template is overwritten where it stands, so the pieces never
// move while they are searched, and the other matches are put in afterwards,
// in one pass. Later pieces only note their matches: if a search of an earlier
// piece fails with an error, the one pass would have stopped there.

#include <pcre2.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "framework/in_parallel.h"
#include "regex/pcre2_handles.h"
#include "regex/perl_regex.h"

namespace {

// What the search of one piece found, as 0-based offsets.
struct TPiece {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::vector<std::uint32_t> same_length;                    // starts of matches as long as the template
  std::vector<std::pair<std::size_t, std::size_t>> resized;  // [start, end) of the other matches
  std::size_t last_end = 0;                                  // end of the piece's last match
  bool found = false;                                        // the piece has a match
  int result = PCRE2_ERROR_NOMATCH;                          // the answer of the search that ended the piece
};

}  // namespace

bool TPerlRegEx::ReplaceAllMatchesInPieces(std::span<const int> piece_starts) {
  const bool literal = replacement_.find_first_of("\\$") == AnsiString::npos;
  if (!literal || on_match_ || on_replace_ || !match_flags_.Contains(mfNotEmpty) || piece_starts.empty() ||
      subject_.size() > INT_MAX)
    return ReplaceAllMatches();
  if (!compiled_) Compile();
  match_count_ = 0;
  if (search_stop_ < search_start_) {
    match_count_ = -1;
    return false;
  }
  const std::size_t length = std::min<std::size_t>(search_stop_, subject_.size());
  std::vector<TPiece> pieces(piece_starts.size() + 1);
  // Starts out of order or outside the window make empty pieces, never
  // pieces that overlap.
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    const std::size_t begin = std::min<std::size_t>(std::max(piece_starts[i - 1], 1) - 1, length);
    pieces[i].begin = std::max(begin, pieces[i - 1].begin);
    pieces[i - 1].end = pieces[i].begin;
  }
  pieces.back().end = length;

  const std::size_t width = replacement_.size();
  InParallelFor(pieces.size(), [&](std::size_t i) {
    // Worked on apart from the list: pieces side by side share cache lines,
    // which threads writing a match at a time would pass back and forth.
    TPiece piece = std::move(pieces[i]);
    // Each piece's search has its own match data and machine-code stack.
    TMatchData own;
    std::unique_ptr<TJitStack> own_stack;
    pcre2_match_data* data = match_data_;
    pcre2_match_context* context = jit_stack_ ? jit_stack_->Context() : nullptr;
    if (i > 0) {
      own.reset(pcre2_match_data_create_from_pattern(pattern_, nullptr));
      if (!own) throw std::bad_alloc();
      data = own.get();
      if (jit_) {
        own_stack = std::make_unique<TJitStack>();
        context = own_stack->Context();
      }
    }
    // Room for a match every four bytes, reserved but not touched, so that
    // the starts are never copied to a larger list.
    if (i > 0) piece.same_length.reserve((piece.end - piece.begin) / 4);
    // No match is empty, so each search starts where the last match ended.
    for (std::size_t start = piece.begin;;) {
      // The one pass stops where the search window ends.
      if (i + 1 == pieces.size() && static_cast<std::size_t>(search_stop_) < start + 1) {
        piece.result = -1;
        break;
      }
      piece.result = Search(data, context, piece.end, start);
      if (piece.result <= 0) break;
      const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(data);
      const std::size_t first = vector[0];
      const std::size_t last = vector[1];
      if (last - first != width) {
        piece.resized.emplace_back(first, last);
      } else if (i == 0) {
        std::copy(replacement_.begin(), replacement_.end(),
                  subject_.begin() + static_cast<std::ptrdiff_t>(first));
      } else {
        piece.same_length.push_back(static_cast<std::uint32_t>(first));
      }
      piece.found = true;
      piece.last_end = last;
      start = last;
    }
    pieces[i] = std::move(piece);
  });

  // The pieces in order, up to one whose search ended in an error.
  const TPiece* last_found = nullptr;
  std::vector<std::pair<std::size_t, std::size_t>> resized;
  for (const TPiece& piece : pieces) {
    for (std::uint32_t first : piece.same_length)
      std::copy(replacement_.begin(), replacement_.end(),
                subject_.begin() + static_cast<std::ptrdiff_t>(first));
    resized.insert(resized.end(), piece.resized.begin(), piece.resized.end());
    if (piece.found) last_found = &piece;
    match_count_ = piece.result;
    if (piece.result < PCRE2_ERROR_NOMATCH) break;
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
      edited.append(subject_, copied, first - copied);
      edited += replacement_;
      copied = last;
      shift += static_cast<std::ptrdiff_t>(width) - static_cast<std::ptrdiff_t>(last - first);
    }
    edited.append(subject_, copied);
    subject_ = std::move(edited);
  }
  search_start_ = static_cast<int>(static_cast<std::ptrdiff_t>(last_found->last_end) + shift) + 1;
  search_stop_ += static_cast<int>(shift);
  return true;
}

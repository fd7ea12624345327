#pragma once
// Replacing all matches of a TPerlRegEx piece by piece: ReplaceAllMatchesInPieces
// taken apart for callers that use each piece's text while later pieces are
// still searched. Pieces are searched on whichever threads take them; a match
// as long as the template is written where it stands, so the pieces never
// move; Finish puts in the other matches and settles the component.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "regex/perl_regex.h"

class TPerlRegExPieces {
 public:
  // Pieces begin at `piece_starts` (1-based, ascending), which the caller
  // chose as ReplaceAllMatchesInPieces asks. Up to `workers` threads search
  // at once, each under its own number. The component must not change until
  // Finish. No pieces at all where ReplaceAllMatchesInPieces would not search
  // in pieces: Finish then replaces the one way.
  TPerlRegExPieces(TPerlRegEx& regex, std::span<const int> piece_starts, std::size_t workers);
  ~TPerlRegExPieces();

  std::size_t Count() const { return pieces_.size(); }
  // Searches piece `piece` on worker `worker`'s match data: each piece once,
  // no two at once on one worker.
  void Search(std::size_t piece, std::size_t worker);
  // Whether a searched piece stands as the one pass leaves it: its matches
  // are written and its search ended without an error. Where every piece up
  // to one does, their text is final.
  bool InPlace(std::size_t piece) const;
  std::string_view Text(std::size_t piece) const;
  // Puts in the matches of other lengths and puts back the pieces after one
  // whose search failed: the component as ReplaceAllMatches leaves it, and
  // its answer. Every piece must have been searched.
  bool Finish();

 private:
  // What the search of one piece found, as 0-based offsets.
  struct TPiece {
    std::size_t begin = 0;
    std::size_t end = 0;
    // Where matches as long as the template were written, and the bytes they
    // replaced, so that a piece can be put back (not kept for the first).
    std::vector<std::uint32_t> written;
    std::string replaced;
    std::vector<std::pair<std::size_t, std::size_t>> resized;  // [start, end) of the other matches
    std::size_t last_end = 0;                                  // end of the piece's last match
    bool found = false;                                        // the piece has a match
    int result = 0;  // the answer of the search that ended the piece
  };
  struct TWorker;

  TPerlRegEx& regex_;
  bool in_pieces_ = false;
  std::vector<TPiece> pieces_;
  std::vector<std::unique_ptr<TWorker>> workers_;
};

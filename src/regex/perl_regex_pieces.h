#pragma once
// Replacing all matches of a TPerlRegEx piece by piece: ReplaceAllMatchesInPieces
// taken apart for callers that use each piece's text while later pieces are
// still searched. Pieces are searched on whichever threads take them and
// placed in order: a match as long as the template is written where it
// stands as it is found, so the pieces never move. Finish puts in the other
// matches and settles the component.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
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
  // Settles a searched piece, all before it placed. True when its text is
  // final: no match of another length, and a search that ended without an
  // error.
  bool Place(std::size_t piece);
  std::string_view Text(std::size_t piece) const;
  // Puts back the pieces after one whose search failed and puts in the
  // matches of other lengths: the component as ReplaceAllMatches leaves it,
  // and its answer. Every piece must have been searched.
  bool Finish();

 private:
  // What the search of one piece found, as 0-based offsets.
  struct TPiece {
    std::size_t begin = 0;
    std::size_t end = 0;
    // Matches as long as the template in a piece after the first, written
    // where they stand, and the bytes they replaced, until it is placed.
    std::vector<std::uint32_t> written;
    std::vector<char> replaced;
    std::vector<std::pair<std::size_t, std::size_t>> resized;  // [start, end) of the other matches
    std::size_t last_end = 0;                                  // end of the piece's last match
    bool found = false;                                        // the piece has a match
    int result = 0;  // the answer of the search that ended the piece
  };
  // Whether the piece's text is final once its matches are written.
  static bool Final(const TPiece& piece);
  // Drops what a piece's matches replaced, or puts it back.
  void Settle(TPiece& piece);
  void Restore(TPiece& piece);
  struct TWorker;

  TPerlRegEx& regex_;
  bool in_pieces_ = false;
  std::vector<TPiece> pieces_;
  std::vector<std::unique_ptr<TWorker>> workers_;
};

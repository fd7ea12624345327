#pragma once
// Replaces the separators of a table by commas in one pass over the text.

#include <span>
#include <string_view>

#include "framework/text.h"

// The same text as replacing, entry by entry in table order, every occurrence
// of the entry that starts at a character boundary by ",", the search going
// on behind each replacement. Where occurrences overlap, the entry earlier in
// the table wins, and within one entry the leftmost. Entries must be whole
// characters and hold no comma, so that a replacement never makes a new
// occurrence or moves a character boundary.
AnsiString ReplaceSeparators(std::string_view text, std::span<const std::string_view> table);

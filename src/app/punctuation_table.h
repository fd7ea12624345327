#pragma once
// The full-width punctuation marks and symbols that separate words, in the
// order in which they are replaced.

#include <array>
#include <string_view>

extern const std::array<std::string_view, 121> PunctuationTable;

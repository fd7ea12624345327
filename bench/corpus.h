#pragma once
// Deterministic GBK prose for measurements: sentences of English-like words
// and runs of Chinese characters, words drawn with a Zipf law from a
// vocabulary, so that a few words are very common and most are rare, as in
// real text. The same size always gives the same bytes.

#include <cstddef>
#include <string>

struct TCorpusShape {
  std::size_t bytes;       // the text stops at the first paragraph end past this
  std::size_t vocabulary;  // how many different words can be drawn
};

// The shape of a named corpus ("mixed_1m", "mixed_10m", "mixed_100m"); throws
// std::invalid_argument for any other name.
TCorpusShape CorpusShape(const std::string& name);

std::string MakeCorpus(const TCorpusShape& shape);

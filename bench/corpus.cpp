#include "corpus.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace {

// SplitMix64: small, fast and the same everywhere.
class TRandom {
 public:
  explicit TRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
  std::size_t Below(std::size_t n) { return static_cast<std::size_t>(Next() % n); }

 private:
  std::uint64_t state_;
};

std::uint64_t Mix(std::uint64_t x) {
  return TRandom(x).Next();
}

// Word `rank` of the vocabulary. About three in ten are Chinese: two to four
// characters of the first GBK level; the others are two or more
// consonant-vowel syllables, some with an English ending. Both spell the rank
// in a bijective base, so words hardly ever meet.
std::string VocabularyWord(std::size_t rank) {
  const std::uint64_t hash = Mix(rank);
  std::string word;
  if (hash % 10 < 3) {
    constexpr std::size_t kHanzi = 39 * 94;  // rows B0-D6, all full
    const std::size_t extra = hash / 10 % 3 == 0 ? kHanzi * kHanzi : 0;
    for (std::size_t n = rank + kHanzi + extra; n > 0; n /= kHanzi) {
      const std::size_t c = n % kHanzi;
      word += static_cast<char>(0xB0 + c / 94);
      word += static_cast<char>(0xA1 + c % 94);
    }
    return word;
  }
  static constexpr char kConsonants[] = "bcdfghjklmnprstvwz";
  static constexpr char kVowels[] = "aeiou";
  static constexpr const char* kEndings[] = {"", "s", "ed", "ing", "er", "ly", "tion", "ness"};
  constexpr std::size_t kSyllables = (sizeof kConsonants - 1) * (sizeof kVowels - 1);
  for (std::size_t n = rank + 1 + kSyllables; n > 0; n = (n - 1) / kSyllables) {
    const std::size_t s = (n - 1) % kSyllables;
    word += kConsonants[s / (sizeof kVowels - 1)];
    word += kVowels[s % (sizeof kVowels - 1)];
  }
  return word + kEndings[hash / 10 % std::size(kEndings)];
}

// "，" and "。" in GBK.
constexpr const char* kComma = "\xA3\xAC";
constexpr const char* kFullStop = "\xA1\xA3";

bool IsChinese(const std::string& word) {
  return static_cast<unsigned char>(word[0]) >= 0x80;
}

// Cumulative Zipf weights (exponent 1) over the ranks.
std::vector<double> ZipfTable(std::size_t vocabulary) {
  std::vector<double> cumulative(vocabulary);
  double sum = 0;
  for (std::size_t r = 0; r < vocabulary; ++r) cumulative[r] = sum += 1.0 / static_cast<double>(r + 1);
  for (double& c : cumulative) c /= sum;
  return cumulative;
}

}  // namespace

TCorpusShape CorpusShape(const std::string& name) {
  // About 79,000 of these occur in 10 MB.
  constexpr std::size_t kVocabulary = 88000;
  if (name == "mixed_1m") return {std::size_t{1} << 20, kVocabulary};
  if (name == "mixed_10m") return {std::size_t{10} << 20, kVocabulary};
  if (name == "mixed_100m") return {std::size_t{100} << 20, kVocabulary};
  throw std::invalid_argument("unknown corpus " + name);
}

std::string MakeCorpus(const TCorpusShape& shape) {
  const std::vector<double> zipf = ZipfTable(shape.vocabulary);
  TRandom random(shape.bytes);
  std::string text;
  text.reserve(shape.bytes + 4096);
  while (text.size() < shape.bytes) {
    const std::size_t sentences = 2 + random.Below(6);
    for (std::size_t s = 0; s < sentences; ++s) {
      const std::size_t words = 4 + random.Below(14);
      bool chinese = false;
      for (std::size_t w = 0; w < words; ++w) {
        const auto at = std::lower_bound(zipf.begin(), zipf.end(), random.Unit());
        std::string word = VocabularyWord(static_cast<std::size_t>(at - zipf.begin()));
        const bool next_chinese = IsChinese(word);
        if (w > 0) text += chinese || next_chinese ? kComma : random.Below(12) == 0 ? ", " : " ";
        if (w == 0 && !next_chinese) word[0] = static_cast<char>(word[0] - 'a' + 'A');
        text += word;
        chinese = next_chinese;
      }
      text += chinese ? kFullStop : ". ";
    }
    text += "\r\n";
  }
  return text;
}

#include "framework/collation.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

// Ranks must order texts exactly as comparing them two by two does, also
// where keys share long prefixes and differ only in case or past their
// eighth byte.
TEST(Collation, RanksOrderAsPairwiseComparison) {
  const std::string_view parts[] = {"a",        "A",        "b",        "B", "abcdefg", "12345678",
                                    "\xB0\xA1", "\xA3\xC1", "\xA3\xE1", "z", ""};
  std::mt19937 random(21);
  const TLocale& locale = NativeLocale();
  for (int round = 0; round < 60; ++round) {
    std::set<AnsiString> distinct;
    const int count = static_cast<int>(random() % 120);
    for (int i = 0; i < count; ++i) {
      AnsiString text;
      for (int k = static_cast<int>(random() % 5); k > 0; --k) text += parts[random() % std::size(parts)];
      distinct.insert(text);
    }
    const std::vector<AnsiString> items(distinct.begin(), distinct.end());
    const std::vector<std::string_view> texts(items.begin(), items.end());
    const std::vector<std::uint32_t> ranks = DistinctCollationRanks(texts, locale);
    ASSERT_EQ(ranks.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      for (std::size_t j = 0; j < texts.size(); ++j) {
        const int order = locale.CompareText(texts[i], texts[j]);
        ASSERT_EQ(ranks[i] < ranks[j], order < 0) << texts[i] << " | " << texts[j];
        ASSERT_EQ(ranks[i] == ranks[j], order == 0) << texts[i] << " | " << texts[j];
      }
    }
  }
}

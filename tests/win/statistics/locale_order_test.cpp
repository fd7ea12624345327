// Sorting through the system's sort keys gives the order of CompareString.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "framework/collation.h"
#include "framework/string_list.h"
#include "framework/win/windows_locale.h"

TEST(LocaleOrder, SortKeysOrderWordsAsTheComparisonDoes) {
  const WindowsLocale locale;
  // Chinese words (same pinyin among them), English words in every case,
  // digits, full-width letters and a prefix of another word.
  const std::vector<AnsiString> words = {
      "中文",  "中国",  "文本",   "汉字", "爱",   "艾",       "碍",       "Apple", "apple", "APPLE", "apples",
      "Zebra", "zebra", "banana", "2008", "1999", "\xA3\xC1", "\xA3\xE1", "word",  "Word",  "中",    "a",
      "A",     "b",     "测试",   "测验", "Ab",   "aB",       "阿",       "啊",    "x1",    "X1",    "单词"};
  // Keys made back to back are the same keys, for a word too long for the
  // short way too.
  AnsiString appended = "x";
  AnsiString one_by_one = "x";
  for (const AnsiString& w : {words[0], words[7], AnsiString(), AnsiString(70, 'q') + "中文"}) {
    locale.AppendSortKey(w, appended);
    one_by_one += locale.SortKey(w);
  }
  EXPECT_EQ(appended, one_by_one);
  for (const AnsiString& a : words) {
    for (const AnsiString& b : words) {
      const int by_keys = locale.SortKey(a).compare(locale.SortKey(b));
      const int by_comparison = locale.CompareText(a, b);
      EXPECT_EQ(by_keys < 0, by_comparison < 0) << a << " " << b;
      EXPECT_EQ(by_keys == 0, by_comparison == 0) << a << " " << b;
    }
  }

  // A sorted list of many occurrences: CompareString's stable order, equal
  // words in the reverse of their order of adding.
  std::mt19937 random(3);
  std::vector<AnsiString> occurrences;
  for (int i = 0; i < 2000; ++i) occurrences.push_back(words[random() % words.size()]);
  std::vector<AnsiString> expected(occurrences.rbegin(), occurrences.rend());
  std::stable_sort(expected.begin(), expected.end(),
                   [&](const AnsiString& a, const AnsiString& b) { return locale.CompareText(a, b) < 0; });
  TStringList list(locale);
  list.SetSorted(true);
  AnsiString text;
  for (const AnsiString& w : occurrences) text += w + "\r\n";
  list.SetText(text);
  EXPECT_EQ(list.Items(), expected);
}

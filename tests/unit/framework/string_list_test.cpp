#include "framework/string_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "framework/exception.h"
#include "test_locales.h"

namespace {

std::vector<AnsiString> Lines(std::string_view text) {
  TStringList list(NativeLocale());
  list.SetText(text);
  return list.Items();
}

}  // namespace

TEST(StringList, TextSplitsAtEveryKindOfLineBreakAndStopsAtNul) {
  using V = std::vector<AnsiString>;
  EXPECT_EQ(Lines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n"), (V{"a"}));
  EXPECT_EQ(Lines("a\n\nb\r\r\n"), (V{"a", "", "b", ""}));
  EXPECT_EQ(Lines("\n"), (V{""}));
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines(std::string_view("one\ntw\0o\nthree", 15)), (V{"one", "tw"}));
  TStringList list(NativeLocale());
  list.SetText("x\ny");
  EXPECT_EQ(list.Text(), "x\r\ny\r\n");
}

TEST(StringList, SortedAddInsertsBeforeEqualItemsAndCanIgnoreDuplicates) {
  TStringList list(NativeLocale());
  list.SetSorted(true);
  list.SetText("pear\nApple\nAPPLE\nbanana\napple");
  // Equal items stand in reverse order of arrival.
  EXPECT_EQ(list.Items(), (std::vector<AnsiString>{"apple", "APPLE", "Apple", "banana", "pear"}));

  TStringList distinct(NativeLocale());
  distinct.SetDuplicates(TDuplicates::dupIgnore);
  distinct.SetSorted(true);
  distinct.SetText("pear\nApple\nAPPLE\nbanana\napple");
  EXPECT_EQ(distinct.Items(), (std::vector<AnsiString>{"Apple", "banana", "pear"}));
  EXPECT_EQ(distinct.IndexOf("BANANA"), 1);

  distinct.SetSorted(false);
  distinct.Add("aardvark");
  EXPECT_EQ(distinct.Item(3), "aardvark");
}

TEST(StringList, BulkTextGivesTheOrderOfAddingOneByOne) {
  // Words that fold together in many spellings, GBK full-width letters too.
  const char* const stems[] = {"apple",
                               "Apple",
                               "APPLE",
                               "pear",
                               "\xA3\xE1"
                               "b",
                               "\xA3\xC1"
                               "B",
                               "a",
                               "A",
                               "",
                               "b"};
  std::vector<AnsiString> words;
  std::uint32_t seed = 7;
  for (int i = 0; i < 3000; ++i) {
    seed = seed * 1103515245u + 12345u;
    words.push_back(AnsiString(stems[(seed >> 16) % 10]) + std::to_string((seed >> 8) % 4));
  }
  AnsiString text;
  for (const AnsiString& w : words) text += w + "\r\n";
  const CoarseKeys coarse_keys;
  for (TDuplicates duplicates : {TDuplicates::dupAccept, TDuplicates::dupIgnore}) {
    TStringList one_by_one(NativeLocale()), bulk(NativeLocale());
    for (TStringList* list : {&one_by_one, &bulk}) {
      list->SetDuplicates(duplicates);
      list->SetSorted(true);
    }
    for (const AnsiString& w : words) one_by_one.Add(w);
    bulk.SetText(text);
    EXPECT_EQ(bulk.Items(), one_by_one.Items());
    TStringList coarse(coarse_keys);
    coarse.SetDuplicates(duplicates);
    coarse.SetSorted(true);
    coarse.SetText(text);
    EXPECT_EQ(coarse.Items(), one_by_one.Items());
  }

  // Sorting a filled list keeps equal items in their order.
  std::vector<AnsiString> expected = words;
  std::stable_sort(expected.begin(), expected.end(), [](const AnsiString& a, const AnsiString& b) {
    return NativeLocale().CompareText(a, b) < 0;
  });
  for (const TLocale* locale : {&NativeLocale(), static_cast<const TLocale*>(&coarse_keys)}) {
    TStringList list(*locale);
    list.SetText(text);
    list.SetSorted(true);
    EXPECT_EQ(list.Items(), expected);
  }
}

TEST(StringList, IndexErrorsNameTheIndex) {
  TStringList list(NativeLocale());
  list.Add("a");
  try {
    list.Delete(3);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (3)");
  }
  list.SetSorted(true);
  EXPECT_THROW(list.Insert(0, "b"), EListError);
}

TEST(StringList, FilesRoundTripAsBytesAndMissingFilesRaise) {
  const auto path = (std::filesystem::temp_directory_path() / "lexitally_string_list_test.txt").string();
  TStringList list(NativeLocale());
  list.SetText("中文\n\xFF\x80 bytes");
  list.SaveToFile(path);
  TStringList again(NativeLocale());
  again.LoadFromFile(path);
  EXPECT_EQ(again.Items(), list.Items());
  std::remove(path.c_str());
  EXPECT_THROW(again.LoadFromFile(path), EFileError);
  EXPECT_EQ(again.Count(), 2);
}

TEST(NativeLocale, UpperCasesAsciiAndGbkLettersButNothingElse) {
  const TLocale& l = NativeLocale();
  EXPECT_EQ(l.AnsiUpperCase("abz{"), "ABZ{");
  EXPECT_EQ(l.AnsiUpperCase("\xA3\xE1\xA3\xFA"), "\xA3\xC1\xA3\xDA");  // full-width a, z
  EXPECT_EQ(l.AnsiUpperCase("\xA6\xC1\xA6\xD8"), "\xA6\xA1\xA6\xB8");  // Greek alpha, omega
  EXPECT_EQ(l.AnsiUpperCase("\xA7\xD1\xA7\xF1"), "\xA7\xA1\xA7\xC1");  // Cyrillic a, ya
  EXPECT_EQ(l.AnsiUpperCase("\x81\x61"), "\x81\x61");                  // second byte looks like "a"
  EXPECT_EQ(l.AnsiUpperCase("\xA3\xE0\xA6\xD9"), "\xA3\xE0\xA6\xD9");  // just outside the ranges

  // Lower-casing undoes exactly that.
  const AnsiString lower = "az{\xA3\xE1\xA3\xFA\xA6\xC1\xA6\xD8\xA7\xD1\xA7\xF1\x81\x61";
  EXPECT_EQ(l.AnsiLowerCase(l.AnsiUpperCase(lower)), lower);
  EXPECT_EQ(l.AnsiLowerCase("@[\x81\x41\xA3\xC0\xA7\xC2"), "@[\x81\x41\xA3\xC0\xA7\xC2");
}

TEST(NativeLocale, ComparesUpperCasedBytesWithPrefixFirst) {
  const TLocale& l = NativeLocale();
  EXPECT_EQ(l.CompareText("Apple", "aPPLE"), 0);
  EXPECT_LT(l.CompareText("app", "apple"), 0);
  EXPECT_GT(l.CompareText("apple", "app"), 0);
  EXPECT_LT(l.CompareText("Z", "\xD6\xD0"), 0);  // bytes as unsigned: ASCII first
  // Upper-cased first: "a" becomes 41, so "_" (5F) sorts after it.
  EXPECT_GT(l.CompareText("_", "a"), 0);
}

namespace {

// A list whose store refuses some items, counting the bulk changes still open
// (a memo's lines redraw the window only once none is).
class TRefusingStrings : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items.size()); }
  AnsiString Get(int index) const override { return items.at(static_cast<std::size_t>(index)); }
  void Insert(int index, std::string_view s) override {
    if (s == "bad") throw Exception("refused");
    items.insert(items.begin() + index, AnsiString(s));
  }
  void Delete(int index) override { items.erase(items.begin() + index); }
  void Clear() override { items.clear(); }

  std::vector<AnsiString> items;
  int open = 0;

 protected:
  void BeginUpdate() override { ++open; }
  void EndUpdate() override { --open; }
};

}  // namespace

TEST(Strings, ABulkChangeThatFailsPartWayStillEndsItsUpdate) {
  TRefusingStrings list;
  EXPECT_THROW(list.SetText("a\r\nbad\r\nc"), Exception);
  EXPECT_EQ(list.open, 0);
  EXPECT_EQ(list.items, std::vector<AnsiString>{"a"});
  EXPECT_THROW(list.SetStrings({"b", "bad"}), Exception);
  EXPECT_THROW(list.Put(0, "bad"), Exception);
  TStringList source(NativeLocale());
  source.SetText("x\r\nbad");
  EXPECT_THROW(list.Assign(source), Exception);
  EXPECT_EQ(list.open, 0);
  EXPECT_EQ(list.items, std::vector<AnsiString>{"x"});
}

// A 10 MB text split by the real program, driven from outside: pasted, the
// split button clicked with the mouse, the report read back and sorted by
// clicks on its header. The times are printed; the bounds leave room for a
// loaded machine, since a test must not fail on speed alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "corpus.h"
#include "framework/win/win_api.h"
// (after the Windows headers)
#include <commctrl.h>

#include "running_program.h"
#include "skin_windows/skin_test_input.h"

#include "app/frequency_report.h"
#include "app/word_split.h"

namespace {

std::wstring Wide(std::string_view gbk) {
  std::wstring wide(gbk.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()),
                                                           wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// The text as the clipboard's GBK text, as another program would copy it.
bool PutOnClipboard(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block != nullptr) {
    char* bytes = static_cast<char*>(GlobalLock(block));
    std::copy(text.begin(), text.end(), bytes);
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
  }
  CloseClipboard();
  return block != nullptr;
}

int Rows(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

TEST(LargeSplit, TenMegabytesSplitByAClickFillTheReportWhoseHeaderStillSortsByClicks) {
  const std::string text = MakeCorpus(CorpusShape("mixed_10m"));
  // The report the program must show, worked out here by the same code.
  TPerlRegEx regex;
  std::optional<TWordIndex> index = SplitWordIndex(text, regex);
  ASSERT_TRUE(index);
  index->Rank(DefaultLocale());
  const TFrequencyReport expected = BuildFrequencyReport(*index, DistinctSpellings(*index), DefaultLocale());
  const auto rows = static_cast<int>(expected.rows.size());
  ASSERT_GT(rows, 50000);
  std::size_t highest = 0;
  for (const TReportRow& row : expected.rows)
    highest = std::max<std::size_t>(highest, std::stoul(row.sub_items[1]));

  TRunningProgram program;
  ASSERT_NE(program.MainWindow(), nullptr);
  SetForegroundWindow(program.MainWindow());
  const HWND list = program.Children(L"TListView").front();
  const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_TRUE(PutOnClipboard(text));
  ClickAt(CentreOf(program.Child(L"TButton", L"粘贴")));
  HWND input = nullptr;
  for (const HWND memo : program.Children(L"TMemo"))
    if (GetParent(memo) == program.MainWindow()) input = memo;
  ASSERT_TRUE(Eventually([&] { return SendMessageW(input, WM_GETTEXTLENGTH, 0, 0) > 1000000; }, 60000));

  ClickAt(CentreOf(program.Child(L"TButton", L"开始分解文章单词并统计重复次数")));
  const DWORD clicked = GetTickCount();
  ASSERT_TRUE(Eventually([&] { return Rows(list) == rows; }, 60000)) << Rows(list) << " rows";
  const DWORD filled = GetTickCount() - clicked;
  EXPECT_EQ(program.CellText(list, 0, 1), Wide(expected.rows.front().sub_items[0]));
  EXPECT_EQ(program.CellText(list, rows - 1, 1), Wide(expected.rows.back().sub_items[0]));
  EXPECT_EQ(program.CellText(list, rows - 1, 0), std::to_wstring(rows));

  // The frequency column's header item, clicked twice: up, then down.
  int left = 0;
  for (int column = 0; column < 2; ++column)
    left += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
  const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 2, 0));
  const TRect bar = ScreenRect(header);
  const POINT item{bar.Left + left + width / 2, (bar.Top + bar.Bottom) / 2};
  DWORD sorts[2] = {};
  for (const bool up : {true, false}) {
    Sleep(GetDoubleClickTime() + 100);  // two clicks close together are a double click
    ClickAt(item);
    const DWORD start = GetTickCount();
    EXPECT_TRUE(Eventually(
        [&] { return program.HeaderText(header, 2) == (up ? L"↑出现频率" : L"↓出现频率"); }, 30000));
    sorts[up ? 0 : 1] = GetTickCount() - start;
    const std::wstring first = up ? L"1" : std::to_wstring(highest);
    const std::wstring last = up ? std::to_wstring(highest) : L"1";
    EXPECT_EQ(program.CellText(list, 0, 2), first);
    EXPECT_EQ(program.CellText(list, rows - 1, 2), last);
  }
  std::printf("10 MB: %d rows filled %lu ms after the click; header sorts %lu and %lu ms\n", rows,
              static_cast<unsigned long>(filled), static_cast<unsigned long>(sorts[0]),
              static_cast<unsigned long>(sorts[1]));
  EXPECT_LT(filled, 30000u);
}

#include "form_fixture.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "framework/win/wide.h"

namespace {

AnsiString ShownText(HWND list, int row, int column) {
  wchar_t text[64];
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return FromWide(text);
}

// Clicks header item `column` with the mouse messages a user's click sends.
void ClickHeader(HWND header, int column) {
  RECT r;
  SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(header, WM_LBUTTONUP, 0, at);
}

}  // namespace

// Eighty thousand rows reach the window as one count; a header click sorts
// them all, drops the selection with the old rows, shows them from the top
// and leaves the rows in their new order for the export. The header stays the list's own.
TEST_F(MainFormTest, ReportOfEightyThousandRowsShowsSortsAndDropsTheSelection) {
  constexpr int kRows = 80000;
  std::vector<TReportRow> rows;
  for (int r = 0; r < kRows; ++r) {
    rows.push_back({std::to_string(r + 1), {"w" + std::to_string(r), std::to_string((r * 7919) % 1000)}, -1});
  }
  const HWND list = form->ordrlstvw1->Handle();
  int inserts = 0;
  const TWndMethod saved = form->ordrlstvw1->WindowProc;
  form->ordrlstvw1->WindowProc = [&](TMessage& m) {
    inserts += m.Msg == LVM_INSERTITEMW || m.Msg == LVM_INSERTITEMA;
    saved(m);
  };
  DWORD start = GetTickCount();
  form->ordrlstvw1->SetRows(rows);
  Pump();
  const DWORD shown = GetTickCount() - start;
  EXPECT_EQ(inserts, 0);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), kRows);
  EXPECT_EQ(ShownText(list, kRows - 1, 1), "w79999");

  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 5, reinterpret_cast<LPARAM>(&state));
  ASSERT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  SendMessageW(list, LVM_ENSUREVISIBLE, 40000, FALSE);
  ASSERT_GT(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0);

  const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  wchar_t class_name[32] = {};
  GetClassNameW(header, class_name, 32);
  EXPECT_EQ(std::wstring(class_name), WC_HEADERW);
  start = GetTickCount();
  ClickHeader(header, 2);
  Pump();
  const DWORD sorted = GetTickCount() - start;
  form->ordrlstvw1->WindowProc = saved;
  std::printf("%d report rows shown in %lu ms, sorted by a header click in %lu ms\n", kRows,
              static_cast<unsigned long>(shown), static_cast<unsigned long>(sorted));
  EXPECT_LT(shown, 5000u);
  EXPECT_LT(sorted, 10000u);
  EXPECT_EQ(form->ordrlstvw1->Columns()->Items(2)->Caption(), "↑出现频率");
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), -1);
  EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0);  // the sorted rows show from the top
  EXPECT_EQ(ShownText(list, 0, 2), "0");
  EXPECT_EQ(ShownText(list, kRows - 1, 2), "999");
  const std::vector<TReportRow> read = form->ordrlstvw1->Rows();
  ASSERT_EQ(read.size(), std::size_t{kRows});
  EXPECT_EQ(read.front().sub_items[1], "0");
  EXPECT_EQ(read.back().sub_items[1], "999");
}

#include "form_fixture.h"

#include <commctrl.h>

#include "framework/win/application.h"
#include "framework/win/control_link.h"
#include "framework/win/hint_window.h"
#include "framework/win/screen.h"
#include "framework/win/wide.h"

namespace {

// A control's place inside its parent's client area, as the window has it.
RECT PlaceOf(TWinControl* control) {
  RECT r;
  GetWindowRect(control->Handle(), &r);
  MapWindowPoints(nullptr, GetParent(control->Handle()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectPlace(TWinControl* control, int left, int top, int width, int height) {
  const RECT r = PlaceOf(control);
  EXPECT_EQ(r.left, left) << control->Name();
  EXPECT_EQ(r.top, top) << control->Name();
  EXPECT_EQ(r.right - r.left, width) << control->Name();
  EXPECT_EQ(r.bottom - r.top, height) << control->Name();
}

LOGFONTW FontOf(TWinControl* control) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control->Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf;
}

SIZE WindowSize(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

TEST_F(MainFormTest, StartsWithItsTitleEmptyPanesAndWorkingLists) {
  wchar_t caption[128];
  GetWindowTextW(form->Handle(), caption, 128);
  EXPECT_EQ(FromWide(caption), "文章单词拆分及单词统计工具 Lexitally");
  EXPECT_EQ(Application().Title(), "文章单词拆分及单词统计工具 Lexitally");
  EXPECT_EQ(GetWindowTextLengthW(form->mmo1->Handle()), 0);
  EXPECT_EQ(GetWindowTextLengthW(form->mmo3->Handle()), 0);  // its stored text was "mmo1"
  EXPECT_EQ(form->lbl2->Caption(), "");
  EXPECT_TRUE(form->chk1->Checked());
  EXPECT_FALSE(form->chk2->Checked());
  EXPECT_FALSE(form->chk5->Checked());
  EXPECT_TRUE(form->chk4->Checked());
  EXPECT_FALSE(IsWindowVisible(form->edt1->Handle()));
  EXPECT_FALSE(IsWindowEnabled(form->edt1->Handle()));
  EXPECT_FALSE(form->chk3->Visible());
  for (const auto* list : {&form->ScratchLines, &form->MergedLines, &form->RawWords, &form->DistinctWords}) {
    ASSERT_NE(list->get(), nullptr);
    EXPECT_EQ((*list)->Count(), 0);
    EXPECT_FALSE((*list)->Sorted());
  }
  EXPECT_EQ(Screen().FormCount(), 1);
  EXPECT_EQ(Screen().Forms(0), form);
}

TEST_F(MainFormTest, ControlsAreFrameworkWindowsOfTheirClasses) {
  wchar_t name[64];
  const std::pair<TWinControl*, const wchar_t*> expected[] = {
      {form, L"Tfrmmain"},     {form->btn1, L"TButton"},        {form->chk1, L"TCheckBox"},
      {form->mmo1, L"TMemo"},  {form->edt1, L"TEdit"},          {form->cbb1, L"TComboBox"},
      {form->pnl1, L"TPanel"}, {form->ordrlstvw1, L"TListView"}};
  for (const auto& [control, class_name] : expected) {
    GetClassNameW(control->Handle(), name, 64);
    EXPECT_EQ(std::wstring(name), class_name);
    EXPECT_EQ(ControlOfWindow(control->Handle()), control);
  }
  // The memo superclasses EDIT, yet is told apart as a memo.
  EXPECT_TRUE(form->mmo1->InheritsFrom("TCustomMemo"));
  EXPECT_TRUE(form->mmo1->InheritsFrom("TCustomEdit"));
  EXPECT_FALSE(form->edt1->InheritsFrom("TCustomMemo"));
  EXPECT_EQ(ControlOfWindow(GetDesktopWindow()), nullptr);
}

TEST_F(MainFormTest, LayoutAtDesignSize) {
  EXPECT_EQ(WindowSize(form->Handle()).cx, 752);
  EXPECT_EQ(WindowSize(form->Handle()).cy, 434);
  RECT client;
  GetClientRect(form->Handle(), &client);
  ExpectPlace(form->pnl1, 0, 0, client.right, 76);
  ExpectPlace(form->chk1, 7, 21, 73, 17);
  ExpectPlace(form->chk2, 5, 42, 73, 17);
  ExpectPlace(form->btn1, 80, 11, 61, 54);
  ExpectPlace(form->btn2, 149, 11, 61, 54);
  ExpectPlace(form->btn3, 217, 11, 61, 54);
  ExpectPlace(form->Button3, 312, 12, 193, 29);
  ExpectPlace(form->chk5, 312, 46, 97, 17);
  ExpectPlace(form->chk4, 417, 46, 88, 17);
  ExpectPlace(form->mmo1, 0, 76, 265, client.bottom - 76);
  EXPECT_EQ(form->spl1->Left(), 265);
  EXPECT_EQ(form->spl1->Width(), 5);
  ExpectPlace(form->pnl3, 270, 76, client.right - 270, client.bottom - 76);
  ExpectPlace(form->pnl4, 1, 1, 208, client.bottom - 76 - 2);
  ExpectPlace(form->mmo2, 1, 1, 206, 200);
  EXPECT_EQ(form->lbl2->Left(), 496);
  EXPECT_EQ(form->lbl2->Width(), 263);
  // The buttons at the right keep the distance they had to the design width.
  const int right = client.right - 744;
  ExpectPlace(form->btn4, 552 + right, 18, 85, 22);
  ExpectPlace(form->btn5, 648 + right, 18, 65, 22);
}

TEST_F(MainFormTest, CaptionButtonsFontsAndColours) {
  const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_THICKFRAME);

  const LOGFONTW form_font = FontOf(form->btn1);
  EXPECT_EQ(FromWide(form_font.lfFaceName), "宋体");
  EXPECT_EQ(form_font.lfHeight, -12);
  EXPECT_EQ(form_font.lfCharSet, ANSI_CHARSET);
  for (TMemo* memo : {form->mmo1, form->mmo2, form->mmo3}) {
    EXPECT_EQ(FromWide(FontOf(memo).lfFaceName), "宋体");
    EXPECT_EQ(FontOf(memo).lfCharSet, GB2312_CHARSET);
  }
  EXPECT_EQ(form->mmo2->Color(), 16644846);
  EXPECT_EQ(form->lbl2->Font()->Color(), 0x0000FF);
  EXPECT_TRUE(form->lbl2->Font()->Style().Contains(TFontStyle::fsBold));

  const LONG memo_style = GetWindowLongW(form->mmo1->Handle(), GWL_STYLE);
  EXPECT_TRUE(memo_style & WS_VSCROLL);
  EXPECT_FALSE(memo_style & WS_HSCROLL);
  EXPECT_TRUE(memo_style & ES_NOHIDESEL);
  EXPECT_TRUE(memo_style & ES_OEMCONVERT);
  EXPECT_TRUE((GetWindowLongW(form->mmo2->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) ==
              (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(MainFormTest, ReportListHasItsThreeColumns) {
  const HWND list = form->ordrlstvw1->Handle();
  EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_SHOWSELALWAYS);
  const DWORD ex = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_TRUE(ex & LVS_EX_GRIDLINES);
  EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
  const char* captions[] = {"编号", "单词", "出现频率"};
  const int widths[] = {60, 130, 60};
  for (int i = 0; i < 3; ++i) {
    wchar_t text[64];
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text;
    column.cchTextMax = 64;
    ASSERT_TRUE(
        SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(FromWide(text), captions[i]);
    EXPECT_EQ(column.cx, widths[i]);
  }
}

TEST_F(MainFormTest, CannotBeMadeSmallerThanItsMinimumNorMaximised) {
  SetWindowPos(form->Handle(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(WindowSize(form->Handle()).cx, 540);
  EXPECT_EQ(WindowSize(form->Handle()).cy, 374);
  form->SetBounds(form->Left(), form->Top(), 100, 500);
  Pump();
  EXPECT_EQ(WindowSize(form->Handle()).cx, 540);
  EXPECT_EQ(WindowSize(form->Handle()).cy, 500);
  MINMAXINFO info{};
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 540);
  EXPECT_EQ(info.ptMinTrackSize.y, 374);
  ASSERT_FALSE(IsZoomed(form->Handle()));
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsZoomed(form->Handle()));
}

TEST_F(MainFormTest, ResizingKeepsRightButtonsAtTheRightAndOthersAtTheLeft) {
  const RECT btn4_before = PlaceOf(form->btn4), btn5_before = PlaceOf(form->btn5);
  const RECT btn1_before = PlaceOf(form->btn1);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(PlaceOf(form->btn4).left, btn4_before.left + 148);
  EXPECT_EQ(PlaceOf(form->btn5).left, btn5_before.left + 148);
  EXPECT_EQ(PlaceOf(form->btn4).top, btn4_before.top);
  EXPECT_EQ(PlaceOf(form->btn1).left, btn1_before.left);
  EXPECT_EQ(PlaceOf(form->mmo1).right - PlaceOf(form->mmo1).left, 265);
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(PlaceOf(form->pnl3).right, client.right);
  EXPECT_EQ(PlaceOf(form->mmo1).bottom, client.bottom);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 600, 400, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(PlaceOf(form->btn5).left, btn5_before.left - 152);
}

TEST_F(MainFormTest, SplitterResizesTheInputPaneWithinItsMinimum) {
  const HWND wnd = form->Handle();
  const int y = form->spl1->Top() + 50;
  auto drag = [&](int from_x, int to_x) {
    POINT p{from_x, y};
    ClientToScreen(wnd, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from_x, y));
    p = {to_x, y};
    ClientToScreen(wnd, &p);
    SetCursorPos(p.x, p.y);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to_x, y));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(to_x, y));
    Pump();
  };
  drag(267, 367);
  EXPECT_EQ(form->mmo1->Width(), 365);
  EXPECT_EQ(form->spl1->Left(), 365);
  EXPECT_EQ(form->pnl3->Left(), 370);
  drag(367, 0);
  EXPECT_EQ(form->mmo1->Width(), 20);
  RECT client;
  GetClientRect(wnd, &client);
  drag(22, client.right);
  EXPECT_EQ(form->pnl3->Width(), 20);
}

TEST_F(MainFormTest, HintShowsAfterThePauseInTheHintColour) {
  ASSERT_EQ(Application().HintPause(), 100);
  THintWindow* hint = Application().HintWindow();
  POINT over{5, 5};
  ClientToScreen(form->btn1->Handle(), &over);
  SetCursorPos(over.x, over.y);
  PostMessageW(form->btn1->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(Application().HintControl(), form->btn1);
  EXPECT_FALSE(hint->Showing());
  Pump(400);
  ASSERT_TRUE(hint->Showing());
  EXPECT_EQ(hint->Caption(), "须是Ansi格式的文本文件");
  EXPECT_EQ(hint->Color(), 0xFFFF00);
  UpdateWindow(hint->Handle());
  const HDC dc = GetDC(hint->Handle());
  EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 255, 255));
  ReleaseDC(hint->Handle(), dc);
  // A press anywhere hides it.
  PostMessageW(form->pnl1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  PostMessageW(form->pnl1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  Pump();
  EXPECT_FALSE(hint->Showing());
}

TEST_F(MainFormTest, ControlsWithoutHintShowNone) {
  auto hover = [](TWinControl* control) {
    POINT over{5, 5};
    ClientToScreen(control->Handle(), &over);
    SetCursorPos(over.x, over.y);
    PostMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Pump(300);
  };
  hover(form->btn2);
  EXPECT_FALSE(Application().HintWindow()->Showing());
  hover(form->mmo2);
  EXPECT_TRUE(Application().HintWindow()->Showing());
  EXPECT_EQ(Application().HintWindow()->Caption(), "原始分解结果");
  Application().SetShowHint(false);
  hover(form->btn1);
  EXPECT_FALSE(Application().HintWindow()->Showing());
  Application().SetShowHint(true);
}

TEST_F(MainFormTest, NumberingBoxEnablesTheHiddenEdit) {
  SendMessageW(form->chk4->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(form->chk4->Checked());
  EXPECT_FALSE(form->edt1->Enabled());
  SendMessageW(form->chk4->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(form->chk4->Checked());
  EXPECT_TRUE(form->edt1->Enabled());
  EXPECT_TRUE(IsWindowEnabled(form->edt1->Handle()));
}

TEST_F(MainFormTest, TabMovesTheFocusInTabOrder) {
  form->btn1->SetFocus();
  Pump();
  MSG msg{form->btn1->Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  PostMessageW(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  Pump();
  EXPECT_TRUE(form->btn2->Focused());
}

// The split, the report and its header sort, the export and the exit question
// on the real main window.

#include <cstdio>

#include "framework/file_io.h"
#include "framework/win/application.h"
#include "framework/win/wide.h"
#include "mainform/form_fixture.h"

namespace {

class StatisticsTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    form->RunCommand = [this](const AnsiString& command) { commands.push_back(command); };
  }

  void Split(const char* text) {
    form->mmo1->SetText(text);
    Press(form->Button3);
  }

  // Clicks a column header as the mouse does.
  void ClickHeader(int column) {
    const HWND header = reinterpret_cast<HWND>(SendMessageW(form->ordrlstvw1->Handle(), LVM_GETHEADER, 0, 0));
    RECT r;
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(header, WM_LBUTTONUP, 0, at);
    Pump();
  }

  // A column caption as the window's header shows it.
  AnsiString HeaderText(int column) {
    wchar_t text[64] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 64;
    SendMessageW(form->ordrlstvw1->Handle(), LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&info));
    return FromWide(text);
  }

  // The rows as the window shows them, "caption|word|count".
  std::vector<AnsiString> ShownRows() {
    const HWND list = form->ordrlstvw1->Handle();
    std::vector<AnsiString> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < count; ++r) {
      AnsiString row;
      for (int k = 0; k < 3; ++k) {
        wchar_t text[64] = {};
        LVITEMW item{};
        item.iSubItem = k;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&item));
        row += (k > 0 ? "|" : "") + FromWide(text);
      }
      rows.push_back(row);
    }
    return rows;
  }

  std::vector<AnsiString> commands;
};

using Lines = std::vector<AnsiString>;

TEST_F(StatisticsTest, SplitFillsSummaryReportMemosAndLists) {
  Split("Apple apple APPLE banana");
  EXPECT_EQ(form->lbl2->Caption(), "单词总数= 4 重复情况如下");
  EXPECT_EQ(ShownRows(), (Lines{"1|Apple|3", "2|banana|1"}));
  EXPECT_EQ(form->mmo2->Lines()->Strings(), (Lines{"1: Apple", "2: apple", "3: APPLE", "4: banana"}));
  EXPECT_EQ(form->mmo3->Lines()->Strings(), (Lines{"1: APPLE", "2: apple", "3: Apple", "4: banana"}));
  EXPECT_EQ(form->RawWords->Strings(), (Lines{"Apple", "apple", "APPLE", "banana"}));
  EXPECT_EQ(form->DistinctWords->Strings(), (Lines{"Apple", "banana"}));
  // The list itself keeps one entry per word, in order.
  EXPECT_EQ(form->DistinctWords->Add("BANANA"), 1);
  EXPECT_EQ(form->DistinctWords->Add("Aardvark"), 0);
  EXPECT_EQ(form->DistinctWords->Strings(), (Lines{"Aardvark", "Apple", "banana"}));

  // Ignoring repeats changes only the memos.
  SendMessageW(form->chk5->Handle(), BM_CLICK, 0, 0);
  SendMessageW(form->chk4->Handle(), BM_CLICK, 0, 0);
  Pump();
  ASSERT_TRUE(form->chk5->Checked());
  ASSERT_FALSE(form->chk4->Checked());
  Press(form->Button3);
  EXPECT_EQ(form->lbl2->Caption(), "单词总数= 4 重复情况如下");
  EXPECT_EQ(ShownRows(), (Lines{"1|Apple|3", "2|banana|1"}));
  EXPECT_EQ(form->mmo2->Lines()->Strings(), (Lines{"Apple", "banana"}));
  EXPECT_EQ(form->mmo3->Lines()->Strings(), (Lines{"Apple", "banana"}));
}

TEST_F(StatisticsTest, BlankInputKeepsResultsAndSeparatorsOnlyEmptyThem) {
  Split("2008 2008 1999");
  EXPECT_EQ(ShownRows(), (Lines{"1|1999|1", "2|2008|2"}));
  Split("  \r\n \r\n");
  EXPECT_EQ(form->lbl2->Caption(), "单词总数= 3 重复情况如下");
  EXPECT_EQ(ShownRows().size(), 2u);

  Split("，。！");
  EXPECT_EQ(form->lbl2->Caption(), "单词总数= 0 重复情况如下");
  EXPECT_TRUE(ShownRows().empty());
  EXPECT_EQ(form->mmo2->Text(), "");
  EXPECT_EQ(form->mmo3->Text(), "");
  EXPECT_TRUE(form->RawWords->Strings().empty());
}

TEST_F(StatisticsTest, HeaderClicksSortAndMoveTheMark) {
  Split("b a a c c c");
  EXPECT_EQ(ShownRows(), (Lines{"1|a|2", "2|b|1", "3|c|3"}));
  ClickHeader(2);
  EXPECT_EQ(HeaderText(2), "↑出现频率");
  EXPECT_EQ(ShownRows(), (Lines{"2|b|1", "1|a|2", "3|c|3"}));
  ClickHeader(2);
  EXPECT_EQ(HeaderText(2), "↓出现频率");
  EXPECT_EQ(ShownRows(), (Lines{"3|c|3", "1|a|2", "2|b|1"}));
  ClickHeader(1);
  EXPECT_EQ(HeaderText(2), "出现频率");
  EXPECT_EQ(HeaderText(1), "↑单词");
  EXPECT_EQ(ShownRows(), (Lines{"1|a|2", "2|b|1", "3|c|3"}));
  ClickHeader(1);
  ClickHeader(0);
  EXPECT_EQ(HeaderText(1), "单词");
  EXPECT_EQ(HeaderText(0), "↑编号");
  EXPECT_EQ(ShownRows(), (Lines{"1|a|2", "2|b|1", "3|c|3"}));

  // Clearing and a new split leave the mark where it is.
  Press(form->btn3);
  EXPECT_TRUE(ShownRows().empty());
  EXPECT_EQ(HeaderText(0), "↑编号");
  ClickHeader(0);
  EXPECT_EQ(HeaderText(0), "↓编号");
  Split("z y");
  EXPECT_EQ(HeaderText(0), "↓编号");
  EXPECT_EQ(ShownRows(), (Lines{"1|y|1", "2|z|1"}));
}

TEST_F(StatisticsTest, SavesTheReportAsShownAndOpensItInTheEditor) {
  // Nothing to save: no dialog, so the prepared answer stays unused.
  AnswerDialogs({CancelDialog()});
  Press(form->btn4);
  Pump(200);
  EXPECT_EQ(PendingDialogAnswers(), 1);
  EXPECT_TRUE(commands.empty());

  Split("Apple apple APPLE banana");
  ClickHeader(2);
  const std::wstring numbered = TempFile(L"stat report numbered.txt", "");
  DeleteFileW(numbered.c_str());
  AnswerDialogs({ChooseFile(numbered)});
  Press(form->btn4);
  ASSERT_EQ(PendingDialogAnswers(), 0);
  EXPECT_EQ(ReadFileBytes(FromWide(numbered)), "编号,单词,出现频率\r\n\r\n2,banana,1\r\n1,Apple,3\r\n");
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], "notepad.exe " + FromWide(numbered));

  SendMessageW(form->chk4->Handle(), BM_CLICK, 0, 0);
  const std::wstring plain = TempFile(L"stat_plain.txt", "");
  DeleteFileW(plain.c_str());
  AnswerDialogs({ChooseFile(plain)});
  Press(form->btn4);
  ASSERT_EQ(PendingDialogAnswers(), 0);
  EXPECT_EQ(ReadFileBytes(FromWide(plain)), "单词,出现频率\r\n\r\nbanana,1\r\nApple,3\r\n");
  EXPECT_EQ(commands.size(), 2u);

  // Cancelling the dialog writes and starts nothing.
  AnswerDialogs({CancelDialog()});
  Press(form->btn4);
  EXPECT_EQ(PendingDialogAnswers(), 0);
  EXPECT_EQ(commands.size(), 2u);
  DeleteFileW(numbered.c_str());
  DeleteFileW(plain.c_str());
}

// Reads the question and its caption, then presses `button`.
DialogAction AnswerQuestion(AnsiString& text, AnsiString& caption, int button) {
  return [&text, &caption, button](HWND box) {
    wchar_t buffer[256] = {};
    GetWindowTextW(box, buffer, 256);
    caption = FromWide(buffer);
    // The message box keeps its text in the static control 0xFFFF.
    GetDlgItemTextW(box, 0xFFFF, buffer, 256);
    text = FromWide(buffer);
    SendMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
  };
}

TEST_F(StatisticsTest, ExitQuestionNoKeepsTheWindowYesClosesIt) {
  AnsiString text;
  AnsiString caption;
  AnswerDialogs({AnswerQuestion(text, caption, IDNO)});
  Press(form->btn5);
  ASSERT_EQ(PendingDialogAnswers(), 0);
  EXPECT_EQ(text, "确定要退出程序吗？");
  EXPECT_EQ(caption, Tfrmmain::kTitle);
  Pump(100);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));

  text.clear();
  AnswerDialogs({AnswerQuestion(text, caption, IDYES)});
  Press(form->btn5);
  ASSERT_EQ(PendingDialogAnswers(), 0);
  EXPECT_EQ(text, "确定要退出程序吗？");
  Pump(100);
  // Not the application's main window here, so closing hides it.
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace

#include "form_fixture.h"

#include <commctrl.h>

#include "framework/win/clipboard.h"
#include "framework/win/wide.h"

namespace {

// The pane's lines as the window shows them.
std::vector<AnsiString> PaneLines(TMemo* memo) {
  std::vector<AnsiString> lines;
  for (int i = 0; i < memo->Lines()->Count(); ++i) lines.push_back(memo->Lines()->Get(i));
  return lines;
}

using Lines = std::vector<AnsiString>;

}  // namespace

TEST_F(MainFormTest, FilesWithAnyLineEndsLoadAsTheSameLines) {
  const Lines expected = {"第一行 one", "  ", "third\t行"};
  for (const char* text :
       {"第一行 one\r\n  \r\nthird\t行\r\n", "第一行 one\n  \nthird\t行", "第一行 one\r  \rthird\t行\r"}) {
    form->chk1->SetChecked(false);
    LoadFile(TempFile(L"lexitally-ends.txt", text));
    EXPECT_EQ(PaneLines(form->mmo1), expected) << text;
    // One CR LF between lines in the window, none after the last.
    EXPECT_EQ(PaneText(), "第一行 one\r\n  \r\nthird\t行");
  }
}

TEST_F(MainFormTest, BlankLinesGoOnlyWhenAskedAndOnlyFromTheFile) {
  const std::wstring file = TempFile(L"lexitally-blank.txt", "a\r\n \t \r\n\r\n　\r\nb\r\n");
  LoadFile(file);
  EXPECT_EQ(PaneLines(form->mmo1), Lines({"a", "　", "b"}));  // a full-width space is not blank
  form->chk1->SetChecked(false);
  LoadFile(file);
  EXPECT_EQ(PaneLines(form->mmo1), Lines({"a", " \t ", "", "　", "b"}));

  // Append mode keeps the pane's own blank lines; removal applies to the file's.
  form->mmo1->SetText("first\r\n\r\n  last");
  form->chk1->SetChecked(true);
  form->chk2->SetChecked(true);
  LoadFile(file);
  EXPECT_EQ(PaneLines(form->mmo1), Lines({"first", "", "  last", "a", "　", "b"}));
}

TEST_F(MainFormTest, AppendingToAnEmptyPaneGivesTheFileAlone) {
  form->chk2->SetChecked(true);
  LoadFile(TempFile(L"lexitally-append.txt", "x\ny\n"));
  EXPECT_EQ(PaneLines(form->mmo1), Lines({"x", "y"}));
}

TEST_F(MainFormTest, ReadingStopsAtANulByte) {
  LoadFile(TempFile(L"lexitally-nul.txt", std::string_view("one\r\ntw\0o\r\nthree", 17)));
  EXPECT_EQ(PaneLines(form->mmo1), Lines({"one", "tw"}));
}

TEST_F(MainFormTest, CancellingTheDialogChangesNothing) {
  form->mmo1->SetText("keep\r\nthis");
  for (bool append : {false, true}) {
    form->chk2->SetChecked(append);
    AnswerDialogs({CancelDialog()});
    Press(form->btn1);
    EXPECT_EQ(PendingDialogAnswers(), 0);
    EXPECT_EQ(PaneText(), "keep\r\nthis");
  }
}

TEST_F(MainFormTest, AnUnreadableFileShowsTheErrorAndLeavesThePane) {
  form->mmo1->SetText("before");
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring missing = std::wstring(dir) + L"lexitally-no-such-file.txt";
  DeleteFileW(missing.c_str());
  AnsiString message;
  AnswerDialogs({ChooseFile(missing), ReadMessageBox(message)});
  Press(form->btn1);
  EXPECT_EQ(PendingDialogAnswers(), 0);
  EXPECT_NE(message.find("lexitally-no-such-file.txt"), AnsiString::npos) << message;
  EXPECT_EQ(PaneText(), "before");
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(MainFormTest, PasteReplacesTheSelectionWithTheClipboardText) {
  form->mmo1->SetText("前 middle 后");
  SendMessageW(form->mmo1->Handle(), EM_SETSEL, 1, 9);
  SetClipboardText("粘贴的中文");
  Press(form->btn2);
  EXPECT_EQ(PaneText(), "前粘贴的中文后");
}

// Another program sets the pane's text with WM_SETTEXT, which a multi-line
// edit answers without EN_CHANGE: the split must still read what shows.
TEST_F(MainFormTest, TextSetFromOutsideIsWhatTheSplitReads) {
  form->mmo1->SetText("Stale text typed earlier");
  ASSERT_EQ(form->mmo1->Lines()->Count(), 1);  // the old lines are cached
  SendMessageW(form->mmo1->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Apple apple\r\nAPPLE banana"));
  EXPECT_EQ(PaneText(), "Apple apple\r\nAPPLE banana");
  EXPECT_EQ(PaneLines(form->mmo1), Lines({"Apple apple", "APPLE banana"}));
  Press(form->Button3);
  EXPECT_EQ(form->RawWords->Strings(), Lines({"Apple", "apple", "APPLE", "banana"}));
}

TEST_F(MainFormTest, ClearEmptiesPanesReportAndSummaryButKeepsColumnCaptions) {
  form->mmo1->SetText("input");
  form->mmo2->SetText("a\r\nb");
  form->mmo3->SetText("b\r\na");
  form->lbl2->SetCaption("单词总数= 2 重复情况如下");
  TListItem* row = form->ordrlstvw1->Items()->Add();
  row->SetCaption("1");
  row->SubItems()->Add("a");
  row->SubItems()->Add("1");
  form->ordrlstvw1->Columns()->Items(2)->SetCaption("↑出现频率");
  Press(form->btn3);
  EXPECT_EQ(PaneText(), "");
  EXPECT_EQ(form->mmo2->Text(), "");
  EXPECT_EQ(form->mmo3->Text(), "");
  EXPECT_EQ(form->lbl2->Caption(), "");
  EXPECT_EQ(form->ordrlstvw1->Items()->Count(), 0);
  EXPECT_EQ(SendMessageW(form->ordrlstvw1->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(form->ordrlstvw1->Columns()->Items(2)->Caption(), "↑出现频率");
}

TEST_F(MainFormTest, ReportRowsShowTheirCaptionAndSubItems) {
  TListItem* row = form->ordrlstvw1->Items()->Add();
  row->SetCaption("7");
  row->SubItems()->Add("单词");
  row->SubItems()->Add("3");
  Pump();
  wchar_t text[32];
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(form->ordrlstvw1->Handle(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(FromWide(text), "单词");
}

// The pane shows the start of a large file at once, in one WM_SETTEXT, and
// fills with the rest while idle. Both times are printed: the second is
// almost all the edit control's own line layout.
TEST_F(MainFormTest, AMegabyteFileShowsAtOnceAndFillsThePaneWhileIdle) {
  // Prose: paragraphs of about a hundred characters with an empty line
  // between them.
  AnsiString line;
  while (line.size() < 200) line += "汉字文章里的单词 words，统计。";
  AnsiString text;
  int lines = 0;
  for (; text.size() < (1u << 20); ++lines) text += line + "\r\n \r\n";
  const std::wstring file = TempFile(L"lexitally-1mb.txt", text);
  int set_texts = 0;
  DWORD painted = 0;
  const TWndMethod saved = form->mmo1->WindowProc;
  form->mmo1->WindowProc = [&](TMessage& m) {
    set_texts += m.Msg == WM_SETTEXT;
    saved(m);
    if (m.Msg == WM_PAINT && painted == 0 && set_texts > 0) painted = GetTickCount();
  };
  // From the dialog's OK to the pane painted, then to the pane full.
  DWORD chosen = 0;
  AnswerDialogs({[&](HWND dialog) {
    ChooseFile(file)(dialog);
    chosen = GetTickCount();
  }});
  Press(form->btn1);
  while (form->mmo1->Filling()) Pump(5);
  const DWORD full = GetTickCount() - chosen;
  const DWORD shown = painted - chosen;
  form->mmo1->WindowProc = saved;
  std::printf(
      "1 MB file (%d paragraphs) with blank-line removal shown in %lu ms, whole in the pane in %lu ms\n",
      lines, static_cast<unsigned long>(shown), static_cast<unsigned long>(full));
  ASSERT_NE(painted, 0u);
  EXPECT_LT(shown, 2000u);
  // Far above the printed figure (about 1.6 s on an idle machine), so that only
  // work growing with the square of the text fails it, not a busy machine.
  EXPECT_LT(full, 15000u);
  EXPECT_EQ(set_texts, 1);
  EXPECT_EQ(form->mmo1->Lines()->Count(), lines);
  EXPECT_EQ(GetWindowTextLengthW(form->mmo1->Handle()),
            lines * static_cast<int>(ToWide(line).size() + 2) - 2);
}

#include <gtest/gtest.h>

#include "framework/line_breaks.h"
#include "framework/properties.h"
#include "framework/win/application.h"
#include "framework/win/check_box.h"
#include "framework/win/combo_box.h"
#include "framework/win/form.h"
#include "framework/win/list_view.h"
#include "framework/win/memo.h"
#include "framework/win/panel.h"
#include "framework/win/splitter.h"
#include "framework/win/wide.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>
#include <vector>

namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = new TForm(&Application());
    form->SetBounds(10, 10, 400, 300);
  }
  void TearDown() override { form->Free(); }

  template <class T>
  T* Add(TWinControl* parent) {
    T* control = new T(form);
    control->SetParent(parent);
    return control;
  }
  void Show() {
    form->Show();
    Application().ProcessMessages();
  }

  TForm* form = nullptr;
};

// Counts the messages of one number that reach a control's window.
class MessageCounter {
 public:
  MessageCounter(TWinControl* control, unsigned msg) : control_(control), saved_(control->WindowProc) {
    control->WindowProc = [this, msg](TMessage& m) {
      count += m.Msg == msg;
      saved_(m);
    };
  }
  ~MessageCounter() { control_->WindowProc = saved_; }
  int count = 0;

 private:
  TWinControl* control_;
  TWndMethod saved_;
};

}  // namespace

TEST_F(ControlsTest, MemoLinesAreTheWindowsHardLinesAndBulkChangesSetTheTextOnce) {
  TMemo* memo = Add<TMemo>(form);
  memo->SetBounds(0, 0, 60, 100);  // narrow: long lines wrap on screen only
  Show();
  memo->SetText("a long first line that wraps\r\nsecond\r\n\r\n");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Get(0), "a long first line that wraps");
  EXPECT_EQ(memo->Lines()->Get(2), "");

  MessageCounter set_text(memo, WM_SETTEXT);
  TStringList source;
  for (const char* s : {"一", "二", "三"}) source.Add(s);
  memo->Lines()->Assign(source);
  EXPECT_EQ(set_text.count, 1);
  EXPECT_EQ(memo->Text(), "一\r\n二\r\n三");
  memo->Lines()->Delete(1);
  memo->Lines()->Insert(0, "零");
  memo->Lines()->Put(2, "3");
  EXPECT_EQ(memo->Text(), "零\r\n一\r\n3");
  EXPECT_THROW(memo->Lines()->Get(3), EListError);
}

TEST_F(ControlsTest, WrappedMemoLinesAreFullFitTheWidthAndKeepPunctuationWithItsPhrase) {
  TMemo* memo = Add<TMemo>(form);
  memo->SetBounds(0, 0, 265, 200);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  // The program's memo font, which has every character of the text.
  memo->Font()->SetName("宋体");
  memo->Font()->SetHeight(-12);
  memo->Font()->SetCharset(GB2312_CHARSET);
  Show();
  AnsiString paragraph;
  while (paragraph.size() < 600) paragraph += "汉字文章里的单词，统计（重复）次数。words and more words ";
  // A word wider than the line is cut where the line ends.
  const AnsiString long_word(90, 'w');
  memo->SetText(paragraph + "\r\n" + long_word + " " + paragraph);

  HWND wnd = memo->Handle();
  const std::wstring text = ToWide(memo->Text());
  RECT format{};
  SendMessageW(wnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const int width = format.right - format.left;
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(wnd, WM_GETFONT, 0, 0)));
  auto extent = [&](std::size_t start, std::size_t length) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data() + start, static_cast<int>(length), &size);
    return static_cast<int>(size.cx);
  };
  const int lines = static_cast<int>(SendMessageW(wnd, EM_GETLINECOUNT, 0, 0));
  ASSERT_GT(lines, 10);
  for (int i = 0; i + 1 < lines; ++i) {
    const auto start = static_cast<std::size_t>(SendMessageW(wnd, EM_LINEINDEX, i, 0));
    const auto length = static_cast<std::size_t>(SendMessageW(wnd, EM_LINELENGTH, start, 0));
    const auto next = static_cast<std::size_t>(SendMessageW(wnd, EM_LINEINDEX, i + 1, 0));
    EXPECT_LE(extent(start, length), width) << "line " << i;
    if (next != start + length) continue;  // a hard line break, not a wrap
    EXPECT_FALSE(line_breaks::IsClosing(static_cast<char16_t>(text[next]))) << "line " << i + 1;
    // Full: the next line's first word would not have fitted.
    const std::size_t word_end = line_breaks::WordEndFrom(text.data() + next, 1, text.size() - next);
    EXPECT_GT(extent(start, length + word_end), width) << "line " << i;
  }
  DeleteDC(dc);
}

TEST_F(ControlsTest, CtrlArrowsAndDoubleClickInAMemoGoByWordsAndChineseCharacters) {
  TMemo* memo = Add<TMemo>(form);
  memo->SetBounds(0, 0, 300, 100);
  Show();
  memo->SetText("hello world 汉字");  // 14 characters
  HWND wnd = memo->Handle();
  auto selection = [&] {
    DWORD start = 0, end = 0;
    SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::pair<int, int>(static_cast<int>(start), static_cast<int>(end));
  };
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(wnd, EM_SETSEL, 14, 14);
  std::vector<int> stops;
  for (int i = 0; i < 4; ++i) {
    SendMessageW(wnd, WM_KEYDOWN, VK_LEFT, 0);
    stops.push_back(selection().first);
  }
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(stops, (std::vector<int>{13, 12, 6, 0}));

  // A double click on "world" selects it with its space.
  const LRESULT at = SendMessageW(wnd, EM_POSFROMCHAR, 8, 0);
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(wnd, WM_LBUTTONUP, 0, at);
  SendMessageW(wnd, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(wnd, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(selection(), (std::pair<int, int>(6, 12)));
}

TEST_F(ControlsTest, ALargeTextShowsAtOnceAndFillsTheMemoWhileIdle) {
  TMemo* memo = Add<TMemo>(form);
  memo->SetBounds(0, 0, 265, 200);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  Show();
  AnsiString text;
  while (text.size() < 400 * 1024)
    text += "汉字文章里的单词，统计重复次数。words and more words 第" + std::to_string(text.size()) + "\r\n";
  HWND wnd = memo->Handle();
  auto scroll_range = [&] {
    SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(wnd, SB_VERT, &info);
    return info.nMax;
  };
  memo->SetText(text);
  EXPECT_TRUE(memo->Filling());
  EXPECT_EQ(memo->Text(), text);  // the control holds it whole at once
  const int first_range = scroll_range();
  for (int i = 0; i < 1000 && memo->Filling(); ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
  EXPECT_FALSE(memo->Filling());
  EXPECT_GT(scroll_range(), first_range);
  // Appending at the end moved neither the caret nor the view.
  DWORD start = 1, end = 1;
  SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(SendMessageW(wnd, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(wnd)) + 1, L'\0');
  shown.resize(static_cast<std::size_t>(GetWindowTextW(wnd, shown.data(), static_cast<int>(shown.size()))));
  EXPECT_EQ(FromWide(shown), text);

  // Reading or typing during a fill finishes it first.
  memo->SetText(text);
  ASSERT_TRUE(memo->Filling());
  EXPECT_EQ(GetWindowTextLengthW(wnd), static_cast<int>(ToWide(text).size()));
  EXPECT_FALSE(memo->Filling());
  // A hidden memo fills and stays hidden.
  memo->SetVisible(false);
  memo->SetText(text);
  for (int i = 0; i < 1000 && memo->Filling(); ++i) {
    Application().ProcessMessages();
    Sleep(5);
  }
  EXPECT_FALSE(IsWindowVisible(wnd));
  memo->SetVisible(true);
  memo->SetText(text);
  memo->SetText("short");  // a new text ends the fill of the old one
  EXPECT_FALSE(memo->Filling());
  Application().ProcessMessages();
  EXPECT_EQ(GetWindowTextLengthW(wnd), 5);
  memo->SetText(text);
  SendMessageW(wnd, WM_CHAR, L'x', 0);
  EXPECT_EQ(memo->Text(), "x" + text);
  EXPECT_EQ(memo->Lines()->Get(0).substr(0, 3), "x汉");
}

// The edit control lays out every line it is given: a text of many short
// lines fills in parts of a bounded number of lines, however few characters.
TEST_F(ControlsTest, ManyShortLinesFillTheMemoInPartsOfBoundedLines) {
  TMemo* memo = Add<TMemo>(form);
  Show();
  AnsiString text;
  for (int i = 0; i < 9000; ++i) text += "w" + std::to_string(i % 100) + "\r\n";
  ASSERT_LT(text.size(), 64u * 1024);
  std::vector<std::ptrdiff_t> part_lines;
  const TWndMethod saved = memo->WindowProc;
  memo->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SETTEXT || m.Msg == EM_REPLACESEL) {
      const std::wstring_view part(reinterpret_cast<const wchar_t*>(m.LParam));
      part_lines.push_back(std::count(part.begin(), part.end(), L'\n'));
    }
    saved(m);
  };
  memo->SetText(text);
  for (int i = 0; i < 1000 && memo->Filling(); ++i) Application().ProcessMessages();
  memo->WindowProc = saved;
  EXPECT_GE(part_lines.size(), 5u);
  EXPECT_LE(part_lines.front(), 200);  // shown while the caller waits: a few windows' worth
  EXPECT_LE(*std::max_element(part_lines.begin(), part_lines.end()), 2000);
  EXPECT_EQ(std::accumulate(part_lines.begin(), part_lines.end(), std::ptrdiff_t{0}), 9000);
  EXPECT_EQ(memo->Lines()->Count(), 9000);
  EXPECT_EQ(GetWindowTextLengthW(memo->Handle()), static_cast<int>(text.size()));
}

TEST_F(ControlsTest, TypingInAMemoReachesItsTextAndLines) {
  TMemo* memo = Add<TMemo>(form);
  Show();
  memo->Lines()->Add("ab");
  EXPECT_EQ(memo->Lines()->Count(), 1);
  SendMessageW(memo->Handle(), EM_SETSEL, 2, 2);
  for (wchar_t c : std::wstring(L"\r字")) SendMessageW(memo->Handle(), WM_CHAR, c, 0);
  EXPECT_EQ(memo->Text(), "ab\r\n字");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Get(1), "字");
}

TEST_F(ControlsTest, ComboBoxItemsSortAndOutliveTheWindow) {
  auto* box = Add<TComboBox>(form);
  box->SetSorted(true);
  Show();
  for (const char* s : {"梨", "banana", "Apple", "cherry"}) box->Items()->Add(s);
  auto window_items = [&] {
    std::vector<std::wstring> items;
    const auto count = SendMessageW(box->Handle(), CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
      wchar_t text[64] = {};
      SendMessageW(box->Handle(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      items.emplace_back(text);
    }
    return items;
  };
  EXPECT_EQ(window_items(), (std::vector<std::wstring>{L"Apple", L"banana", L"cherry", L"梨"}));
  EXPECT_EQ(box->Items()->Get(3), "梨");
  box->Items()->Delete(1);
  box->SetSorted(false);  // a new window, filled from the items
  box->Items()->Add("aardvark");
  EXPECT_EQ(window_items(), (std::vector<std::wstring>{L"Apple", L"cherry", L"梨", L"aardvark"}));
  SetPropValue(*box->ItemsProperty(), "Strings", TPropValue(TStringArray{"x", "y"}));
  EXPECT_EQ(window_items(), (std::vector<std::wstring>{L"x", L"y"}));
}

TEST_F(ControlsTest, CheckBoxStateByUserByCodeAndByPropertyName) {
  TCheckBox* box = Add<TCheckBox>(form);
  int clicks = 0;
  box->SetOnClick({"", [&](TObject*) { ++clicks; }});
  Show();
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  box->SetChecked(false);
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);
  // What the skin engine reads and writes by name.
  SetPropValue(*box, "State", TPropValue(std::int64_t{2}));
  EXPECT_EQ(GetEnumProp(*box, "State"), "cbGrayed");
  EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(GetEnumProp(*box, "Checked"), "False");
  box->SetCaption("选项");
  wchar_t text[16];
  GetWindowTextW(box->Handle(), text, 16);
  EXPECT_EQ(FromWide(text), "选项");
  EXPECT_EQ(GetStrProp(*box, "Caption"), "选项");
}

TEST_F(ControlsTest, ListViewRowsAndColumnsFollowTheirChanges) {
  TListView* list = Add<TListView>(form);
  list->SetViewStyle(TViewStyle::vsReport);
  list->Columns()->Add()->SetCaption("A");
  list->Columns()->Add()->SetCaption("B");
  Show();
  const HWND wnd = list->Handle();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(wnd, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  list->Columns()->Items(1)->SetCaption("↓B");
  wchar_t text[16];
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = text;
  column.cchTextMax = 16;
  SendMessageW(wnd, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(FromWide(text), "↓B");

  TListItems* items = list->Items();
  items->BeginUpdate();
  for (const char* caption : {"x", "y", "z"}) items->Add()->SetCaption(caption);
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 0);
  items->EndUpdate();
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 3);
  items->Insert(0)->SetCaption("w");
  items->Delete(3);
  EXPECT_EQ(SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0), 3);
  LVITEMW item{};
  item.pszText = text;
  item.cchTextMax = 16;
  SendMessageW(wnd, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(FromWide(text), "w");
  // A row without sub-items shows nothing in the other columns.
  item.iSubItem = 1;
  SendMessageW(wnd, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"");
  EXPECT_THROW(items->Delete(3), EListError);

  // Rows move whole; an order that misses a row or places one twice is
  // refused before any row moves.
  items->Item(2)->SubItems()->Add("z1");
  const std::size_t rotated[] = {2, 0, 1};
  items->Reorder(rotated);
  EXPECT_EQ(items->Item(0)->Caption(), "y");
  EXPECT_EQ(items->Item(0)->SubItems()->Item(0), "z1");
  EXPECT_EQ(items->Item(1)->Caption(), "w");
  const std::size_t twice[] = {0, 0, 1};
  const std::size_t outside[] = {0, 1, 3};
  const std::size_t short_order[] = {1, 0};
  EXPECT_THROW(items->Reorder(twice), EListError);
  EXPECT_THROW(items->Reorder(outside), EListError);
  EXPECT_THROW(items->Reorder(short_order), EListError);
  EXPECT_EQ(items->Item(0)->Caption(), "y");
  EXPECT_EQ(items->Item(1)->Caption(), "w");
  EXPECT_EQ(items->Item(2)->Caption(), "x");
  SendMessageW(wnd, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(FromWide(text), "z1");
}

TEST_F(ControlsTest, HeaderClickReachesColumnClick) {
  TListView* list = Add<TListView>(form);
  list->SetViewStyle(TViewStyle::vsReport);
  list->SetBounds(0, 0, 300, 200);
  list->Columns()->Add()->SetWidth(100);
  list->Columns()->Add()->SetWidth(100);
  TListColumn* clicked = nullptr;
  list->OnColumnClick = [&](TObject*, TListColumn* column) { clicked = column; };
  Show();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(list->Handle(), LVM_GETHEADER, 0, 0));
  RECT r;
  SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(header, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(clicked, list->Columns()->Items(1));
}

TEST_F(ControlsTest, PanelBevelsInsetItsClientAndTopSplitterResizesDown) {
  TPanel* panel = Add<TPanel>(form);
  panel->SetBevelOuter(TPanelBevel::bvLowered);
  panel->SetBevelInner(TPanelBevel::bvRaised);
  panel->SetBevelWidth(2);
  panel->SetAlign(TAlign::alClient);
  TPanel* top = Add<TPanel>(panel);
  top->SetHeight(50);
  top->SetAlign(TAlign::alTop);
  TSplitter* splitter = Add<TSplitter>(panel);
  splitter->SetAlign(TAlign::alTop);
  splitter->SetBounds(0, 60, 10, 4);
  Show();
  EXPECT_EQ(top->Left(), 4);
  EXPECT_EQ(top->Top(), 4);
  EXPECT_EQ(top->Width(), panel->Width() - 8);
  EXPECT_EQ(splitter->Top(), 54);
  EXPECT_EQ(splitter->Neighbour(), top);

  POINT p{10, 55};
  ClientToScreen(panel->Handle(), &p);
  SetCursorPos(p.x, p.y);
  SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 55));
  SetCursorPos(p.x, p.y + 30);
  SendMessageW(panel->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 85));
  SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 85));
  EXPECT_EQ(top->Height(), 80);
  EXPECT_EQ(splitter->Top(), 84);
}

// The program as a user runs it, driven from outside with the real mouse and
// keyboard: what its skinned controls show is read back from the screen and
// compared with the skin's own frames, drawn here from the same description.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "running_program.h"
#include "skin_controls/check_box_layout.h"
#include "skin_windows/skin_test_input.h"

#include <commctrl.h>

#include "app/win/startup.h"
#include "framework/win/application.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/windows/skin_messages.h"

namespace {

// The faces of the skin's Buttons element.
constexpr int kNormal = 1, kPressed = 2, kHot = 4, kFocused = 5;
// Where an expected image leaves the screen's pixels unchecked: a colour the
// skin's art does not use.
constexpr TColor kUnchecked = 0x010203;

void Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

int Rows(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}
// Asked of the window itself: GetWindowText reads only the title that
// another process's window was created with.
int TextLength(HWND wnd) {
  return static_cast<int>(SendMessageW(wnd, WM_GETTEXTLENGTH, 0, 0));
}
int FirstLine(HWND memo) {
  return static_cast<int>(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void Repaint(HWND wnd) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

// Whether `shown` has `expected`'s pixels wherever `keep` holds and
// `expected` was drawn.
template <class Keep>
bool Matches(const TSkinBitmap& shown, const TSkinBitmap& expected, Keep keep) {
  if (shown.Width() != expected.Width() || shown.Height() != expected.Height()) return false;
  int compared = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x) {
      if (!keep(x, y) || expected.Pixel(x, y) == kUnchecked) continue;
      if (shown.Pixel(x, y) != expected.Pixel(x, y)) return false;
      ++compared;
    }
  return compared > 0;
}

// The border of a button, where its caption never reaches.
auto Border(const TSkinBitmap& image) {
  return [w = image.Width(), h = image.Height()](int x, int y) {
    return y < 4 || y >= h - 4 || x < 3 || x >= w - 3;
  };
}

class ProgramDriven : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeApplication();
    own_ = std::make_unique<TOwnSkin>();
    skin_ = own_->Skin();
  }
  static void TearDownTestSuite() {
    program_.reset();
    own_.reset();
  }

  void SetUp() override {
    ASSERT_NE(skin_, nullptr);
    ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->Bitmap.Empty() && !skin_->Buttons->CheckBitmap.Empty());
    if (!program_ || !program_->Running()) program_ = std::make_unique<TRunningProgram>();
    ASSERT_NE(Main(), nullptr) << "the program's main window did not come up skinned";
    SetForegroundWindow(Main());
    input_ = InputMemo();
    ASSERT_NE(input_, nullptr);
  }

  static HWND Main() { return program_->MainWindow(); }
  static HWND Button(const wchar_t* caption) { return program_->Child(L"TButton", caption); }
  static HWND List() {
    const auto lists = program_->Children(L"TListView");
    return lists.empty() ? nullptr : lists.front();
  }
  // The memo the text is put in: the one straight on the main window.
  static HWND InputMemo() {
    for (const HWND memo : program_->Children(L"TMemo"))
      if (GetParent(memo) == Main()) return memo;
    return nullptr;
  }

  // The visible overlay that sits on the memo's native bar: inside the memo,
  // right of its text, as tall as the text area; null when there is none.
  static HWND OverlayOn(HWND memo) {
    const TRect outer = ScreenRect(memo);
    RECT client{};
    GetClientRect(memo, &client);
    POINT text_right{client.right, 0};
    ClientToScreen(memo, &text_right);
    for (const HWND wnd : program_->Children(L"TWScrollbar")) {
      const TRect r = ScreenRect(wnd);
      if (IsWindowVisible(wnd) && r.Left >= text_right.x && r.Right <= outer.Right && r.Top >= outer.Top &&
          r.Bottom <= outer.Bottom && r.Height() >= client.bottom)
        return wnd;
    }
    return nullptr;
  }

  // Somewhere for the mouse and the focus that is none of the controls under test.
  void Rest() { ClickAt(CentreOf(input_)); }

  static TSkinBitmap ExpectedFace(int width, int height, int frame) {
    TSkinBitmap face(width, height, kUnchecked);
    const auto& e = *skin_->Buttons;
    DrawSkinElement(face, face.BoundsRect(), e.Bitmap, e.Margins(), frame, e.Frame, e.Trans == 1, e.Tile == 1,
                    false);
    return face;
  }
  // Which face of the Buttons element the window shows; 0 for none of them.
  static int ShownFace(HWND wnd) {
    const TSkinBitmap shown = CaptureWindow(wnd);
    for (int frame = 1; frame <= skin_->Buttons->Frame; ++frame)
      if (Matches(shown, ExpectedFace(shown.Width(), shown.Height(), frame), Border(shown))) return frame;
    return 0;
  }
  static bool ShowsFace(HWND wnd, int frame) {
    return Eventually([&] { return ShownFace(wnd) == frame; });
  }
  // Whether the faces tested for differ on a button of that window's size.
  static bool FacesDiffer(HWND wnd) {
    const TRect r = ScreenRect(wnd);
    for (int a : {kNormal, kPressed, kHot, kFocused})
      for (int b : {kNormal, kPressed, kHot, kFocused}) {
        const TSkinBitmap face = ExpectedFace(r.Width(), r.Height(), a);
        if (a != b && Matches(face, ExpectedFace(r.Width(), r.Height(), b), Border(face))) return false;
      }
    return true;
  }

  // Whether the box of a check box shows strip frame `frame`.
  static bool ShowsBox(HWND wnd, int frame) {
    const auto& e = *skin_->Buttons;
    const int count = e.CheckButtonFrame;
    return Eventually([&] {
      const TSkinBitmap shown = CaptureWindow(wnd);
      const TRect box =
          CheckBoxPlace(shown.BoundsRect(), e.CheckBitmap.Width() / count, e.CheckBitmap.Height());
      TSkinBitmap expected(shown.Width(), shown.Height(), kUnchecked);
      DrawElementStretched(expected, box, e.CheckBitmap, frame, count, true);
      return Matches(shown, expected, [](int, int) { return true; });
    });
  }

  static inline std::unique_ptr<TOwnSkin> own_;
  static inline TSkinData* skin_ = nullptr;
  static inline std::unique_ptr<TRunningProgram> program_;
  HWND input_ = nullptr;
};

TEST_F(ProgramDriven, TheSplitButtonShowsEachFaceAndRunsTheSplitOnlyWhenReleasedOverItOrBySpace) {
  const HWND button = Button(L"开始分解文章单词并统计重复次数");
  const HWND clear = Button(L"清空");
  const HWND list = List();
  ASSERT_TRUE(button && clear && list);
  ASSERT_TRUE(FacesDiffer(button));
  const auto outputs_filled = [&] {
    int filled = 0;
    for (const HWND memo : program_->Children(L"TMemo")) filled += memo != input_ && TextLength(memo) > 0;
    return filled == 2;
  };

  Rest();
  SendMessageW(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Apple apple banana"));
  EXPECT_TRUE(ShowsFace(button, kNormal)) << "normal";
  MouseTo(CentreOf(button));
  EXPECT_TRUE(ShowsFace(button, kHot)) << "hot";
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(ShowsFace(button, kPressed)) << "pressed";
  EXPECT_EQ(Rows(list), 0);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(Eventually([&] { return Rows(list) == 2 && outputs_filled(); })) << Rows(list);
  EXPECT_TRUE(ShowsFace(button, kHot)) << "hot after the click";

  ClickAt(CentreOf(clear));
  ASSERT_TRUE(Eventually([&] { return Rows(list) == 0 && TextLength(input_) == 0; }));
  SendMessageW(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Apple apple banana"));

  // Pressed, moved off and released elsewhere: no split.
  MouseTo(CentreOf(button));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(ShowsFace(button, kPressed));
  MouseTo(CentreOf(input_));
  EXPECT_TRUE(ShowsFace(button, kFocused)) << "focused once the mouse left";
  MouseButton(MOUSEEVENTF_LEFTUP);
  // Space on the focused button presses its face, and splits on the release.
  Key(VK_SPACE, false);
  EXPECT_TRUE(ShowsFace(button, kPressed)) << "pressed by space";
  EXPECT_EQ(Rows(list), 0) << "split by a release away from the button";
  Key(VK_SPACE, true);
  EXPECT_TRUE(Eventually([&] { return Rows(list) == 2 && outputs_filled(); }));
  EXPECT_TRUE(ShowsFace(button, kFocused)) << "focused after space";
  Rest();
}

TEST_F(ProgramDriven, AClickedCheckBoxTogglesAndShowsItsCheckedFrame) {
  const HWND check = program_->Child(L"TCheckBox", L"追加文件");
  ASSERT_NE(check, nullptr);
  const int checked = CheckedBoxFrame(skin_->Buttons->CheckButtonFrame);
  ASSERT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(ShowsBox(check, 1));
  ClickAt(CentreOf(check));
  EXPECT_TRUE(Eventually([&] { return SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  EXPECT_TRUE(ShowsBox(check, checked));
  ClickAt(CentreOf(check));
  EXPECT_TRUE(Eventually([&] { return SendMessageW(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
  EXPECT_TRUE(ShowsBox(check, 1));
  Rest();
}

TEST_F(ProgramDriven, ALongInputShowsTheSkinsBarOverTheMemoWhoseArrowAndThumbScrollIt) {
  std::wstring text;
  for (int line = 1; line <= 300; ++line) text += L"line " + std::to_wstring(line) + L"\r\n";
  SendMessageW(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  ASSERT_EQ(FirstLine(input_), 0);

  HWND overlay = nullptr;
  ASSERT_TRUE(Eventually([&] { return (overlay = OverlayOn(input_)) != nullptr; }));
  const TRect bar = ScreenRect(overlay);
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  const int x = (bar.Left + bar.Right) / 2;
  EXPECT_EQ(WindowFromPoint(CentreOf(overlay)), overlay);
  EXPECT_EQ(SendMessageW(overlay, SKM_ISSKINNED, 0, 0), 1);

  ClickAt({x, bar.Bottom - arrow / 2});
  EXPECT_TRUE(Eventually([&] { return FirstLine(input_) == 1; })) << FirstLine(input_);
  // The track below the thumb: a page, as the native bar does.
  ClickAt({x, bar.Bottom - arrow - 3});
  EXPECT_TRUE(Eventually([&] { return FirstLine(input_) > 5; })) << FirstLine(input_);

  // At the top the thumb starts right below the up arrow.
  SendMessageW(input_, EM_LINESCROLL, 0, -1000);
  ASSERT_EQ(FirstLine(input_), 0);
  MouseTo({x, bar.Top + arrow + 3});
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  for (int dy = 10; dy <= 80; dy += 10) MouseTo({x, bar.Top + arrow + 3 + dy});
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(Eventually([&] { return FirstLine(input_) > 20; })) << FirstLine(input_);

  // The window made taller: the memo's bar grows, and the overlay with it.
  const TRect window = ScreenRect(Main());
  SetWindowPos(Main(), nullptr, 0, 0, window.Width(), window.Height() + 120, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(Eventually(
      [&] { return OverlayOn(input_) == overlay && ScreenRect(overlay).Height() >= bar.Height() + 120; }));
  SetWindowPos(Main(), nullptr, 0, 0, window.Width(), window.Height(), SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  Rest();
}

TEST_F(ProgramDriven, EverySkinnedControlSaysSoAndAButtonSwitchedOffShowsItsNativeFace) {
  // Per window class, the controls of the main window whose windows the skin
  // takes over (the panels are only recoloured and keep their own procedure).
  const std::pair<const wchar_t*, size_t> skinned[] = {
      {L"TCheckBox", 5}, {L"TButton", 6}, {L"TEdit", 1}, {L"TMemo", 3}};
  for (const auto& [cls, count] : skinned) {
    const auto windows = program_->Children(cls);
    EXPECT_EQ(windows.size(), count) << cls;
    for (const HWND wnd : windows) EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1) << cls;
  }

  Rest();
  for (const HWND wnd : program_->Children(L"TButton"))
    EXPECT_TRUE(ShowsFace(wnd, kNormal)) << "button " << GetDlgCtrlID(wnd);

  const HWND button = Button(L"清空");
  ASSERT_NE(button, nullptr);
  const TRect r = ScreenRect(button);
  // A native button of the same size, where the program's window is not.
  const HWND host = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, 900, 700,
                                    r.Width() + 20, r.Height() + 20, nullptr, nullptr, nullptr, nullptr);
  const HWND native = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                                      r.Width(), r.Height(), host, nullptr, nullptr, nullptr);
  ShowWindow(host, SW_SHOWNOACTIVATE);
  Repaint(host);
  Application().ProcessMessages();
  const auto native_border = [&] {
    const TSkinBitmap shown = CaptureWindow(button);
    TSkinBitmap expected = CaptureWindow(native);
    return Matches(shown, expected, [&](int x, int y) {
      return y < 2 || y >= shown.Height() - 2 || x < 2 || x >= shown.Width() - 2;
    });
  };

  EXPECT_TRUE(ShowsFace(button, kNormal));
  SendMessageW(button, SKM_SKINENABLE, 0, 0);
  Repaint(button);
  EXPECT_TRUE(Eventually([&] { return ShownFace(button) == 0 && native_border(); }));
  SendMessageW(button, SKM_SKINENABLE, 1, 0);
  EXPECT_TRUE(ShowsFace(button, kNormal));
  DestroyWindow(host);
}

TEST_F(ProgramDriven, TheReportHeaderIsTheSkinsLitUnderTheMouseAndAClickSortsTheReport) {
  const HWND list = List();
  ASSERT_NE(list, nullptr);
  const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(SendMessageW(header, SKM_ISSKINNED, 0, 0), 1);
  SendMessageW(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"cherry apple cherry banana apple cherry"));
  ClickAt(CentreOf(Button(L"开始分解文章单词并统计重复次数")));
  ASSERT_TRUE(Eventually([&] { return Rows(list) == 3; }));

  // The frequency column's item: its top rows carry the face alone.
  int left = 0;
  for (int column = 0; column < 2; ++column)
    left += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
  const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, 2, 0));
  const TRect bar = ScreenRect(header);
  const auto& e = *skin_->Headerbar;
  const auto shows_face = [&](int frame) {
    return Eventually([&] {
      const TSkinBitmap face = BuildElementBitmap({0, 0, width, bar.Height()}, e.Bitmap, e.Margins(), frame,
                                                  e.Frame, e.Tile == 1, false);
      const TSkinBitmap shown = CaptureWindow(header);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < width; ++x)
          if (shown.Pixel(left + x, y) != face.Pixel(x, y)) return false;
      return true;
    });
  };
  const POINT item{bar.Left + left + width / 2, (bar.Top + bar.Bottom) / 2};
  MouseTo(CentreOf(input_));
  EXPECT_TRUE(shows_face(1)) << "normal";
  MouseTo(item);
  EXPECT_TRUE(shows_face(2)) << "hot";

  const auto frequencies = [&] {
    std::wstring column;
    for (int row = 0; row < 3; ++row) column += program_->CellText(list, row, 2);
    return column;
  };
  ClickAt(item);
  EXPECT_TRUE(Eventually([&] { return program_->HeaderText(header, 2) == L"↑出现频率"; }))
      << program_->HeaderText(header, 2).size();
  EXPECT_TRUE(Eventually([&] { return frequencies() == L"123"; }));
  // A second click within the double-click time is a double click, which sorts nothing.
  Sleep(GetDoubleClickTime() + 100);
  ClickAt(item);
  EXPECT_TRUE(Eventually([&] { return program_->HeaderText(header, 2) == L"↓出现频率"; }));
  EXPECT_TRUE(Eventually([&] { return frequencies() == L"321"; }));
  EXPECT_EQ(program_->CellText(list, 0, 1), L"cherry");
  Rest();
}

TEST_F(ProgramDriven, TheSaveDialogsButtonsAreTheSkinsAndCancelClosesIt) {
  const HWND list = List();
  ASSERT_NE(list, nullptr);
  SendMessageW(input_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Apple apple banana"));
  ClickAt(CentreOf(Button(L"开始分解文章单词并统计重复次数")));
  ASSERT_TRUE(Eventually([&] { return Rows(list) == 2; }));

  ClickAt(CentreOf(Button(L"保存结果")));
  HWND dialog = nullptr;
  const auto skinned = [](HWND wnd) { return wnd != nullptr && SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; };
  ASSERT_TRUE(Eventually(
      [&] {
        dialog = program_->TopLevel(L"#32770");
        return skinned(dialog) && skinned(GetDlgItem(dialog, IDOK)) && skinned(GetDlgItem(dialog, IDCANCEL));
      },
      10000));
  const HWND cancel = GetDlgItem(dialog, IDCANCEL);
  EXPECT_TRUE(Eventually([&] { return ShownFace(GetDlgItem(dialog, IDOK)) != 0; }));
  EXPECT_TRUE(Eventually([&] { return ShownFace(cancel) != 0; }));
  SetForegroundWindow(dialog);
  ClickAt(CentreOf(cancel));
  EXPECT_TRUE(Eventually([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
  EXPECT_TRUE(program_->Running());
  SetForegroundWindow(Main());
  Rest();
}

// Last: it ends the program.
TEST_F(ProgramDriven, TheExitQuestionIsSkinnedAndOnlyYesEndsTheProgram) {
  const HWND exit = Button(L"退出程序");
  ASSERT_NE(exit, nullptr);
  // The question once it is up and skinned, frame and buttons: the skin's
  // frame moves the buttons, so they are clicked only after that.
  const auto question = [&] {
    HWND box = nullptr;
    EXPECT_TRUE(Eventually([&] {
      box = program_->TopLevel(L"#32770");
      if (box == nullptr || SendMessageW(box, SKM_ISSKINNED, 0, 0) != 1) return false;
      for (const int id : {IDYES, IDNO}) {
        const HWND button = GetDlgItem(box, id);
        if (button == nullptr || SendMessageW(button, SKM_ISSKINNED, 0, 0) != 1) return false;
      }
      return true;
    }));
    return box;
  };
  ClickAt(CentreOf(exit));
  HWND box = question();
  ASSERT_NE(box, nullptr);
  SetForegroundWindow(box);
  ClickAt(CentreOf(GetDlgItem(box, IDNO)));
  EXPECT_TRUE(Eventually([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
  EXPECT_TRUE(program_->Running());
  EXPECT_TRUE(IsWindowVisible(Main()));

  SetForegroundWindow(Main());
  ClickAt(CentreOf(exit));
  box = question();
  ASSERT_NE(box, nullptr);
  SetForegroundWindow(box);
  ClickAt(CentreOf(GetDlgItem(box, IDYES)));
  EXPECT_EQ(program_->WaitForExit(5000), 0u);
}

}  // namespace

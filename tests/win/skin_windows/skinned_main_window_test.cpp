// The main window as the program shows it, taken over by the skin engine:
// its frame, title and caption buttons read back as pixels, real mouse input
// on the caption buttons, and everything given back when the skin goes off.

#include <gtest/gtest.h>

#include "app/win/main_form.h"
#include "framework/win/application.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/skin_messages.h"
#include "skin_test_input.h"

namespace {

TColor WindowPixel(HWND wnd, int x, int y) {
  HDC dc = GetWindowDC(wnd);
  const TSkinBitmap image = CaptureImage(dc, RECT{x, y, x + 1, y + 1});
  ReleaseDC(wnd, dc);
  return image.Pixel(0, 0);
}

// A visible window of the thread showing "Close" (the caption hint).
BOOL CALLBACK FindCloseHint(HWND w, LPARAM out) {
  wchar_t text[32];
  if (IsWindowVisible(w) && GetWindowTextW(w, text, 32) > 0 && std::wstring(text) == L"Close") {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

class SkinnedMainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallSkinEngine(); }

  void SetUp() override {
    form = new Tfrmmain(&Application());
    skin = ObjectAs<TSkinData>(form->FindComponent("skndt1"));
    ASSERT_NE(skin, nullptr);
    wnd = form->Handle();
  }
  void TearDown() override {
    if (form != nullptr) form->Free();
    Pump(50);
  }

  void ShowSkinned() {
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }));
    Pump(100);
  }

  // The caption button of the skin with that action, and its place on the window.
  const TDataSkinSysButton& Button(int action) const {
    for (const auto& b : skin->SysButtons)
      if (b->Action == action && b->Visibility != 100 && !b->Bitmap.Empty()) return *b;
    throw std::runtime_error("no such button");
  }
  RECT ButtonRect(const TDataSkinSysButton& b) const {
    const RECT w = WindowRectOf(wnd);
    const int fw = b.Bitmap.Width() / b.Frame, left = (w.right - w.left) - b.Xcoord;
    return {left, b.Ycoord, left + fw, b.Ycoord + b.Bitmap.Height()};
  }
  // The pixel of frame `frame` at the button's centre, and where it shows on screen.
  TColor ButtonFramePixel(const TDataSkinSysButton& b, int frame) const {
    const int fw = b.Bitmap.Width() / b.Frame;
    return b.Bitmap.Pixel((frame - 1) * fw + fw / 2, b.Bitmap.Height() / 2);
  }
  POINT ButtonCentreOnScreen(const TDataSkinSysButton& b) const {
    const RECT r = ButtonRect(b), w = WindowRectOf(wnd);
    return {w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
  }
  TColor ButtonCentrePixel(const TDataSkinSysButton& b) const {
    const RECT r = ButtonRect(b);
    return WindowPixel(wnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  Tfrmmain* form = nullptr;
  TSkinData* skin = nullptr;
  HWND wnd = nullptr;
};

TEST_F(SkinnedMainWindow, FrameAndTitleAreTheSkinsBordersAroundAnUnchangedClientArea) {
  RECT client_before{};
  GetClientRect(wnd, &client_before);
  ShowSkinned();
  EXPECT_EQ(SendMessageW(wnd, SKM_PING, 0, kSkinMagic), kSkinMagic);
  EXPECT_EQ(SendMessageW(wnd, SKM_PING, 0, 0), 1);

  const int left = skin->BorderLeft->Bitmap.Width() / skin->BorderLeft->Frame;
  const int right = skin->BorderRight->Bitmap.Width() / skin->BorderRight->Frame;
  const int top = skin->BorderTop->Bitmap.Height() / skin->BorderTop->Frame;
  const int bottom = skin->BorderBottom->Bitmap.Height() / skin->BorderBottom->Frame;
  RECT client{};
  GetClientRect(wnd, &client);
  const RECT outer = WindowRectOf(wnd);
  EXPECT_EQ(client.right, client_before.right);
  EXPECT_EQ(client.bottom, client_before.bottom);
  EXPECT_EQ(outer.right - outer.left, client.right + left + right);
  EXPECT_EQ(outer.bottom - outer.top, client.bottom + top + bottom);

  // Active: frame 1 of the side borders' unscaled title ends; a second
  // window taking the activation shows frame 2.
  const int y = top / 2, x = 1;
  ASSERT_NE(skin->BorderLeft->Bitmap.Pixel(x, y), clFuchsia);
  EXPECT_EQ(WindowPixel(wnd, x, y), skin->BorderLeft->Bitmap.Pixel(x, y));
  const int width = outer.right - outer.left;
  const TRect title{left, 0, width - right, top};
  const TSkinBitmap active_title = BuildElementBitmap(
      Bounds(0, 0, title.Width(), title.Height()), skin->BorderTop->Bitmap, skin->BorderTop->Margins(), 1,
      skin->BorderTop->Frame, skin->BorderTop->Tile != 1, true);
  EXPECT_EQ(WindowPixel(wnd, width / 2, 1), active_title.Pixel(width / 2 - left, 1));

  // The caption text is drawn into the title in the active text colour.
  const TColor text_colour = skin->Colours[scTitleTextActive];
  HDC dc = GetWindowDC(wnd);
  const TSkinBitmap band = CaptureImage(dc, RECT{0, 0, width, top});
  ReleaseDC(wnd, dc);
  int text_pixels = 0;
  for (int py = 0; py < top; ++py)
    for (int px = left; px < width / 2; ++px) text_pixels += band.Pixel(px, py) == text_colour;
  EXPECT_GT(text_pixels, 20);

  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  SetActiveWindow(other);
  Pump(150);
  const int fw = skin->BorderLeft->Bitmap.Width() / 2;
  EXPECT_EQ(WindowPixel(wnd, x, y), skin->BorderLeft->Bitmap.Pixel(fw + x, y));
  DestroyWindow(other);
}

TEST_F(SkinnedMainWindow, SkinOffGivesTheWindowBackExactlyAndOnAgainReskins) {
  ShowSkinned();
  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) != 1; }));
  Pump(100);
  const RECT outer = WindowRectOf(wnd);
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE), ex_style = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  const LONG_PTR proc = GetWindowLongPtrW(wnd, GWLP_WNDPROC);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const int region = GetWindowRgn(wnd, probe);
  const HMENU menu = GetMenu(wnd);

  skin->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }));
  Pump(100);
  EXPECT_NE(GetWindowLongPtrW(wnd, GWLP_WNDPROC), proc);
  skin->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) != 1; }));
  Pump(100);
  const RECT again = WindowRectOf(wnd);
  EXPECT_EQ(again.left, outer.left);
  EXPECT_EQ(again.top, outer.top);
  EXPECT_EQ(again.right, outer.right);
  EXPECT_EQ(again.bottom, outer.bottom);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_EXSTYLE), ex_style);
  EXPECT_EQ(GetWindowLongPtrW(wnd, GWLP_WNDPROC), proc);
  EXPECT_EQ(GetWindowRgn(wnd, probe), region);
  EXPECT_EQ(GetMenu(wnd), menu);
  DeleteObject(probe);
}

TEST_F(SkinnedMainWindow, CaptionButtonsFollowTheMouseAndRunTheirActionOnlyWhenReleasedOverThem) {
  ShowSkinned();
  SetForegroundWindow(wnd);
  Pump(100);
  const TDataSkinSysButton& close = Button(0);
  const TDataSkinSysButton& minimise = Button(2);

  MouseTo(ButtonCentreOnScreen(close));
  EXPECT_EQ(ButtonCentrePixel(close), ButtonFramePixel(close, 3));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(ButtonCentrePixel(close), ButtonFramePixel(close, 2));
  // Moving off and releasing elsewhere runs nothing.
  const RECT w = WindowRectOf(wnd);
  MouseTo({(w.left + w.right) / 2, w.top + 4});
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_EQ(ButtonCentrePixel(close), ButtonFramePixel(close, 1));

  MouseTo(ButtonCentreOnScreen(minimise));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(wnd) != FALSE; }));
  ShowWindow(wnd, SW_RESTORE);
  SetForegroundWindow(wnd);
  Pump(200);

  MouseTo(ButtonCentreOnScreen(close));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(wnd); }));
}

TEST_F(SkinnedMainWindow, TheMaximiseButtonOfAWindowWithoutOneIsDisabledAndTheCloseHintShows) {
  ShowSkinned();
  SetForegroundWindow(wnd);
  const TDataSkinSysButton& maximise = Button(1);
  // Shown while not maximised, in its disabled frame: the window has no maximise box.
  EXPECT_EQ(ButtonCentrePixel(maximise), ButtonFramePixel(maximise, maximise.Frame > 3 ? 4 : 1));

  const TDataSkinSysButton& close = Button(0);
  MouseTo(ButtonCentreOnScreen(close));
  EXPECT_TRUE(PumpUntil([&] { return skin->HintShowing(); }));
  HWND hint = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindCloseHint, reinterpret_cast<LPARAM>(&hint));
  EXPECT_NE(hint, nullptr);
  MouseTo({0, 0});
}

}  // namespace

namespace {

// The visible dialog ("#32770") of this thread, if any.
BOOL CALLBACK FindDialog(HWND w, LPARAM out) {
  wchar_t name[16];
  if (IsWindowVisible(w) && GetClassNameW(w, name, 16) > 0 && std::wstring(name) == L"#32770") {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

HWND VisibleDialog() {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  return dialog;
}

// What a skinned dialog looked like while it was open.
struct TDialogSeen {
  bool skinned = false;
  int outer_width = 0;
  int client_width = 0;
  TColor corner = 0;
};

TDialogSeen LookAtDialog() {
  TDialogSeen seen;
  HWND dialog = VisibleDialog();
  if (dialog == nullptr) return seen;
  seen.skinned = SendMessageW(dialog, SKM_ISSKINNED, 0, 0) == 1;
  RECT outer{}, client{};
  GetWindowRect(dialog, &outer);
  GetClientRect(dialog, &client);
  seen.outer_width = outer.right - outer.left;
  seen.client_width = client.right;
  seen.corner = WindowPixel(dialog, 1, 10);
  return seen;
}

TEST_F(SkinnedMainWindow, TheExitQuestionAndTheSaveDialogAreSkinnedAndAnswerKeyboardAndMouse) {
  ShowSkinned();
  SetForegroundWindow(wnd);
  const TColor left_border = skin->BorderLeft->Bitmap.Pixel(1, 10);
  const int borders = skin->BorderLeft->Bitmap.Width() / skin->BorderLeft->Frame +
                      skin->BorderRight->Bitmap.Width() / skin->BorderRight->Frame;

  // "No" by its key leaves the program running.
  TDialogSeen question;
  AfterDelay(700, [&] {
    question = LookAtDialog();
    PostDelayedKeys({'N'}, 50);
  });
  form->btn5->Click();
  EXPECT_TRUE(question.skinned);
  EXPECT_EQ(question.outer_width, question.client_width + borders);
  EXPECT_EQ(question.corner, left_border);
  EXPECT_TRUE(IsWindowVisible(wnd));

  // And the mouse: a click on "No".
  AfterDelay(700, [&] {
    HWND no = GetDlgItem(VisibleDialog(), IDNO);
    RECT r{};
    GetWindowRect(no, &r);
    QueueClick({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  });
  form->btn5->Click();
  EXPECT_TRUE(IsWindowVisible(wnd));

  // Escape cancels the save dialog.
  TDialogSeen save;
  AfterDelay(1200, [&] {
    save = LookAtDialog();
    PostDelayedKeys({VK_ESCAPE}, 50);
  });
  EXPECT_FALSE(form->dlgSave1->Execute());
  EXPECT_TRUE(save.skinned);
  EXPECT_EQ(save.outer_width, save.client_width + borders);
}

}  // namespace

namespace {

// The position of a command in the window's own system menu; the skinned copy
// keeps the order.
int SystemMenuPosition(HWND wnd, UINT command) {
  const HMENU menu = GetSystemMenu(wnd, FALSE);
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == command) return i;
  return -1;
}

TEST_F(SkinnedMainWindow, ARightClickOnTheTitleOpensTheSkinnedSystemMenuWhoseMinimiseMinimises) {
  ShowSkinned();
  SetForegroundWindow(wnd);
  Pump(100);
  const int minimise = SystemMenuPosition(wnd, SC_MINIMIZE);
  ASSERT_GE(minimise, 0);
  bool skinned = false;
  int glyph_pixels = 0;
  AfterDelay(500, [&] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    skinned = popup != nullptr && SendMessageW(popup, SKM_ISSKINNED, 0, 0) == 1;
    RECT item{};
    GetMenuItemRect(nullptr, OpenDropDown(), static_cast<UINT>(minimise), &item);
    RECT window{};
    GetWindowRect(popup, &window);
    HDC dc = GetWindowDC(popup);
    const TSkinBitmap row = CaptureImage(dc, RECT{item.left - window.left, item.top - window.top,
                                                  item.left - window.left + 28, item.bottom - window.top});
    ReleaseDC(popup, dc);
    // The minimise glyph: a black bar in the glyph square.
    for (int y = 0; y < row.Height(); ++y)
      for (int x = 0; x < row.Width(); ++x) glyph_pixels += row.Pixel(x, y) == clBlack;
    QueueClick({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  });
  const RECT w = WindowRectOf(wnd);
  MouseTo({(w.left + w.right) / 2, w.top + 6});
  MouseButton(MOUSEEVENTF_RIGHTDOWN);
  MouseButton(MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(wnd) != FALSE; }));
  EXPECT_TRUE(skinned);
  EXPECT_GE(glyph_pixels, 8);
  ShowWindow(wnd, SW_RESTORE);
}

}  // namespace

namespace {

TEST_F(SkinnedMainWindow, ANewSkinReplacingTheRecordsIsAppliedWithoutLosingTheFrameOrTheButtons) {
  ShowSkinned();
  SetForegroundWindow(wnd);
  const RECT before = WindowRectOf(wnd);
  // The same archive loaded again replaces every element record the frame
  // and its caption buttons were drawn from; the skin is then applied.
  ASSERT_TRUE(skin->LoadSkin());
  skin->ApplySkin();
  Pump(600);
  EXPECT_EQ(SendMessageW(wnd, SKM_ISSKINNED, 0, 0), 1);
  const RECT after = WindowRectOf(wnd);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  const TDataSkinSysButton& close = Button(0);
  MouseTo(ButtonCentreOnScreen(close));
  EXPECT_EQ(ButtonCentrePixel(close), ButtonFramePixel(close, 3));
  MouseTo({0, 0});
}

}  // namespace

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT msg, WPARAM, LPARAM) {
  return msg == WM_INITDIALOG ? TRUE : FALSE;
}

// A dialog template in memory: a small dialog with a long caption and one button.
std::vector<WORD> NarrowDialogTemplate(const std::wstring& caption) {
  std::vector<WORD> t;
  const auto dword = [&t](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  const auto text = [&t](const std::wstring& s) {
    t.insert(t.end(), s.begin(), s.end());
    t.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);  // style
  dword(0);                                                                // extended style
  t.push_back(1);                                                          // one control
  t.push_back(10);                                                         // x, y, cx, cy
  t.push_back(10);
  t.push_back(60);
  t.push_back(40);
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  text(caption);
  if (t.size() % 2 != 0) t.push_back(0);  // the item starts on a DWORD boundary
  dword(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  dword(0);
  t.push_back(5);
  t.push_back(10);
  t.push_back(40);
  t.push_back(14);
  t.push_back(IDOK);
  t.push_back(0xFFFF);  // a predefined class: button
  t.push_back(0x0080);
  text(L"OK");
  t.push_back(0);  // no creation data
  return t;
}

TEST_F(SkinnedMainWindow, ADialogNarrowerThanItsCaptionIsWidenedAndItsControlsMoveToTheMiddle) {
  ShowSkinned();
  const std::wstring caption = L"A caption much wider than this small dialog box";
  std::vector<WORD> dialog_template = NarrowDialogTemplate(caption);
  HWND dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(dialog_template.data()),
                                           wnd, PlainDialog, 0);
  ASSERT_NE(dialog, nullptr);
  HWND button = GetDlgItem(dialog, IDOK);
  RECT client_before{}, button_before{};
  GetClientRect(dialog, &client_before);
  GetWindowRect(button, &button_before);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button_before), 2);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(dialog, SKM_ISSKINNED, 0, 0) == 1; }));
  Pump(200);
  RECT client{}, button_after{};
  GetClientRect(dialog, &client);
  GetWindowRect(button, &button_after);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button_after), 2);
  const int widened = client.right - client_before.right;
  EXPECT_GT(widened, 0);
  EXPECT_EQ(button_after.left - button_before.left, widened / 2);
  EXPECT_EQ(button_after.right - button_after.left, button_before.right - button_before.left);
  // Wide enough for the caption between the title's text margins.
  SIZE extent{};
  HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, WinPart(*skin)->CaptionFont());
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  const RECT outer = WindowRectOf(dialog);
  EXPECT_GE(outer.right - outer.left, skin->Title->LeftWidth + extent.cx + skin->Title->RightWidth);
  DestroyWindow(dialog);
}

}  // namespace

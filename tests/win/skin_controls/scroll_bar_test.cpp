// Skinned scroll bars on real windows: the overlay lies exactly over a memo's
// native bar, shows the skin's thumb where the native thumb is, scrolls the
// memo under real clicks and drags exactly as the native bar does, follows
// the memo as it resizes and hides, and leaves nothing behind on Detach. A
// combo box's drop-down list shows the skin's bar in place and scrolls under
// a thumb drag.

#include "skin/controls/win/combox_scroll_bar.h"
#include "skin/controls/win/skin_scrollbar.h"
#include "skin/controls/win/skin_scrollbar_h.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/combo_box.h"
#include "framework/win/form.h"
#include "framework/win/memo.h"
#include "skin/controls/scroll_bar_geometry.h"
#include "skin/data/image/colour.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"

namespace {

class ScrollBarTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    ASSERT_TRUE(skin_->Scrollbar && !skin_->Scrollbar->Bitmap.Empty());
    ASSERT_TRUE(skin_->VertScrollThumb && !skin_->VertScrollThumb->Bitmap.Empty());
    form_ = new TForm(&Application());
    form_->SetBounds(30, 30, 420, 300);
    skinned_ = MakeMemo(10);
    native_ = MakeMemo(210);
    form_->HandleNeeded();
    ShowWindow(form_->Handle(), SW_SHOWNOACTIVATE);
    SetCursorPos(0, 0);
    Settle();
    skin_object_ = new TSkinScrollbar(skinned_);
    skin_object_->AttachScrolling(*skinned_, *skin_, nullptr);
    Settle();
    ASSERT_TRUE(IsWindowVisible(skin_object_->VerticalBar()->Handle()));
  }
  void TearDown() override {
    form_->Free();
    main_->Free();
  }

  TMemo* MakeMemo(int left) {
    auto* memo = new TMemo(form_);
    memo->SetParent(form_);
    memo->SetBounds(left, 10, 180, 200);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    std::string text;
    for (int i = 0; i < 200; ++i) text += "line " + std::to_string(i) + "\r\n";
    memo->Lines()->SetText(text);
    return memo;
  }

  static void Settle() {
    for (int i = 0; i < 4; ++i) {
      Application().ProcessMessages();
      Sleep(20);
    }
  }
  static SCROLLBARINFO NativeBar(HWND wnd) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetScrollBarInfo(wnd, OBJID_VSCROLL, &info));
    return info;
  }
  static RECT ScreenRect(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    return r;
  }
  static int FirstLine(TMemo* memo) {
    return static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  }
  static void ToTop(TMemo* memo) {
    SendMessageW(memo->Handle(), WM_VSCROLL, SB_TOP, 0);
    Settle();
  }

  static INPUT MouseInput(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
      input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
      input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    return input;
  }
  static void MoveTo(POINT at) {
    SetCursorPos(at.x, at.y);
    INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at);
    SendInput(1, &move, sizeof(INPUT));
    Settle();
  }
  // Press at `from`, move by `dy`, release: queued at once, so that whatever
  // loop runs the press sees the rest.
  static void Press(POINT from, int dy) {
    MoveTo(from);
    INPUT input[3] = {MouseInput(MOUSEEVENTF_LEFTDOWN),
                      MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, {from.x, from.y + dy}),
                      MouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(3, input, sizeof(INPUT));
    Settle();
    MoveTo({0, 0});
  }

  // The same press on the skinned and on the native memo, each from the top,
  // at the point that `where` picks on that memo's native bar.
  template <class Where>
  void ExpectSameScroll(Where where, int dy, int expected_min) {
    ToTop(skinned_);
    ToTop(native_);
    Press(where(NativeBar(native_->Handle())), dy);
    const POINT at = where(NativeBar(skinned_->Handle()));
    EXPECT_EQ(WindowFromPoint(at), skin_object_->VerticalBar()->Handle());
    Press(at, dy);
    EXPECT_GE(FirstLine(native_), expected_min);
    EXPECT_EQ(FirstLine(skinned_), FirstLine(native_));
  }

  // The screen over the bar shows the skin's thumb (frame 1) exactly where the
  // system puts the native thumb, and the track just before it.
  void ExpectSkinThumb(const SCROLLBARINFO& bar) const {
    const int width = bar.rcScrollBar.right - bar.rcScrollBar.left;
    const HDC screen = GetDC(nullptr);
    const TSkinBitmap shown = CaptureImage(screen, bar.rcScrollBar);
    ReleaseDC(nullptr, screen);
    const auto& thumb = *skin_->VertScrollThumb;
    const int thickness =
        ScrollBarThickness(skin_->Scrollbar->Bitmap.Height(), GetSystemMetrics(SM_CXHSCROLL));
    const int length = bar.xyThumbBottom - bar.xyThumbTop;
    const TSkinBitmap expected = BuildElementBitmap({0, 0, thickness, length}, thumb.Bitmap, thumb.Margins(),
                                                    1, thumb.Frame, false, false);
    // The grip sits on the thumb's middle; the thumb's ends show the element.
    const int grip = skin_->Scrollbar->Bitmap.Height();
    const int grip_start = grip < length + 2 ? (length - grip) / 2 : length;
    ASSERT_GT(grip_start, 2);
    int compared = 0, differing = 0;
    for (int y = 0; y < length; ++y) {
      if (y >= grip_start && y < grip_start + grip) continue;
      for (int x = 0; x < std::min(thickness, width); ++x) {
        if (thumb.Trans == 1 && expected.Pixel(x, y) == clFuchsia) continue;
        ++compared;
        if (shown.Pixel(x, bar.xyThumbTop + y) != expected.Pixel(x, y)) ++differing;
      }
    }
    EXPECT_GT(compared, 0);
    EXPECT_EQ(differing, 0);
    EXPECT_NE(shown.Pixel(width / 2, bar.xyThumbTop - 1), expected.Pixel(width / 2, 0));
  }

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;
  TMemo* skinned_ = nullptr;
  TMemo* native_ = nullptr;
  TSkinScrollbar* skin_object_ = nullptr;
};

TEST_F(ScrollBarTest, TheOverlayCoversTheNativeBarWithTheSkinsThumbWhereTheNativeThumbIs) {
  const HWND memo = skinned_->Handle();
  const HWND overlay = skin_object_->VerticalBar()->Handle();
  ASSERT_NE(overlay, nullptr);
  EXPECT_TRUE(IsWindowVisible(overlay));
  EXPECT_FALSE(IsWindowVisible(skin_object_->HorizontalBar()->Handle()));
  EXPECT_EQ(GetWindow(memo, GW_HWNDPREV), overlay);

  // Scrolled part way, so that the thumb is away from both ends.
  SendMessageW(memo, EM_LINESCROLL, 0, 60);
  Settle();
  const SCROLLBARINFO bar = NativeBar(memo);
  const RECT at = ScreenRect(overlay);
  EXPECT_TRUE(EqualRect(&at, &bar.rcScrollBar));

  ExpectSkinThumb(bar);
}

TEST_F(ScrollBarTest, ClicksAndADragOnTheOverlayScrollAsTheNativeBarDoes) {
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  auto centre_x = [](const SCROLLBARINFO& b) { return (b.rcScrollBar.left + b.rcScrollBar.right) / 2; };
  // The down arrow: one line.
  ExpectSameScroll(
      [&](const SCROLLBARINFO& b) {
        return POINT{centre_x(b), b.rcScrollBar.bottom - arrow / 2};
      },
      0, 1);
  EXPECT_EQ(FirstLine(skinned_), 1);
  // The track below the thumb: one page.
  ExpectSameScroll(
      [&](const SCROLLBARINFO& b) {
        const int below = b.rcScrollBar.top + b.xyThumbBottom;
        return POINT{centre_x(b), (below + b.rcScrollBar.bottom - arrow) / 2};
      },
      0, 5);
  // The thumb dragged 40 pixels down.
  ExpectSameScroll(
      [&](const SCROLLBARINFO& b) {
        return POINT{centre_x(b), b.rcScrollBar.top + (b.xyThumbTop + b.xyThumbBottom) / 2};
      },
      40, 10);
  // The press is over: nothing stays lit or held.
  EXPECT_FALSE(skin_object_->VerticalBar()->Pressed());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarTest, TheOverlayFollowsTheMemoAndGoesOnDetach) {
  const HWND memo = skinned_->Handle();
  const HWND overlay = skin_object_->VerticalBar()->Handle();

  skinned_->SetBounds(20, 30, 150, 160);
  Settle();
  SCROLLBARINFO bar = NativeBar(memo);
  RECT at = ScreenRect(overlay);
  EXPECT_TRUE(EqualRect(&at, &bar.rcScrollBar));
  EXPECT_EQ(GetWindow(memo, GW_HWNDPREV), overlay);

  skinned_->SetVisible(false);
  Settle();
  EXPECT_FALSE(IsWindowVisible(overlay));
  skinned_->SetVisible(true);
  Settle();
  EXPECT_TRUE(IsWindowVisible(overlay));
  bar = NativeBar(memo);
  at = ScreenRect(overlay);
  EXPECT_TRUE(EqualRect(&at, &bar.rcScrollBar));

  skin_object_->Detach();
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_EQ(FindWindowExW(form_->Handle(), nullptr, L"TWScrollbar", nullptr), nullptr);
  // The memo scrolls natively again.
  ToTop(skinned_);
  bar = NativeBar(memo);
  Press({(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.bottom - 3}, 0);
  EXPECT_EQ(FirstLine(skinned_), 1);
}

TEST_F(ScrollBarTest, ADropDownListShowsTheSkinsBarInPlaceAndScrollsUnderAThumbDrag) {
  auto* combo = new TComboBox(form_);
  combo->SetParent(form_);
  // The window's height sets how far the list drops.
  combo->SetBounds(10, 220, 150, 160);
  for (int i = 0; i < 60; ++i) combo->Items()->Add("item " + std::to_string(i));
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  const HWND list = info.hwndList;
  TComboxScrollBar skin(nullptr);
  skin.AttachWindow(list, *skin_, nullptr);
  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  Settle();
  ASSERT_TRUE(IsWindowVisible(list));
  // Away from the top, so that the track shows before the thumb.
  SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
  Settle();
  const SCROLLBARINFO bar = NativeBar(list);
  ExpectSkinThumb(bar);

  const auto top = [list] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0); };
  const LRESULT before = top();
  Press({(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
         bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2},
        30);
  EXPECT_GT(top(), before);
  const SCROLLBARINFO moved = NativeBar(list);
  EXPECT_GT(moved.xyThumbTop, bar.xyThumbTop);
  ExpectSkinThumb(moved);

  SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  skin.Detach();
  Settle();
}

TEST_F(ScrollBarTest, ABareWindowGetsOverlaysThatFollowItAndGoOnDetach) {
  const HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 10, 215, 160,
                                    70, form_->Handle(), nullptr, nullptr, nullptr);
  for (int i = 0; i < 40; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"entry"));
  SendMessageW(list, LB_SETTOPINDEX, 10, 0);
  TSkinScrollbarH skin(nullptr);
  skin.AttachWindow(list, *skin_, nullptr);
  Settle();
  const HWND overlay = skin.VerticalBar()->Handle();
  const SCROLLBARINFO bar = NativeBar(list);
  const RECT at = ScreenRect(overlay);
  EXPECT_TRUE(EqualRect(&at, &bar.rcScrollBar));
  EXPECT_FALSE(IsWindowVisible(skin.HorizontalBar()->Handle()));
  ExpectSkinThumb(bar);

  ShowWindow(list, SW_HIDE);
  Settle();
  EXPECT_FALSE(IsWindowVisible(overlay));
  ShowWindow(list, SW_SHOW);
  Settle();
  EXPECT_TRUE(IsWindowVisible(overlay));

  skin.Detach();
  EXPECT_FALSE(IsWindow(overlay));
  DestroyWindow(list);
}

}  // namespace

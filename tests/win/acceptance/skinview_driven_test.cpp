// skinview as a skin author runs it, driven from outside with the real mouse:
// under the skin every control of the gallery still does what a user asks of
// it, and the menu bar the skin draws drops down and runs the chosen item.

#include <gtest/gtest.h>

#include "framework/win/win_api.h"

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "running_program.h"
#include "skin_windows/skin_test_input.h"

#include "app/win/startup.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/skin_messages.h"

namespace {

void Key(WORD key) {
  INPUT input[2]{};
  for (INPUT& i : input) {
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
  }
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

// Slowly enough that every step reaches the control as a move of its own.
void DragTo(POINT from, POINT to) {
  MouseTo(from);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 10; ++step) {
    MouseTo({from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
    Sleep(20);
  }
  MouseButton(MOUSEEVENTF_LEFTUP);
}

POINT ToScreen(HWND wnd, POINT at) {
  ClientToScreen(wnd, &at);
  return at;
}

POINT CentreOfClientRect(HWND wnd, const RECT& r) {
  return ToScreen(wnd, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

LRESULT Ask(HWND wnd, UINT message, WPARAM wparam = 0) {
  return SendMessageW(wnd, message, wparam, 0);
}

bool Checked(HWND button) {
  return Ask(button, BM_GETCHECK) == BST_CHECKED;
}

// Asked of the window itself: GetWindowText reads only the title that
// another process's window was created with.
std::wstring TextOf(HWND wnd) {
  wchar_t text[64] = {};
  SendMessageW(wnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  return text;
}

// The screen's pixels of a rectangle given in a window's client coordinates.
TSkinBitmap CaptureClientRect(HWND wnd, const RECT& r) {
  const POINT origin = ToScreen(wnd, {0, 0});
  const HDC screen = GetDC(nullptr);
  TSkinBitmap image =
      CaptureImage(screen, {origin.x + r.left, origin.y + r.top, origin.x + r.right, origin.y + r.bottom});
  ReleaseDC(nullptr, screen);
  return image;
}

bool SamePixels(const TSkinBitmap& a, const TSkinBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

// The width of a menu-bar caption as the bar measures it: the menu font, on one line.
int MenuTextWidth(const wchar_t* caption) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, caption, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return r.right - r.left;
}

// The skins beside the program, each driven the same way: they draw the
// controls from different images, frame counts and margins.
class SkinviewDriven : public ::testing::TestWithParam<const wchar_t*> {
 protected:
  static void SetUpTestSuite() { InitializeApplication(); }
  static void TearDownTestSuite() { program_.reset(); }

  void SetUp() override {
    if (!program_ || !program_->Running() || skin_ != GetParam()) {
      program_.reset();
      skin_ = GetParam();
      program_ =
          std::make_unique<TRunningProgram>(L"skinview.exe", L"TForm", L"\"" + SkinPath(skin_) + L"\"");
      // A window that says it is skinned is not yet painted: its controls take
      // their skins a moment later.
      TSkinBitmap shown;
      Eventually([&] {
        const TSkinBitmap before = std::move(shown);
        Sleep(250);
        shown = CaptureWindow(Main());
        return SamePixels(before, shown);
      });
    }
    ASSERT_NE(Main(), nullptr) << "skinview's window did not come up skinned";
    SetForegroundWindow(Main());
  }

  static std::wstring SkinPath(const wchar_t* archive) {
    wchar_t path[MAX_PATH];
    const std::wstring here(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return here.substr(0, here.find_last_of(L"\\/") + 1) + L"skins\\" + archive;
  }

  static HWND Main() { return program_->MainWindow(); }
  static HWND Only(const wchar_t* cls) {
    const auto found = program_->Children(cls);
    return found.size() == 1 ? found.front() : nullptr;
  }
  // Found once the skin has taken it over: clicks then go through the skin.
  static HWND Skinned(HWND wnd) {
    return wnd != nullptr && Eventually([&] { return Ask(wnd, SKM_ISSKINNED) == 1; }) ? wnd : nullptr;
  }
  // The panel the gallery's controls sit on: the only one on the window itself.
  static HWND Gallery() {
    for (const HWND panel : program_->Children(L"TPanel"))
      if (GetParent(panel) == Main()) return panel;
    return nullptr;
  }
  // An empty spot of the gallery, for the mouse to rest on between checks.
  static void Rest() { MouseTo(ToScreen(Gallery(), {720, 300})); }

  static inline std::unique_ptr<TRunningProgram> program_;
  static inline const wchar_t* skin_ = nullptr;
};

TEST_P(SkinviewDriven, AClickOnASkinnedRadioBoxChecksItAndUnchecksTheOthersOfItsGroup) {
  const HWND one = Skinned(program_->Child(L"TRadioButton", L"Radio 1"));
  const HWND two = Skinned(program_->Child(L"TRadioButton", L"Radio 2"));
  ASSERT_TRUE(one && two);
  ASSERT_TRUE(Checked(one) && !Checked(two));
  // The box, left of where either caption starts.
  RECT box{};
  GetClientRect(one, &box);
  box.right = 10;
  Rest();
  TSkinBitmap checked, unchecked;
  ASSERT_TRUE(Eventually([&] {
    checked = CaptureClientRect(one, box);
    unchecked = CaptureClientRect(two, box);
    return !SamePixels(checked, unchecked);
  })) << "the boxes are not drawn";

  const auto box_centre = [&](HWND wnd) { return CentreOfClientRect(wnd, box); };
  ClickAt(box_centre(two));
  EXPECT_TRUE(Eventually([&] { return Checked(two) && !Checked(one); }));
  Rest();
  EXPECT_TRUE(Eventually([&] {
    return SamePixels(CaptureClientRect(two, box), checked) &&
           SamePixels(CaptureClientRect(one, box), unchecked);
  })) << "the boxes do not show the new states";
  ClickAt(box_centre(one));
  EXPECT_TRUE(Eventually([&] { return Checked(one) && !Checked(two); }));

  // The buttons of a radio group are skinned radio buttons too.
  const HWND first = Skinned(program_->Child(L"TRadioButton", L"First"));
  const HWND third = Skinned(program_->Child(L"TRadioButton", L"Third"));
  ASSERT_TRUE(first && third);
  ASSERT_TRUE(Checked(first));
  ClickAt(box_centre(third));
  EXPECT_TRUE(Eventually([&] { return Checked(third) && !Checked(first); }));
  ClickAt(box_centre(first));
  EXPECT_TRUE(Eventually([&] { return Checked(first) && !Checked(third); }));
  Rest();
}

TEST_P(SkinviewDriven, AClickOnATabShowsItsPage) {
  const HWND pages = Skinned(Only(L"TPageControl"));
  ASSERT_NE(pages, nullptr);
  const HWND sheets[] = {program_->Child(L"TTabSheet", L"First page"),
                         program_->Child(L"TTabSheet", L"Second page")};
  ASSERT_TRUE(sheets[0] && sheets[1]);
  const auto shown = [&](int page) {
    return Ask(pages, TCM_GETCURSEL) == page && IsWindowVisible(sheets[page]) &&
           !IsWindowVisible(sheets[1 - page]);
  };
  ASSERT_TRUE(shown(0));
  const RECT second = program_->AskForRect(pages, TCM_GETITEMRECT, 1);
  Rest();
  const TSkinBitmap unchosen = CaptureClientRect(pages, second);
  ClickAt(CentreOfClientRect(pages, second));
  EXPECT_TRUE(Eventually([&] { return shown(1); }));
  Rest();
  EXPECT_TRUE(Eventually([&] { return !SamePixels(CaptureClientRect(pages, second), unchosen); }))
      << "the chosen tab is not drawn as chosen";
  ClickAt(CentreOfClientRect(pages, program_->AskForRect(pages, TCM_GETITEMRECT, 0)));
  EXPECT_TRUE(Eventually([&] { return shown(0); }));
  Rest();
  EXPECT_TRUE(Eventually([&] { return SamePixels(CaptureClientRect(pages, second), unchosen); }));

  const HWND tabs = Skinned(Only(L"TTabControl"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(Ask(tabs, TCM_GETCURSEL), 0);
  ClickAt(CentreOfClientRect(tabs, program_->AskForRect(tabs, TCM_GETITEMRECT, 2)));
  EXPECT_TRUE(Eventually([&] { return Ask(tabs, TCM_GETCURSEL) == 2; }));
  ClickAt(CentreOfClientRect(tabs, program_->AskForRect(tabs, TCM_GETITEMRECT, 0)));
  EXPECT_TRUE(Eventually([&] { return Ask(tabs, TCM_GETCURSEL) == 0; }));
  Rest();
}

TEST_P(SkinviewDriven, TheTrackBarsThumbFollowsADragAndIsDrawnWhereItWent) {
  HWND across = nullptr, down = nullptr;
  for (const HWND bar : program_->Children(L"TTrackBar"))
    (GetWindowLongW(bar, GWL_STYLE) & TBS_VERT ? down : across) = Skinned(bar);
  ASSERT_TRUE(across && down);
  const auto position = [](HWND bar) { return static_cast<int>(Ask(bar, TBM_GETPOS)); };
  const auto thumb = [&](HWND bar) { return program_->AskForRect(bar, TBM_GETTHUMBRECT, 0); };
  ASSERT_EQ(position(across), 3);
  const RECT channel = program_->AskForRect(across, TBM_GETCHANNELRECT, 0);
  const RECT start = thumb(across);
  Rest();
  const TSkinBitmap drawn = CaptureClientRect(across, start);

  POINT from = CentreOfClientRect(across, start);
  DragTo(from, ToScreen(across, {channel.right + 20, from.y - ToScreen(across, {0, 0}).y}));
  EXPECT_TRUE(Eventually([&] { return position(across) == 10; })) << position(across);
  const RECT end = thumb(across);
  EXPECT_GT(end.left, start.left);
  Rest();
  EXPECT_TRUE(Eventually([&] { return SamePixels(CaptureClientRect(across, end), drawn); }))
      << "the thumb is not drawn at its new place";
  EXPECT_FALSE(SamePixels(CaptureClientRect(across, start), drawn))
      << "the thumb is still drawn at its old place";

  from = CentreOfClientRect(across, end);
  DragTo(from, ToScreen(across, {channel.left - 20, from.y - ToScreen(across, {0, 0}).y}));
  EXPECT_TRUE(Eventually([&] { return position(across) == 0; })) << position(across);

  ASSERT_EQ(position(down), 0);
  from = CentreOfClientRect(down, thumb(down));
  DragTo(from, {from.x, from.y + 60});
  EXPECT_TRUE(Eventually([&] { return position(down) > 2; })) << position(down);
  Rest();
}

TEST_P(SkinviewDriven, TheUpDownsArrowsStepItsBuddysNumber) {
  const HWND spin = Skinned(Only(L"TUpDown"));
  ASSERT_NE(spin, nullptr);
  const auto buddy = reinterpret_cast<HWND>(Ask(spin, UDM_GETBUDDY));
  ASSERT_NE(buddy, nullptr);
  ASSERT_EQ(TextOf(buddy), L"5");
  RECT r{};
  GetClientRect(spin, &r);
  const POINT up = ToScreen(spin, {r.right / 2, r.bottom / 4});
  const POINT down = ToScreen(spin, {r.right / 2, r.bottom * 3 / 4});
  ClickAt(up);
  EXPECT_TRUE(Eventually([&] { return TextOf(buddy) == L"6"; })) << TextOf(buddy).size();
  Sleep(GetDoubleClickTime() + 50);
  ClickAt(up);
  EXPECT_TRUE(Eventually([&] { return TextOf(buddy) == L"7"; }));
  ClickAt(down);
  EXPECT_TRUE(Eventually([&] { return TextOf(buddy) == L"6"; }));
  Sleep(GetDoubleClickTime() + 50);
  ClickAt(down);
  EXPECT_TRUE(Eventually([&] { return TextOf(buddy) == L"5"; }));
  EXPECT_EQ(Ask(spin, UDM_GETPOS32), 5);
  Rest();
}

TEST_P(SkinviewDriven, AClickedSpeedButtonOfAGroupStaysDownAndReleasesTheOther) {
  const HWND gallery = Gallery();
  ASSERT_NE(gallery, nullptr);
  // The gallery's two speed buttons of group 1 (windowless: known by place),
  // A down; their borders, which no caption reaches, show the skin's faces.
  const RECT a{110, 45, 152, 70}, b{158, 45, 200, 70};
  const auto border = [&](const RECT& r) {
    const TSkinBitmap face = CaptureClientRect(gallery, r);
    TSkinBitmap edge(face.Width(), face.Height(), 0);
    for (int y = 0; y < face.Height(); ++y)
      for (int x = 0; x < face.Width(); ++x)
        if (y < 4 || y >= face.Height() - 4 || x < 3 || x >= face.Width() - 3)
          edge.SetPixel(x, y, face.Pixel(x, y));
    return edge;
  };
  Rest();
  ASSERT_TRUE(Eventually([&] { return !SamePixels(border(a), border(b)); }));
  const TSkinBitmap down = border(a), up = border(b);

  ClickAt(CentreOfClientRect(gallery, b));
  Rest();
  EXPECT_TRUE(Eventually([&] { return SamePixels(border(b), down); })) << "B did not stay down";
  EXPECT_TRUE(Eventually([&] { return SamePixels(border(a), up); })) << "A was not released";
  // Clicked again, the button down stays down: its group keeps one down.
  ClickAt(CentreOfClientRect(gallery, b));
  Rest();
  Sleep(200);
  EXPECT_TRUE(SamePixels(border(b), down));

  ClickAt(CentreOfClientRect(gallery, a));
  Rest();
  EXPECT_TRUE(Eventually([&] { return SamePixels(border(a), down) && SamePixels(border(b), up); }));
}

TEST_P(SkinviewDriven, TheSkinsMenuBarDropsDownAndAnItemChosenWithTheMouseRunsItsAction) {
  const HWND radio = Skinned(program_->Child(L"TRadioButton", L"Radio 1"));
  ASSERT_NE(radio, nullptr);
  ASSERT_TRUE(IsWindowEnabled(radio));
  // The bar lies right above the client area; its first button ("Skin")
  // starts a few pixels in from the frame.
  const POINT client = ToScreen(Main(), {0, 0});
  const int bar_y = client.y - GetSystemMetrics(SM_CYMENU) / 2;
  const int skin_width = MenuTextWidth(L"&Skin") + 10;
  const auto drop_down = [] { return program_->TopLevel(L"#32768"); };
  ASSERT_EQ(drop_down(), nullptr);

  // A drop-down opens under the left edge of its button: there the next one starts.
  ClickAt({client.x + 6 + skin_width / 2, bar_y});
  HWND menu = nullptr;
  ASSERT_TRUE(Eventually([&] { return (menu = drop_down()) != nullptr; })) << "no drop-down";
  const int skin_left = ScreenRect(menu).Left;
  EXPECT_LE(std::abs(skin_left - client.x - 6), 6) << "not dropped under its button";
  Key(VK_ESCAPE);
  ASSERT_TRUE(Eventually([&] { return drop_down() == nullptr; })) << "Escape left the menu open";

  // The Gallery menu's first item turns the gallery's controls off, and on:
  // the radio button is drawn greyed, then as before.
  const int gallery_left = skin_left + skin_width;
  const TSkinBitmap enabled_look = CaptureWindow(radio);
  for (const bool enabled : {false, true}) {
    ClickAt({gallery_left + (MenuTextWidth(L"&Gallery") + 10) / 2, bar_y});
    ASSERT_TRUE(Eventually([&] {
      menu = drop_down();
      return menu != nullptr && ScreenRect(menu).Left == gallery_left;
    })) << "the Gallery menu did not drop down";
    // The drop-down settles (its window shown, the pointer taken) before the
    // mouse moves into it.
    Sleep(200);
    const TRect items = ScreenRect(menu);
    ClickAt({(items.Left + items.Right) / 2, items.Top + 10});
    EXPECT_TRUE(Eventually([&] { return drop_down() == nullptr; })) << "the menu stayed open";
    EXPECT_TRUE(Eventually([&] { return (IsWindowEnabled(radio) != FALSE) == enabled; }))
        << "the item's action did not run";
    EXPECT_TRUE(Eventually([&] { return SamePixels(CaptureWindow(radio), enabled_look) == enabled; }))
        << (enabled ? "not drawn enabled again" : "not drawn disabled");
  }
  Rest();
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinviewDriven, ::testing::Values(L"default.skn", L"ember.skn"),
                         [](const auto& info) { return info.index == 0 ? "Default" : "Ember"; });

}  // namespace

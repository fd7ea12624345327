// Forms show the application's icon; a program without one changes nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/form.h"

namespace {

// A plain square icon of the given side, made in code: test programs carry no icon resource.
HICON SquareIcon(int side) {
  const std::vector<std::uint8_t> and_mask(static_cast<std::size_t>(side * side / 8), 0x00);
  const std::vector<std::uint8_t> xor_mask(static_cast<std::size_t>(side * side / 8), 0xFF);
  return CreateIcon(GetModuleHandleW(nullptr), side, side, 1, 1, and_mask.data(), xor_mask.data());
}

HICON WindowIcon(HWND wnd, WPARAM which) {
  return reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, which, 0));
}

class ApplicationIconTest : public ::testing::Test {
 protected:
  void SetUp() override { Application().Initialize(); }
  void TearDown() override { Application().SetIcon({}); }
};

TEST_F(ApplicationIconTest, WithoutIconResourceFormsKeepNone) {
  EXPECT_TRUE(Application().Icon().Empty());
  auto* form = new TForm(&Application());
  EXPECT_EQ(WindowIcon(form->Handle(), ICON_BIG), nullptr);
  EXPECT_EQ(WindowIcon(form->Handle(), ICON_SMALL), nullptr);
  form->Free();
}

TEST_F(ApplicationIconTest, FormsShowTheApplicationsIconBigAndSmall) {
  auto* earlier = new TForm(&Application());
  const HWND earlier_wnd = earlier->Handle();
  const HICON big_icon = SquareIcon(32);
  const HICON small_icon = SquareIcon(16);
  ASSERT_NE(big_icon, nullptr);
  ASSERT_NE(small_icon, nullptr);
  Application().SetIcon(TWindowIcon(big_icon, small_icon));

  auto* later = new TForm(&Application());
  for (const HWND wnd : {earlier_wnd, later->Handle()}) {
    EXPECT_EQ(WindowIcon(wnd, ICON_BIG), big_icon);
    EXPECT_EQ(WindowIcon(wnd, ICON_SMALL), small_icon);
  }
  // A window made again, as a change of border icons does, gets it again.
  later->SetBorderIcons({TBorderIcon::biSystemMenu});
  EXPECT_EQ(WindowIcon(later->Handle(), ICON_SMALL), small_icon);

  // Taking the icon away leaves no window with a handle that is gone.
  Application().SetIcon({});
  EXPECT_EQ(WindowIcon(earlier_wnd, ICON_SMALL), nullptr);
  EXPECT_EQ(WindowIcon(later->Handle(), ICON_BIG), nullptr);
  earlier->Free();
  later->Free();
}

}  // namespace

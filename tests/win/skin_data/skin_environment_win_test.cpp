#include "skin/data/win/skin_environment_win.h"

#include <gtest/gtest.h>

#include "skin/data/model/skin_data.h"

namespace {

// A real scroll bar control to ask about.
class ScrollBarWindow {
 public:
  ScrollBarWindow()
      : handle_(CreateWindowExA(0, "SCROLLBAR", "", WS_POPUP | WS_VISIBLE | SBS_HORZ, 10, 10, 200, 20,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~ScrollBarWindow() { DestroyWindow(handle_); }
  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

TEST(WinSkinEnvironment, FindsTheOptionalFunctionsAndTheSystemMetrics) {
  const TWinSkinEnvironment environment;
  EXPECT_TRUE(environment.HasScrollBarInfo());
  EXPECT_EQ(environment.ScrollArrowWidth(), GetSystemMetrics(SM_CXHSCROLL));
  EXPECT_GT(environment.MaximizedWidth(), 0);
  EXPECT_EQ(environment.SystemColours().Colour(COLOR_BTNFACE),
            static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));

  const ScrollBarWindow bar;
  ASSERT_NE(bar.Handle(), nullptr);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(environment.Functions().QueryScrollBarInfo(bar.Handle(), OBJID_CLIENT, info));
  EXPECT_GT(info.rcScrollBar.right - info.rcScrollBar.left, 0);
  environment.Functions().TrackMouseLeave(bar.Handle());
}

TEST(WinSkinEnvironment, SkinComponentsTakeTheInstalledSystem) {
  const TWinSkinEnvironment environment;
  const TSkinEnvironmentScope scope(environment);
  TSkinData data(nullptr);
  EXPECT_EQ(&data.Environment(), &environment);
  EXPECT_EQ(data.MaximizedWidth(), GetSystemMetrics(SM_CXMAXIMIZED));
}

}  // namespace

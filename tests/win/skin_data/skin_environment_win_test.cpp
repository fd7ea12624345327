#include "skin/data/win/skin_environment_win.h"

#include <gtest/gtest.h>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/panel.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/skin_data_part_win.h"

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

  // The control skins reach the optional functions through the component.
  const ScrollBarWindow bar;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(WinPart(data)->QueryScrollBarInfo(bar.Handle(), OBJID_CLIENT, info));
  EXPECT_GT(info.rcScrollBar.right - info.rcScrollBar.left, 0);
  // The leave is reported once the cursor moves off the bar.
  SetCursorPos(100, 20);
  WinPart(data)->TrackMouseLeave(bar.Handle());
  SetCursorPos(600, 500);
  MSG msg{};
  bool left = false;
  for (int i = 0; i < 100 && !left; ++i) {
    while (!left && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      left = msg.hwnd == bar.Handle() && msg.message == WM_MOUSELEAVE;
      DispatchMessageW(&msg);
    }
    if (!left) Sleep(20);
  }
  EXPECT_TRUE(left);
}

TEST(WinSkinEnvironment, OnlyAFormWithAWindowHasAFormWindow) {
  Application().Initialize();
  const TWinSkinEnvironment environment;
  auto* form = new TForm(&Application());
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  EXPECT_EQ(environment.FormWindow(form), 0u);
  form->HandleNeeded();
  EXPECT_EQ(environment.FormWindow(form), reinterpret_cast<TWindowHandle>(form->WindowHandle()));
  EXPECT_EQ(environment.FormWindow(panel), 0u);
  EXPECT_EQ(environment.FormWindow(nullptr), 0u);
  form->Free();
}

}  // namespace

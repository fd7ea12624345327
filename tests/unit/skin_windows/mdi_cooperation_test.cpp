#include <gtest/gtest.h>

#include "skin/windows/mdi_cooperation.h"
#include "skin/windows/win32_values.h"

TEST(MdiClient, ScrollBarsGoOnlyUnderASkinnedFrameThatDoesNotKeepThem) {
  const std::uint32_t style = kWsChild | kWsVScroll | kWsHScroll | kWsVisible;
  EXPECT_EQ(MdiClientStyleOnCalcSize(style, true, false), kWsChild | kWsVisible);
  EXPECT_EQ(MdiClientStyleOnCalcSize(style, true, true), style);
  EXPECT_EQ(MdiClientStyleOnCalcSize(style, false, false), style);
}

TEST(MdiClient, DestroyingAChildFollowsTheChildNowActive) {
  struct Case {
    bool active, maximised, menu_bar;
    bool want_maximised, want_rebuild;
  } cases[] = {
      // The next child takes over the maximised state (or leaves it).
      {true, true, true, true, false},
      {true, false, true, false, false},
      // The last child gone: nothing maximised, the bar rebuilt when there is one.
      {false, false, true, false, true},
      {false, true, false, false, false},
  };
  for (const Case& c : cases) {
    const TMdiChildGone gone = AfterMdiChildDestroyed(c.active, c.maximised, c.menu_bar);
    EXPECT_EQ(gone.Maximised, c.want_maximised) << c.active << c.maximised << c.menu_bar;
    EXPECT_EQ(gone.RebuildMenuBar, c.want_rebuild) << c.active << c.maximised << c.menu_bar;
  }
}

TEST(MdiChild, SetUpAndStateChanges) {
  // A title of 18 under a system caption of 19 and frame of 4 leaves a band of 5.
  EXPECT_EQ(MdiChildMenuBarHeight(18, 19, 4), 5);
  EXPECT_EQ(MdiChildMenuBarHeight(23, 19, 4), 0);
  EXPECT_EQ(MdiChildMenuBarHeight(28, 19, 4), 0);

  EXPECT_EQ(MdiChildStartAction(TShowState::ssMaximized), TMdiChildStart::mcsRedrawParent);
  EXPECT_EQ(MdiChildStartAction(TShowState::ssMinimized), TMdiChildStart::mcsWait);
  EXPECT_EQ(MdiChildStartAction(TShowState::ssNormal), TMdiChildStart::mcsFitFrame);

  EXPECT_TRUE(MdiChildChangeRedrawsParent(TShowState::ssNormal, TShowState::ssMaximized));
  EXPECT_TRUE(MdiChildChangeRedrawsParent(TShowState::ssMaximized, TShowState::ssMinimized));
  EXPECT_FALSE(MdiChildChangeRedrawsParent(TShowState::ssMaximized, TShowState::ssMaximized));
  EXPECT_FALSE(MdiChildChangeRedrawsParent(TShowState::ssNormal, TShowState::ssMinimized));
}

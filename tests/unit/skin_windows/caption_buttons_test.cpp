#include <gtest/gtest.h>

#include <vector>

#include "skin/windows/caption_buttons.h"
#include "skin/windows/win32_values.h"

namespace {
TCaptionButtonDef Button(int action, int visibility, int visibility1 = 0) {
  TCaptionButtonDef d;
  d.Action = action;
  d.Visibility = visibility;
  d.Visibility1 = visibility1;
  d.Frames = 4;
  d.ImageWidth = 64;
  d.ImageHeight = 16;
  return d;
}
// This program's main window: system menu and minimise box, no maximise box.
TCaptionFormState MainWindow() {
  TCaptionFormState f;
  f.Active = true;
  f.HasSystemMenu = true;
  f.HasMinimizeBox = true;
  return f;
}
const TCustomVisibilityQuery kNoQuery;
}  // namespace

TEST(CaptionButtonVisibility, MainWindowWithoutMaximiseBox) {
  const TCaptionFormState f = MainWindow();
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 7, 7), f, kNoQuery));
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 6, 8), f, kNoQuery));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 9), f, kNoQuery));
  EXPECT_FALSE(CaptionButtonEnabled(Button(1, 0), f));
  EXPECT_TRUE(CaptionButtonEnabled(Button(2, 0), f));
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsHot, false, 4, false), 4);
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsHot, false, 3, false), 1);
}

TEST(CaptionButtonVisibility, TheTwoColumnsDiffer) {
  TCaptionFormState f = MainWindow();
  EXPECT_TRUE(CaptionButtonVisible(Button(5, -1, 0), f, kNoQuery));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 0, -1), f, kNoQuery));
  f.HasSystemMenu = false;
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 6, 0), f, kNoQuery));
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 0, 6), f, kNoQuery));
  f.HasHelpButton = true;
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 10, 0), f, kNoQuery));
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 0, 10), f, kNoQuery));
  f.HasMinimizeBox = false;
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 10, 0), f, kNoQuery));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 3, 4), f, kNoQuery));
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 500, 2), f, kNoQuery));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 5, 0), f, kNoQuery));
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 0, 2001), f, kNoQuery));
}

TEST(CaptionButtonVisibility, MdiDialogAndWindowCodes) {
  TCaptionFormState f = MainWindow();
  f.MdiParentWithMaximizedChild = true;
  EXPECT_FALSE(CaptionButtonVisible(Button(7, 100, 100), f, kNoQuery));
  f.HasMenuBar = true;
  EXPECT_TRUE(CaptionButtonVisible(Button(7, 100, 100), f, kNoQuery));
  f.Kind = TFrameKind::fkDialog;
  EXPECT_TRUE(CaptionButtonVisible(Button(5, 200, 200), f, kNoQuery));
  f.DialogClass = true;
  EXPECT_FALSE(CaptionButtonVisible(Button(5, 200, 0), f, kNoQuery));

  std::vector<std::pair<int, int>> asked;
  const TCustomVisibilityQuery query = [&](int code, int action) {
    asked.emplace_back(code, action);
    return code == 1500 ? 1 : 0;
  };
  EXPECT_TRUE(CaptionButtonVisible(Button(40, 1500, 1700), f, query));
  EXPECT_FALSE(CaptionButtonVisible(Button(41, 1501, 0), f, query));
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1500, 40}, {1501, 41}}));
  TCaptionButtonDef no_image = Button(42, 1500);
  no_image.ImageWidth = 3;  // narrower than its four frames
  EXPECT_FALSE(CaptionButtonVisible(no_image, f, query));
  EXPECT_EQ(asked.size(), 2u);
}

TEST(CaptionButtonVisibility, CloseNeedsSystemMenuIconHiddenInDialogs) {
  TCaptionFormState f = MainWindow();
  EXPECT_TRUE(CaptionButtonVisible(Button(0, 0), f, kNoQuery));
  EXPECT_TRUE(CaptionButtonVisible(Button(12, 0), f, kNoQuery));
  f.Kind = TFrameKind::fkDialog;
  for (int action : {3, 11, 12}) EXPECT_FALSE(CaptionButtonVisible(Button(action, 0), f, kNoQuery)) << action;
  f.HasSystemMenu = false;
  EXPECT_FALSE(CaptionButtonVisible(Button(0, 0), f, kNoQuery));
}

TEST(CaptionButtonRect, AlignTable) {
  const TFrameMetrics m{4, 26, 4, 4, 19};
  const TRect text{99, 7, 200, 21};
  TCaptionButtonDef d = Button(5, 0);
  d.Xcoord = 30;
  d.Ycoord = 5;
  const struct {
    int align;
    TRect rect;
  } cases[] = {
      {0, {30, 5, 46, 21}},   {1, {378, 5, 394, 21}}, {2, {53, 5, 69, 21}},      {8, {53, 5, 69, 21}},
      {3, {230, 5, 246, 21}}, {9, {230, 5, 246, 21}}, {100, {371, 27, 387, 43}}, {4, {0, 0, 16, 16}},
  };
  for (const auto& c : cases) {
    d.Align = c.align;
    EXPECT_EQ(CaptionButtonRect(d, 408, text, m, 3), c.rect) << c.align;
  }
  // Taller than the bar: centred with the half truncated toward zero.
  d.Align = 100;
  d.ImageHeight = 22;
  EXPECT_EQ(CaptionButtonRect(d, 408, text, m, 3).Top, 25);
}

TEST(CaptionButtonRect, RightReserveFromVisibleRightAlignedImages) {
  std::vector<TCaptionButtonDef> defs(4, Button(0, 0));
  for (auto& d : defs) d.Align = 1;
  defs[0].Xcoord = 30;
  defs[1].Xcoord = 50;  // hidden
  defs[2].Xcoord = 70;
  defs[2].ImageHeight = 0;
  defs[3].Xcoord = 90;
  defs[3].Align = 0;
  const bool visible[] = {true, false, true, true};
  EXPECT_EQ(RightReserve(defs, visible), 30);
  EXPECT_EQ(RightReserve({}, {}), 0);
}

TEST(CaptionButtonFrame, StateDisabledMenuBarAndTitlePaint) {
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsPressed, true, 4, false), 2);
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsHot, true, 4, true), 4);
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsPressed, true, 4, true), 2);
  // A skin with fewer frames shows its last one rather than nothing.
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsHot, true, 2, false), 2);
  EXPECT_EQ(CaptionButtonFrame(TNCState::ncsHot, true, 0, false), 1);
  EXPECT_EQ(TitleBitmapButtonFrame(true, true, 4), 1);
  EXPECT_EQ(TitleBitmapButtonFrame(false, true, 4), 4);
  EXPECT_EQ(TitleBitmapButtonFrame(true, false, 4), 4);
  EXPECT_EQ(TitleBitmapButtonFrame(false, false, 3), 1);
}

TEST(CaptionButtonActions, HintsAndDecodedActions) {
  EXPECT_STREQ(CaptionHintText(0), "Close");
  EXPECT_STREQ(CaptionHintText(62), "Close");
  EXPECT_STREQ(CaptionHintText(22), "Maximize");
  EXPECT_STREQ(CaptionHintText(61), "Restore");
  EXPECT_STREQ(CaptionHintText(3), "");
  EXPECT_EQ(CaptionActionOf(12), TCaptionAction::caSystemMenu);
  EXPECT_FALSE(IsIconAction(12));
  EXPECT_EQ(CaptionActionOf(-1), TCaptionAction::caCustom);
}

TEST(CaptionHint, ShownFromTwicePauseForTheHidePause) {
  // Hint pause 500 ms, hide pause 2500 ms, the 250 ms timer.
  std::vector<THintStep> steps;
  for (int hover = 250; hover <= 3750; hover += 250) steps.push_back(CaptionHintStep(hover, 500, 2500));
  EXPECT_EQ(steps[2], THintStep::hsWait);   // 750
  EXPECT_EQ(steps[3], THintStep::hsShow);   // 1000
  EXPECT_EQ(steps[12], THintStep::hsShow);  // 3250
  EXPECT_EQ(steps[13], THintStep::hsHide);  // 3500
}

TEST(CaptionButtonAt, FirstVisibleWithActionHalfOpenEdges) {
  const TRect rects[] = {{10, 5, 26, 21}, {20, 5, 36, 21}, {40, 5, 56, 21}};
  const bool visible[] = {false, true, true};
  const int actions[] = {0, 2, -1};
  EXPECT_EQ(CaptionButtonAt(rects, visible, actions, 20, 5), 1);
  EXPECT_EQ(CaptionButtonAt(rects, visible, actions, 35, 20), 1);
  EXPECT_EQ(CaptionButtonAt(rects, visible, actions, 36, 20), -1);
  EXPECT_EQ(CaptionButtonAt(rects, visible, actions, 30, 21), -1);
  EXPECT_EQ(CaptionButtonAt(rects, visible, actions, 12, 10), -1);
  EXPECT_EQ(CaptionButtonAt(rects, visible, actions, 45, 10), -1);
}

TEST(TitleClicks, DoubleClickAndMaximisedDrag) {
  EXPECT_EQ(TitleDoubleClickAction(TShowState::ssMinimized, false), TTitleDoubleClick::tdRestore);
  EXPECT_EQ(TitleDoubleClickAction(TShowState::ssMaximized, true), TTitleDoubleClick::tdRestore);
  EXPECT_EQ(TitleDoubleClickAction(TShowState::ssNormal, true), TTitleDoubleClick::tdMaximize);
  EXPECT_EQ(TitleDoubleClickAction(TShowState::ssNormal, false), TTitleDoubleClick::tdForward);
  EXPECT_EQ(TitleButtonDownHitCode(kHtCaption, true, true), kHtMenu);
  EXPECT_EQ(TitleButtonDownHitCode(kHtCaption, true, false), kHtCaption);
  EXPECT_EQ(TitleButtonDownHitCode(kHtSysMenu, true, true), kHtSysMenu);
}

#include <gtest/gtest.h>

#include "skin/windows/frame_geometry.h"
#include "skin/windows/win32_values.h"

namespace {
constexpr std::uint32_t kOverlapped =
    kWsCaption | kWsSysMenu | kWsThickFrame | kWsMinimizeBox | kWsMaximizeBox;
// Borders of 4, a title of 26 and a bottom of 4, from strips of two frames.
TFrameMetrics Metrics(int menu_bar) {
  return FrameMetricsOf(TFrameKind::fkSizeable, {8, 30, 2}, {100, 52, 2}, {8, 30, 2}, {100, 8, 2}, menu_bar);
}
}  // namespace

TEST(FrameKind, FollowsCaptionFrameAndDialogMarks) {
  struct Case {
    std::uint32_t style, ex_style;
    bool dialog_class;
    TFrameKind kind;
  } cases[] = {
      {kOverlapped, 0, false, TFrameKind::fkSizeable},
      {kWsCaption | kWsSysMenu, 0, false, TFrameKind::fkFixed},
      {kWsCaption | kDsModalFrame, 0, false, TFrameKind::fkDialog},
      {kWsCaption | kWsThickFrame | kDsModalFrame, 0, false, TFrameKind::fkSizeable},
      // One caption bit alone is no caption.
      {kWsBorder | kWsThickFrame, 0, false, TFrameKind::fkNoCaption},
      {kWsPopup | kWsDlgFrame, 0, false, TFrameKind::fkNoCaption},
      // The extended style and the dialog classes win over everything.
      {kOverlapped, kWsExDlgModalFrame, false, TFrameKind::fkDialog},
      {kWsPopup, 0, true, TFrameKind::fkDialog},
  };
  for (const Case& c : cases) EXPECT_EQ(FrameKindOf(c.style, c.ex_style, c.dialog_class), c.kind) << c.style;
  EXPECT_TRUE(IsDialogClass("#32770"));
  EXPECT_TRUE(IsDialogClass("TMessageForm"));
  EXPECT_FALSE(IsDialogClass("tmessageform"));
}

TEST(ShowState, FromPlacementSizeAndSysCommand) {
  EXPECT_EQ(ShowStateFromShowCmd(kSwShowMinNoActive), TShowState::ssMinimized);
  EXPECT_EQ(ShowStateFromShowCmd(kSwMinimize), TShowState::ssMinimized);
  EXPECT_EQ(ShowStateFromShowCmd(kSwShowMaximized), TShowState::ssMaximized);
  EXPECT_EQ(ShowStateFromShowCmd(kSwHide), TShowState::ssNormal);
  EXPECT_EQ(ShowStateFromSizeType(kSizeMinimized), TShowState::ssMinimized);
  EXPECT_EQ(ShowStateFromSizeType(4), std::nullopt);  // SIZE_MAXHIDE: another window's news
  // The system's low bits don't hide the command.
  EXPECT_EQ(ShowStateFromSysCommand(kScMaximize | 2), TShowState::ssMaximized);
  EXPECT_EQ(ShowStateFromSysCommand(kScRestore), TShowState::ssNormal);
  EXPECT_EQ(ShowStateFromSysCommand(kScClose), std::nullopt);
}

TEST(KeepsStyles, OnlyOnMinorVersionZero) {
  EXPECT_TRUE(KeepsStyles(true, 5, 0, kWsExAppWindow, true, false));
  EXPECT_FALSE(KeepsStyles(false, 5, 0, kWsExAppWindow, true, false));
  EXPECT_TRUE(KeepsStyles(false, 6, 0, 0, false, false));
  EXPECT_FALSE(KeepsStyles(true, 6, 0, 0, false, true));
  EXPECT_FALSE(KeepsStyles(true, 6, 1, kWsExAppWindow, false, false));
  EXPECT_FALSE(KeepsStyles(true, 4, 0, kWsExAppWindow, false, false));
}

TEST(FrameMetrics, DivideStripsByFramesAndVanishWithoutCaption) {
  const TFrameMetrics m = Metrics(19);
  EXPECT_EQ(m.Left, 4);
  EXPECT_EQ(m.Top, 26);
  EXPECT_EQ(m.Right, 4);
  EXPECT_EQ(m.Bottom, 4);
  EXPECT_EQ(m.MenuBar, 19);
  // A broken frame count reads as one frame instead of dividing by zero.
  EXPECT_EQ(FrameMetricsOf(TFrameKind::fkFixed, {7, 1, 0}, {1, 25, 2}, {1, 1, -1}, {1, 9, 3}, 0).Left, 7);
  EXPECT_EQ(FrameMetricsOf(TFrameKind::fkFixed, {7, 1, 0}, {1, 25, 2}, {1, 1, -1}, {1, 9, 3}, 0).Top, 12);
  const TFrameMetrics none =
      FrameMetricsOf(TFrameKind::fkNoCaption, {8, 1, 1}, {1, 26, 1}, {8, 1, 1}, {1, 4, 1}, 19);
  EXPECT_EQ(none.Left + none.Top + none.Right + none.Bottom + none.MenuBar, 0);
}

TEST(FrameSize, SkinFrameKeepsClientAndDetachingGivesItBack) {
  const TFrameMetrics m = Metrics(0);
  const TSkinFrameSize skinned = SkinFrameSize(400, 300, m);
  EXPECT_EQ(skinned.Width, 408);
  EXPECT_EQ(skinned.Height, 330);
  // The system frame was 8 + 8 wide and 27 + 8 high around the same client.
  const TSkinFrameSize restored = RestoredFrameSize(skinned.Width, skinned.Height, 16, 35, m);
  EXPECT_EQ(restored.Width, 416);
  EXPECT_EQ(restored.Height, 335);
  EXPECT_EQ(SkinFrameSize(400, 300, Metrics(19)).Height, 349);
}

TEST(ClientRect, InsetByBordersAndMenuBar) {
  const TFrameMetrics m = Metrics(19);
  EXPECT_EQ(SkinClientRect(Bounds(100, 50, 408, 349), m), (TRect{104, 95, 504, 395}));
  // Smaller than its own frame: empty at the inset corner, never inverted.
  EXPECT_EQ(SkinClientRect(Bounds(0, 0, 6, 30), m), (TRect{4, 45, 4, 45}));
}

TEST(HitTest, CaptionBelowThreePixelsAndMenuBandBelowTitle) {
  const TFrameMetrics m = Metrics(19);
  EXPECT_EQ(SkinHitTest(kHtNowhere, 50, 2, m), kHtNowhere);
  EXPECT_EQ(SkinHitTest(kHtNowhere, 50, 3, m), kHtNowhere);
  EXPECT_EQ(SkinHitTest(kHtNowhere, 50, 4, m), kHtCaption);
  EXPECT_EQ(SkinHitTest(kHtNowhere, 50, 10, m), kHtCaption);
  EXPECT_EQ(SkinHitTest(kHtCaption, 50, 2, m), kHtCaption);
  EXPECT_EQ(SkinHitTest(kHtNowhere, 50, 26, m), kHtCaption);
  EXPECT_EQ(SkinHitTest(kHtCaption, 50, 27, m), kHtMenu);
  EXPECT_EQ(SkinHitTest(kHtNowhere, 50, 27, Metrics(0)), kHtCaption);
  // Sizing borders and the client area of the saved procedure stand.
  constexpr int kHtTopLeft = 13;
  EXPECT_EQ(SkinHitTest(kHtTopLeft, 1, 10, m), kHtTopLeft);
  EXPECT_EQ(SkinHitTest(kHtClient, 50, 60, m), kHtClient);
}

TEST(DialogWiden, GrowsToTheCaptionAndShiftsChildrenByHalf) {
  EXPECT_EQ(WidenDialogForCaption(200, 180, 30, 45).Width, 255);
  EXPECT_EQ(WidenDialogForCaption(200, 180, 30, 45).ChildShift, 27);
  EXPECT_EQ(WidenDialogForCaption(255, 180, 30, 45).ChildShift, 0);
  EXPECT_EQ(WidenDialogForCaption(300, 180, 30, 45).Width, 300);
}

TEST(BorderPieces, ColumnsFullHeightStripsBetween) {
  const TBorderPieces p = BorderPieces(408, 349, Metrics(19));
  EXPECT_EQ(p.Left, (TRect{0, 0, 4, 349}));
  EXPECT_EQ(p.Right, (TRect{404, 0, 408, 349}));
  EXPECT_EQ(p.Bottom, (TRect{4, 345, 404, 349}));
  EXPECT_EQ(p.Top, (TRect{4, 0, 404, 26}));
  EXPECT_EQ(MinimizedTitleRect(160, Metrics(0)), (TRect{0, 0, 160, 26}));
  EXPECT_EQ(BorderFrameIndex(true, 2), 1);
  EXPECT_EQ(BorderFrameIndex(false, 2), 2);
  EXPECT_EQ(BorderFrameIndex(false, 1), 1);
}

TEST(WindowRegion, WholeWindowUnlessSideOrTopBorderIsTransparent) {
  const TFrameMetrics m = Metrics(19);
  EXPECT_TRUE(PlanWindowRegion(408, 349, m, TFrameKind::fkSizeable, false, false, false, true).WholeWindow);
  const TRegionPlan plan = PlanWindowRegion(408, 349, m, TFrameKind::fkSizeable, false, false, true, false);
  EXPECT_FALSE(plan.WholeWindow);
  EXPECT_EQ(plan.Client, (TRect{4, 26, 404, 345}));
  ASSERT_EQ(plan.Pieces.size(), 4u);
  EXPECT_EQ(plan.Pieces[3].Border, TRegionPlan::rbTop);
  EXPECT_EQ(plan.Pieces[3].Rect, (TRect{4, 0, 404, 26}));
  EXPECT_TRUE(plan.Pieces[3].FromImage);
  EXPECT_FALSE(plan.Pieces[0].FromImage);
  EXPECT_EQ(plan.Pieces[0].Rect, (TRect{0, 0, 4, 349}));
  EXPECT_TRUE(PlanWindowRegion(408, 349, m, TFrameKind::fkNoCaption, true, true, true, true).Pieces.empty());
}

TEST(WindowRegion, ThinPiecesAreNotCutFromImages) {
  const TFrameMetrics thin{4, 1, 4, 1, 0};
  const TRegionPlan plan = PlanWindowRegion(100, 1, thin, TFrameKind::fkFixed, true, true, true, true);
  for (const auto& piece : plan.Pieces) EXPECT_FALSE(piece.FromImage) << piece.Border;
  const TFrameMetrics edge{4, 2, 4, 2, 0};
  const TRegionPlan cut = PlanWindowRegion(100, 2, edge, TFrameKind::fkFixed, true, true, true, true);
  for (const auto& piece : cut.Pieces) EXPECT_TRUE(piece.FromImage) << piece.Border;
}

TEST(WindowRegion, RebuiltOnNewSizeAlwaysForMdiChildrenAndWhileReapplying) {
  TRegionRequest r;
  r.FrameSkinning = true;
  r.Width = r.LastWidth = 408;
  r.Height = r.LastHeight = 330;
  EXPECT_FALSE(RegionNeedsRebuild(r));
  r.Life = TFormLifeState::flsReapplying;
  EXPECT_TRUE(RegionNeedsRebuild(r));
  r.Life = TFormLifeState::flsRunning;
  r.MdiChild = true;
  EXPECT_TRUE(RegionNeedsRebuild(r));
  r.Show = TShowState::ssMaximized;
  EXPECT_FALSE(RegionNeedsRebuild(r));
  r = TRegionRequest{true, 409, 330, false, TShowState::ssNormal, 408, 330, TFormLifeState::flsRunning};
  EXPECT_TRUE(RegionNeedsRebuild(r));
  r.Height = 0;
  EXPECT_FALSE(RegionNeedsRebuild(r));
  r.Height = 330;
  r.Life = TFormLifeState::flsDestroyed;
  EXPECT_FALSE(RegionNeedsRebuild(r));
  r.Life = TFormLifeState::flsRunning;
  r.FrameSkinning = false;
  EXPECT_FALSE(RegionNeedsRebuild(r));

  EXPECT_TRUE(SizeRebuildsRegion(TShowState::ssMaximized, false, true, TFormLifeState::flsRunning));
  EXPECT_FALSE(SizeRebuildsRegion(TShowState::ssMinimized, false, false, TFormLifeState::flsRunning));
  EXPECT_TRUE(SizeRebuildsRegion(TShowState::ssNormal, true, false, TFormLifeState::flsReapplying));
  EXPECT_FALSE(SizeRebuildsRegion(TShowState::ssNormal, true, true, TFormLifeState::flsRunning));
  EXPECT_FALSE(SizeRebuildsRegion(TShowState::ssNormal, false, false, TFormLifeState::flsResizing));
}

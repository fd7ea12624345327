#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/glyph_strip_geometry.h"
#include "skin/controls/media_player_geometry.h"
#include "skin/controls/tab_set_geometry.h"

namespace {

std::vector<int> Indexes(const std::vector<TTabSetTab>& tabs) {
  std::vector<int> indexes;
  for (const TTabSetTab& tab : tabs) indexes.push_back(tab.Index);
  return indexes;
}

}  // namespace

TEST(TabSetLayout, TabsFromTheFirstShownWhileTheyFitBeforeTheEndMargin) {
  TTabSetView view;
  view.Width = 100;
  view.Height = 20;
  view.StartMargin = 5;
  view.EndMargin = 5;
  view.TextWidths = {20, 30, 25, 10};
  // 29 + 39 = 68 wide from x 5; the third (34) would end at 107 > 95.
  const auto tabs = LayOutTabSet(view);
  ASSERT_EQ(Indexes(tabs), (std::vector<int>{0, 1}));
  EXPECT_EQ(tabs[0].Rect, (TRect{5, 0, 34, 20}));
  EXPECT_EQ(tabs[1].Rect, (TRect{34, 0, 73, 20}));

  view.FirstIndex = 2;
  const auto later = LayOutTabSet(view);
  ASSERT_EQ(Indexes(later), (std::vector<int>{2, 3}));
  EXPECT_EQ(later[0].Rect.Left, 5);
  // A tab ending exactly at the end margin fits; the scroller's room pushes it out.
  view.FirstIndex = 0;
  view.TextWidths = {81};
  EXPECT_EQ(LayOutTabSet(view).size(), 1u);
  view.ScrollerShown = true;
  EXPECT_TRUE(LayOutTabSet(view).empty());
  view.FirstIndex = 7;
  EXPECT_TRUE(LayOutTabSet(view).empty());
}

TEST(MediaPlayerLayout, VisibleButtonsShareTheWidthInThePlayersOrder) {
  const TMediaButtonSet visible = MediaButtonsIn("[btPlay,btStop,BTEJECT]");
  const TMediaButtonSet enabled = MediaButtonsIn("[btPlay,btEject]");
  const TMediaButtonSet coloured = MediaButtonsIn("[btStop]");
  EXPECT_TRUE(visible[0] && visible[2] && visible[8]);
  EXPECT_FALSE(visible[1] || visible[3]);

  const auto faces = LayOutMediaPlayer(100, 30, visible, enabled, coloured, 8);
  ASSERT_EQ(faces.size(), 3u);
  // 100 div 3: the last pixel stays the background's.
  EXPECT_EQ(faces[0].Rect, (TRect{0, 0, 33, 30}));
  EXPECT_EQ(faces[2].Rect, (TRect{66, 0, 99, 30}));
  EXPECT_EQ(faces[1].Button, 2);
  EXPECT_EQ(faces[0].Frame, 1);
  EXPECT_EQ(faces[1].Frame, 3);  // disabled
  EXPECT_TRUE(faces[1].Coloured);
  EXPECT_EQ(faces[2].Frame, 2);  // pressed

  EXPECT_EQ(MediaButtonAt(faces, 40, 10), 2);
  EXPECT_EQ(MediaButtonAt(faces, 0, 0), 0);
  EXPECT_EQ(MediaButtonAt(faces, 99, 10), std::nullopt);
  EXPECT_EQ(MediaButtonAt(faces, 40, 30), std::nullopt);
  EXPECT_TRUE(LayOutMediaPlayer(100, 30, MediaButtonsIn("[]"), enabled, coloured, std::nullopt).empty());
}

TEST(GlyphStrip, SlotsTakeTheFramesTheSkinnedControlsWouldShow) {
  // Unchecked, checked, grayed, then the same disabled.
  EXPECT_EQ(CheckGlyphSources(4), (std::array<int, 6>{1, 2, 4, 3, 4, 4}));
  EXPECT_EQ(CheckGlyphSources(12), (std::array<int, 6>{1, 5, 9, 4, 8, 12}));
  EXPECT_EQ(RadioGlyphSources(4), (std::array<int, 6>{1, 2, 1, 3, 4, 3}));
  EXPECT_EQ(RadioGlyphSources(8), (std::array<int, 6>{1, 5, 1, 4, 8, 4}));
}

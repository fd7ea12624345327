#include "framework/button_layout.h"

#include <gtest/gtest.h>

#include "framework/watched_strings.h"

using layout::Bounds;

TEST(ButtonLayoutTest, FreeMarginAndSpacingShareTheSpaceAndFixedOnesAreKept) {
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    layout::Rect glyph, text;
  };
  // Client 100 x 30, glyph 16 x 16, caption 40 x 14.
  const Case cases[] = {
      // Three equal gaps: (100 - 56) / 3 = 14.
      {TButtonLayout::blGlyphLeft, -1, -1, Bounds(14, 7, 16, 16), Bounds(44, 8, 40, 14)},
      // Centred with the spacing given: (100 - 60) / 2 = 20.
      {TButtonLayout::blGlyphLeft, -1, 4, Bounds(20, 7, 16, 16), Bounds(40, 8, 40, 14)},
      // Margin given, the spacing takes half the rest: (100 - 18 - 40) / 2 = 21.
      {TButtonLayout::blGlyphRight, 2, -1, Bounds(82, 7, 16, 16), Bounds(21, 8, 40, 14)},
      // Vertical: the axis is the height, (30 - 30) / 3 = 0.
      {TButtonLayout::blGlyphTop, -1, -1, Bounds(42, 0, 16, 16), Bounds(30, 16, 40, 14)},
      {TButtonLayout::blGlyphBottom, 0, 0, Bounds(42, 14, 16, 16), Bounds(30, 0, 40, 14)},
  };
  for (const Case& c : cases) {
    const TGlyphButtonPlacement p =
        PlaceGlyphAndText({100, 30}, {16, 16}, {40, 14}, c.layout, c.margin, c.spacing);
    EXPECT_EQ(p.Glyph, c.glyph) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
    EXPECT_EQ(p.Text, c.text) << static_cast<int>(c.layout) << " " << c.margin << " " << c.spacing;
  }
  // Without a caption the spacing counts for nothing: the glyph is centred.
  EXPECT_EQ(PlaceGlyphAndText({100, 30}, {16, 16}, {0, 0}, TButtonLayout::blGlyphLeft, -1, 4).Glyph,
            Bounds(42, 7, 16, 16));
}

TEST(WatchedStringsTest, EveryChangeIsReportedAndABulkChangeOnce) {
  int changes = 0;
  TWatchedStrings strings([&] { ++changes; });
  strings.Add("b");
  strings.Insert(0, "a");
  strings.Put(1, "c");
  strings.Delete(0);
  EXPECT_EQ(changes, 4);
  strings.SetStrings({"x", "y", "z"});
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(strings.Strings(), (TStringArray{"x", "y", "z"}));
  strings.SetSorted(true);
  strings.Add("a");
  EXPECT_EQ(strings.Get(0), "a");
}

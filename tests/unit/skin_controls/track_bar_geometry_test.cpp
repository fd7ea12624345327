#include <gtest/gtest.h>

#include "skin/controls/track_bar_geometry.h"

namespace {

void ExpectParts(const std::array<TImagePart, 3>& parts, const std::array<TRect, 3>& sources,
                 const std::array<TRect, 3>& targets) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(parts[i].Source, sources[i]) << "part " << i;
    EXPECT_EQ(parts[i].Target, targets[i]) << "part " << i;
  }
}

}  // namespace

TEST(TrackChannel, HorizontalEndsKeptMiddleStretched) {
  // An image taller than the channel stays at its top.
  auto parts = LayOutTrackChannel({8, 10, 108, 14}, 20, 6, 3, 4, false);
  ExpectParts(parts, {TRect{0, 0, 3, 6}, TRect{3, 0, 16, 6}, TRect{16, 0, 20, 6}},
              {TRect{8, 10, 11, 16}, TRect{11, 10, 104, 16}, TRect{104, 10, 108, 16}});
  EXPECT_EQ(TrackChannelBounds(parts), (TRect{8, 10, 108, 16}));
  // One lower than the channel is moved down by half the channel's height.
  parts = LayOutTrackChannel({8, 10, 108, 19}, 20, 3, 3, 4, false);
  EXPECT_EQ(TrackChannelBounds(parts), (TRect{8, 14, 108, 17}));
}

TEST(TrackChannel, VerticalAlongTheHeightCentredAcross) {
  auto parts = LayOutTrackChannel({10, 8, 19, 108}, 4, 20, 2, 5, true);
  ExpectParts(parts, {TRect{0, 0, 4, 2}, TRect{0, 2, 4, 15}, TRect{0, 15, 4, 20}},
              {TRect{12, 8, 16, 10}, TRect{12, 10, 16, 103}, TRect{12, 103, 16, 108}});
  // As wide as the channel or wider: at its left.
  EXPECT_EQ(TrackChannelBounds(LayOutTrackChannel({10, 8, 14, 108}, 6, 20, 2, 5, true)),
            (TRect{10, 8, 16, 108}));
}

TEST(TrackChannel, TooShortForBothEndsStretchesTheWholeImage) {
  const auto parts = LayOutTrackChannel({0, 0, 6, 4}, 20, 4, 3, 4, false);
  EXPECT_EQ(parts[0].Target.Width(), 0);
  EXPECT_EQ(parts[2].Target.Width(), 0);
  EXPECT_EQ(parts[1].Source, (TRect{0, 0, 20, 4}));
  EXPECT_EQ(parts[1].Target, (TRect{0, 0, 6, 4}));
  // Margins wider than the image itself are dropped too, never read outside it.
  EXPECT_EQ(LayOutTrackChannel({0, 0, 100, 4}, 5, 4, 3, 4, false)[1].Source, (TRect{0, 0, 5, 4}));
}

// The Ember skin as the build generates it: the paths the default skin leaves
// untaken (keyed rounded corners, a centred title on a plate, stretched
// borders, 12- and 8-frame toggles) must reach the loaded skin as meant.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/file_io.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_loading.h"
#include "skin/windows/caption_text.h"
#include "skin_data/skin_test_util.h"

namespace {

class EmberSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skin_ = new TSkinDefinition();
    skin_test::TTestEnvironment environment;
    result_ = LoadSkinArchive(*skin_, ReadFileBytes(LEXITALLY_EMBER_SKIN), environment);
  }
  static void TearDownTestSuite() { delete skin_; }

  // The keyed pixels of each of the first rows of one border frame, counted
  // from the outer edge inwards (x runs from `x0` by `step`).
  static std::vector<int> KeyedRun(const TSkinBitmap& image, int x0, int step, int y0, int dy, int rows) {
    std::vector<int> runs;
    for (int i = 0; i < rows; ++i) {
      int n = 0;
      while (n < 6 && image.Pixel(x0 + n * step, y0 + i * dy) == clFuchsia) ++n;
      runs.push_back(n);
    }
    return runs;
  }

  static inline TSkinDefinition* skin_ = nullptr;
  static inline TArchiveResult result_ = TArchiveResult::arDamaged;
};

TEST_F(EmberSkinTest, LoadsAsADifferentSkin) {
  EXPECT_EQ(result_, TArchiveResult::arLoaded);
  EXPECT_FALSE(skin_->NotLoaded);
  EXPECT_EQ(skin_->SkinName, "Ember");
  EXPECT_TRUE(skin_->ColourGiven[static_cast<std::size_t>(scButtonFace)]);
  EXPECT_EQ(skin_->Colours[scButtonFace], RgbColour(241, 233, 221));
}

TEST_F(EmberSkinTest, BordersStretchAndCutRoundedCornersOutOfTheRegion) {
  for (const TDataSkinObject* border : {skin_->BorderLeft.get(), skin_->BorderRight.get(),
                                        skin_->BorderTop.get(), skin_->BorderBottom.get()}) {
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->Tile, 0) << border->Name;
  }
  const TSkinBitmap& left = skin_->BorderLeft->Bitmap;
  const TSkinBitmap& right = skin_->BorderRight->Bitmap;
  EXPECT_NE(skin_->BorderLeft->Trans, 0);
  EXPECT_NE(skin_->BorderRight->Trans, 0);
  EXPECT_EQ(left.Width(), 2 * 6);
  EXPECT_EQ(skin_->BorderLeft->TopHeight, 30);
  EXPECT_EQ(skin_->BorderLeft->BottomHeight, 6);
  EXPECT_EQ(skin_->BorderTop->Bitmap.Height(), 2 * 30);
  // A quarter circle: the keyed run shrinks row by row and ends inside the
  // fixed top part, in both states and on both sides alike.
  const std::vector<int> arc = {4, 2, 1, 1, 0, 0};
  EXPECT_EQ(KeyedRun(left, 0, 1, 0, 1, 6), arc);
  EXPECT_EQ(KeyedRun(left, 6, 1, 0, 1, 6), arc);
  EXPECT_EQ(KeyedRun(right, 5, -1, 0, 1, 6), arc);
  EXPECT_EQ(KeyedRun(right, 11, -1, 0, 1, 6), arc);
  // The bottom corners are rounded less, but keyed too.
  const int bottom = left.Height() - 1;
  EXPECT_EQ(left.Pixel(0, bottom), clFuchsia);
  EXPECT_EQ(right.Pixel(5, bottom), clFuchsia);
  EXPECT_NE(left.Pixel(0, bottom - 3), clFuchsia);
  // Nothing below the corners is keyed: the stretched middle stays solid.
  for (int y = 6; y < bottom - 2; ++y) EXPECT_NE(left.Pixel(0, y), clFuchsia) << y;
}

TEST_F(EmberSkinTest, TitleIsCentredOnAPlateClearOfTheButtons) {
  ASSERT_NE(skin_->Title, nullptr);
  const TDataSkinTitle& title = *skin_->Title;
  EXPECT_EQ(title.TextAlignment, 1);
  EXPECT_EQ(title.Frame, 2);
  ASSERT_FALSE(title.Bitmap.Empty());
  EXPECT_EQ(title.Bitmap.Height(), 2 * 30);
  // The plate's rounded ends lie within the margins that keep them whole.
  EXPECT_EQ(title.Bitmap.Pixel(0, 4), clFuchsia);
  EXPECT_NE(title.Bitmap.Pixel(title.TXTBackleft, 15), clFuchsia);
  EXPECT_GE(title.TXTBackleft, 3);
  EXPECT_EQ(title.TXTBackleft, title.TXTBackRight);

  int reserve = 0;
  for (const auto& button : skin_->SysButtons) {
    if (button->Align == 1) reserve = std::max(reserve, button->Xcoord);
  }
  for (int text_width : {40, 120}) {
    TCaptionTextInput in;
    in.TitleWidth = 500;
    in.TitleHeight = 30;
    in.TextWidth = text_width;
    in.TextHeight = 14;
    in.TextAlignment = title.TextAlignment;
    in.TextShift = title.LeftWidth;
    in.TextRightClip = title.RightWidth;
    in.TXTBackleft = title.TXTBackleft;
    in.TXTBackRight = title.TXTBackRight;
    in.RightReserve = reserve;
    const TRect r = CaptionTextRect(in);
    EXPECT_EQ(r.Left + r.Right, 500) << text_width;
    EXPECT_LE(r.Right, 500 - reserve) << text_width;
  }
}

TEST_F(EmberSkinTest, TogglesHaveHotAndPressedFrames) {
  ASSERT_NE(skin_->Buttons, nullptr);
  const TDataSkinButton& buttons = *skin_->Buttons;
  EXPECT_EQ(buttons.CheckButtonFrame, 12);
  EXPECT_EQ(buttons.RadioButtonFrame, 8);
  EXPECT_EQ(buttons.CheckBitmap.Width(), 12 * 13);
  EXPECT_EQ(buttons.RadioBitmap.Width(), 8 * 13);
  // Frames 1, 5 and 9 (unchecked, checked, indeterminate) and their disabled
  // forms 4, 8 and 12 all look different; so do hot and normal.
  const auto centre = [](const TSkinBitmap& image, int frame) {
    return image.Pixel((frame - 1) * 13 + 6, 6);
  };
  const auto band = [](const TSkinBitmap& image, int frame) { return image.Pixel((frame - 1) * 13 + 6, 2); };
  EXPECT_NE(centre(buttons.CheckBitmap, 1), centre(buttons.CheckBitmap, 5));
  EXPECT_NE(centre(buttons.CheckBitmap, 5), centre(buttons.CheckBitmap, 9));
  EXPECT_NE(centre(buttons.CheckBitmap, 9), centre(buttons.CheckBitmap, 12));
  EXPECT_NE(band(buttons.CheckBitmap, 5), band(buttons.CheckBitmap, 8));
  EXPECT_NE(band(buttons.CheckBitmap, 1), band(buttons.CheckBitmap, 2));
  // A radio button's dot is white whether on or off: look beside it.
  const auto ring = [](const TSkinBitmap& image, int frame) { return image.Pixel((frame - 1) * 13 + 3, 6); };
  EXPECT_NE(ring(buttons.RadioBitmap, 1), ring(buttons.RadioBitmap, 5));
  EXPECT_NE(ring(buttons.RadioBitmap, 5), ring(buttons.RadioBitmap, 8));
  EXPECT_NE(ring(buttons.RadioBitmap, 5), ring(buttons.RadioBitmap, 7));
  // Hot shows in the rim.
  EXPECT_NE(buttons.RadioBitmap.Pixel(1, 6), buttons.RadioBitmap.Pixel(13 + 1, 6));
}

TEST_F(EmberSkinTest, HasTheControlElementsItsGalleryShows) {
  EXPECT_NE(skin_->MenuBackground, nullptr);
  EXPECT_NE(skin_->MenuItem, nullptr);
  EXPECT_NE(skin_->MenuBar, nullptr);
  EXPECT_NE(skin_->Tabs, nullptr);
  EXPECT_NE(skin_->StatusBarEdges, nullptr);
  ASSERT_NE(skin_->UpDownVert, nullptr);
  ASSERT_NE(skin_->UpDownHorz, nullptr);
  EXPECT_FALSE(skin_->UpDownVert->Bitmap2.Empty());
  ASSERT_NE(skin_->TrackbarThumbHorz, nullptr);
  ASSERT_NE(skin_->TrackbarThumbVert, nullptr);
  EXPECT_EQ(skin_->TrackbarThumbHorz->Frame, 5);
}

}  // namespace

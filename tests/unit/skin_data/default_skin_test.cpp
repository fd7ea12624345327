// The default skin as the build generates it: loaded the way the main form
// loads it, with every element the main window's painters use.

#include <gtest/gtest.h>

#include "framework/file_io.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_loading.h"
#include "skin_data/skin_test_util.h"

namespace {

class DefaultSkinTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    archive_ = new std::string(ReadFileBytes(LEXITALLY_DEFAULT_SKIN));
    skin_ = new TSkinDefinition();
    skin_test::TTestEnvironment environment;
    result_ = LoadSkinArchive(*skin_, *archive_, environment);
  }
  static void TearDownTestSuite() {
    delete skin_;
    delete archive_;
  }

  // Frames side by side split the width evenly; stacked ones the height.
  static void ExpectFrames(const TDataSkinObject* element, int frames, bool stacked = false) {
    ASSERT_NE(element, nullptr);
    SCOPED_TRACE(element->Name);
    EXPECT_EQ(element->Frame, frames);
    ASSERT_FALSE(element->Bitmap.Empty());
    const int length = stacked ? element->Bitmap.Height() : element->Bitmap.Width();
    EXPECT_EQ(length % frames, 0);
  }

  static inline std::string* archive_ = nullptr;
  static inline TSkinDefinition* skin_ = nullptr;
  static inline TArchiveResult result_ = TArchiveResult::arDamaged;
};

TEST_F(DefaultSkinTest, LoadsCompletely) {
  EXPECT_EQ(result_, TArchiveResult::arLoaded);
  EXPECT_FALSE(skin_->NotLoaded);
  EXPECT_EQ(skin_->SkinName, "Slate");
  for (int slot : {scWindowText, scTitleTextActive, scTitleTextNoActive, scButtonFace, scButtonText,
                   scButtonShadow, scHilight, scHilightText, scMenu, scMenuText}) {
    EXPECT_TRUE(skin_->ColourGiven[static_cast<std::size_t>(slot)]) << slot;
  }
}

TEST_F(DefaultSkinTest, FrameHasActiveAndInactiveStatesAndRoundedTopCorners) {
  ExpectFrames(skin_->BorderLeft.get(), 2);
  ExpectFrames(skin_->BorderRight.get(), 2);
  ExpectFrames(skin_->BorderTop.get(), 2, true);
  ExpectFrames(skin_->BorderBottom.get(), 2, true);
  // Title 28 high, borders 4 wide, as the side borders' title part says.
  EXPECT_EQ(skin_->BorderTop->Bitmap.Height() / 2, 28);
  EXPECT_EQ(skin_->BorderLeft->TopHeight, 28);
  EXPECT_EQ(skin_->BorderLeft->Bitmap.Width() / 2, 4);
  EXPECT_EQ(skin_->BorderBottom->Bitmap.Height() / 2, 4);
  EXPECT_EQ(skin_->BorderLeft->Bitmap.Pixel(0, 0), clFuchsia);
  EXPECT_EQ(skin_->BorderRight->Bitmap.Pixel(3, 0), clFuchsia);
  EXPECT_NE(skin_->BorderLeft->Trans, 0);
  // The side borders' title part continues the title band row by row.
  const TSkinBitmap& top = skin_->BorderTop->Bitmap;
  for (int y = 2; y < 27; ++y) EXPECT_EQ(skin_->BorderLeft->Bitmap.Pixel(2, y), top.Pixel(5, y)) << y;
  // The inactive title is lighter and greyer than the active one.
  EXPECT_NE(top.Pixel(5, 10), top.Pixel(5, 28 + 10));
  EXPECT_EQ(skin_->Colours[scTitleColour], top.Pixel(top.Width() / 3, 28 / 3));
}

TEST_F(DefaultSkinTest, CaptionButtonsCoverWhatTheMainWindowShows) {
  // Close, maximise, restore, minimise, help and the icon, then the MDI buttons.
  ASSERT_EQ(skin_->SysButtons.size(), 6u + 3u);
  const int actions[] = {0, 1, 1, 2, 4, 3};
  for (std::size_t i = 0; i < 6; ++i) {
    const TDataSkinSysButton& button = *skin_->SysButtons[i];
    SCOPED_TRACE(button.Name);
    EXPECT_EQ(button.Action, actions[i]);
    ASSERT_FALSE(button.Bitmap.Empty());
    if (button.Action == 3) continue;
    EXPECT_EQ(button.Frame, 4);
    EXPECT_EQ(button.Bitmap.Width() % 4, 0);
    EXPECT_EQ(button.Align, 1);
    // Inside the title band, clear of the right border.
    EXPECT_LE(button.Ycoord + button.Bitmap.Height(), 28);
    EXPECT_GE(button.Xcoord, 4 + button.Bitmap.Width() / 4);
  }
  // The help button stands where the maximise button would.
  EXPECT_EQ(skin_->SysButtons[4]->Xcoord, skin_->SysButtons[1]->Xcoord);
  EXPECT_EQ(skin_->SysButtons[5]->Frame, 1);
}

TEST_F(DefaultSkinTest, ControlsHaveTheirFrames) {
  ExpectFrames(skin_->Buttons.get(), 5);
  EXPECT_EQ(skin_->Buttons->CheckButtonFrame, 4);
  EXPECT_EQ(skin_->Buttons->RadioButtonFrame, 4);
  EXPECT_EQ(skin_->Buttons->CheckBitmap.Width(), 4 * 13);
  EXPECT_EQ(skin_->Buttons->RadioBitmap.Width(), 4 * 13);
  EXPECT_TRUE(skin_->Buttons->HasNormalColour2);
  ExpectFrames(skin_->Scrollbar.get(), 23);
  EXPECT_EQ(skin_->Scrollbar->Bitmap.Width() / 23, skin_->Scrollbar->Bitmap.Height());
  ExpectFrames(skin_->HorzScroll.get(), 4);
  ExpectFrames(skin_->VertScroll.get(), 4);
  ExpectFrames(skin_->HorzScrollThumb.get(), 3);
  ExpectFrames(skin_->VertScrollThumb.get(), 3);
  ExpectFrames(skin_->Headerbar.get(), 5);
  ExpectFrames(skin_->ExtraImages.get(), 5);
  ExpectFrames(skin_->MenuBar.get(), 2, true);
  ExpectFrames(skin_->MenuItem.get(), 5);
  ExpectFrames(skin_->MenuBackground.get(), 1);
  ExpectFrames(skin_->Progress.get(), 2);
  ExpectFrames(skin_->Tabs.get(), 5);
  EXPECT_FALSE(skin_->Tabs->Bitmap2.Empty());
  ExpectFrames(skin_->GroupBoxEdge.get(), 2);
  ExpectFrames(skin_->GroupBox.get(), 1);
  ExpectFrames(skin_->StatusBarEdges.get(), 3);
  ExpectFrames(skin_->UpDownVert.get(), 8);
  ExpectFrames(skin_->UpDownHorz.get(), 8);
  EXPECT_EQ(skin_->UpDownVert->Bitmap2.Width() % 8, 0);
  EXPECT_EQ(skin_->UpDownHorz->Bitmap2.Width() % 8, 0);
  ExpectFrames(skin_->TrackbarThumbHorz.get(), 5);
  ExpectFrames(skin_->TrackbarThumbVert.get(), 5);
  ExpectFrames(skin_->Track.get(), 1);
  ExpectFrames(skin_->TrackVert.get(), 1);
}

TEST_F(DefaultSkinTest, CombinesTheComboImagesAndDerivesArrowAndToolbar) {
  ASSERT_NE(skin_->ComboButton, nullptr);
  EXPECT_EQ(skin_->ComboButton->Style, 2);
  EXPECT_EQ(skin_->ComboButton->Bitmap.Width(), 4 * 50);
  EXPECT_EQ(skin_->ComboButton->Bitmap.Height(), 21);
  EXPECT_EQ(skin_->SunkEdge->Bitmap.Width(), 4 * 50);
  ExpectFrames(skin_->ComboxArrow.get(), 4);
  EXPECT_EQ(skin_->ComboxArrow->Bitmap.Width(), 4 * 17);
  // The arrow glyph shows: the arrow image is not one flat colour.
  const TSkinBitmap& arrow = skin_->ComboxArrow->Bitmap;
  bool varied = false;
  for (int y = 0; y < 17 && !varied; ++y)
    for (int x = 0; x < 17; ++x) varied = varied || arrow.Pixel(x, y) != arrow.Pixel(0, 0);
  EXPECT_TRUE(varied);
  ExpectFrames(skin_->Toolbar.get(), 1);
  EXPECT_EQ(skin_->Toolbar->Bitmap.Width(), 10);
  EXPECT_EQ(skin_->Toolbar->Bitmap.Height(), 40);
}

TEST_F(DefaultSkinTest, TheComponentLoadsItFromItsStoredStream) {
  const skin_test::TTestEnvironment environment;
  const TSkinEnvironmentScope scope(environment);
  TSkinData data(nullptr);
  data.SetActive(true);
  data.SetSkinStream(TSkinData::StoredStream(*archive_));
  data.Loaded();
  EXPECT_FALSE(data.NotLoaded);
  EXPECT_TRUE(data.Active());
}

}  // namespace

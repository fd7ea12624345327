#include "skin/data/model/read_skin_definition.h"

#include <gtest/gtest.h>

#include "skin/data/image/img_util.h"
#include "skin_data/skin_test_util.h"

using skin_test::Strip;

namespace {

constexpr TColor kRed = RgbColour(200, 0, 0);
constexpr TColor kGreen = RgbColour(0, 200, 0);
constexpr TColor kBlue = RgbColour(0, 0, 200);
constexpr TColor kYellow = RgbColour(200, 200, 0);

class ReadSkinDefinitionTest : public ::testing::Test, public skin_test::TSkinReading {};

TEST_F(ReadSkinDefinitionTest, EmptyDescriptionGivesDefaultsAndBuiltInImages) {
  const auto skin = Read("");
  EXPECT_FALSE(skin->NotLoaded);
  EXPECT_EQ(skin->Colours[scWindowText], SystemColour(8));
  EXPECT_EQ(skin->Colours[scButtonFace], SystemColour(15));
  EXPECT_EQ(skin->Colours[scMenubar], SystemColour(15));
  EXPECT_EQ(skin->Colours[9], 0);
  EXPECT_EQ(skin->Colours[10], 0);
  EXPECT_EQ(skin->Colours[scScrollbar], SystemColour(0));
  EXPECT_EQ(skin->Colours[scTitleColour], SystemColour(15));
  for (bool given : skin->ColourGiven) EXPECT_FALSE(given);
  for (TColor c : skin->CustomColors) EXPECT_EQ(c, clWhite);
  EXPECT_TRUE(skin->ColourSections.empty());

  EXPECT_EQ(skin->Title->Frame, 2);
  EXPECT_EQ(skin->Title->FontHeight, 14);
  EXPECT_EQ(skin->Title->ActiveText, clNone);
  EXPECT_EQ(skin->Buttons->Frame, 5);
  EXPECT_EQ(skin->Buttons->CheckButtonFrame, 4);
  EXPECT_EQ(skin->Buttons->RadioButtonFrame, 4);
  EXPECT_EQ(skin->Buttons->NormalColour, -1);
  EXPECT_EQ(skin->Buttons->NormalColour2, SystemColour(18));
  EXPECT_EQ(skin->BorderTop->Tile, 1);
  EXPECT_EQ(skin->BorderTop->Trans, 1);
  EXPECT_EQ(skin->BorderTop->Frame, 1);

  EXPECT_EQ(skin->Progress, nullptr);
  EXPECT_EQ(skin->MenuBar, nullptr);
  EXPECT_EQ(skin->Scrollbar, nullptr);
  EXPECT_EQ(skin->ComboButton, nullptr);
  EXPECT_EQ(skin->ComboxArrow, nullptr);

  // Only the three MDI child buttons, without images.
  ASSERT_EQ(skin->SysButtons.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& button = *skin->SysButtons[static_cast<std::size_t>(i)];
    EXPECT_EQ(button.Action, 7 + i);
    EXPECT_EQ(button.Align, 100);
    EXPECT_EQ(button.Visibility1, 100);
    EXPECT_EQ(button.Frame, 4);
    EXPECT_TRUE(button.Bitmap.Empty());
  }

  ASSERT_NE(skin->Track, nullptr);
  EXPECT_EQ(skin->Track->Bitmap.Width(), 16);
  EXPECT_EQ(skin->Track->Bitmap.Height(), 4);
  EXPECT_EQ(skin->Track->Bitmap.Pixel(2, 0), clGray);
  EXPECT_EQ(skin->Track->Bitmap.Pixel(14, 0), clWhite);
  EXPECT_EQ(skin->Track->Bitmap.Pixel(0, 2), clGray);
  EXPECT_EQ(skin->Track->Margins(), (TRect{3, 3, 3, 3}));
  ASSERT_NE(skin->TrackVert, nullptr);
  EXPECT_EQ(skin->TrackVert->Bitmap.Width(), 4);
  EXPECT_EQ(skin->TrackVert->Bitmap.Height(), 16);
  EXPECT_EQ(skin->TrackVert->Bitmap.Pixel(2, 0), clGray);
  EXPECT_EQ(skin->TrackVert->Bitmap.Pixel(0, 13), clGray);
  EXPECT_EQ(skin->TrackVert->Bitmap.Pixel(0, 14), clWhite);

  ASSERT_NE(skin->Toolbar, nullptr);
  EXPECT_EQ(skin->Toolbar->Bitmap.Width(), 10);
  EXPECT_EQ(skin->Toolbar->Bitmap.Height(), 40);
}

TEST_F(ReadSkinDefinitionTest, BordersKeepTheirHeightsAsMarginsAlongTheirLength) {
  images["l.bmp"] = Strip(4, 30, {kRed, kGreen});
  images["t.bmp"] = Strip(30, 24, {kRed});
  const auto skin = Read(
      "[Personality]\n"
      "Left=l.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftFrame=2\nLeftStretch=0\nLeftTrans=0\n"
      "Top=t.bmp\nTopTopHeight=7\nTopBotHeight=8\nTopStretch=2\nTopFrame=0\n"
      "Right=missing.bmp\n");
  EXPECT_EQ(skin->BorderLeft->Margins(), (TRect{0, 5, 0, 6}));
  EXPECT_EQ(skin->BorderLeft->Frame, 2);
  EXPECT_EQ(skin->BorderLeft->Tile, 0);
  EXPECT_EQ(skin->BorderLeft->Trans, 0);
  EXPECT_EQ(skin->BorderLeft->Name, "Left");
  EXPECT_EQ(skin->BorderTop->Margins(), (TRect{7, 0, 8, 0}));
  EXPECT_EQ(skin->BorderTop->Tile, 1);
  // A frame count of 0 would make every frame division undefined.
  EXPECT_EQ(skin->BorderTop->Frame, 1);
  EXPECT_TRUE(skin->BorderRight->Bitmap.Empty());
}

TEST_F(ReadSkinDefinitionTest, TitleColourIsAPixelAThirdIntoTheTopBordersFirstFrame) {
  // Two frames stacked in a 30 x 20 image: the pixel (10, 3).
  TSkinBitmap top(30, 20, kRed);
  top.SetPixel(10, 3, kBlue);
  images["top.bmp"] = top;
  const auto skin = Read("[Personality]\nTop=top.bmp\nTopFrame=2\n");
  EXPECT_EQ(skin->Colours[scTitleColour], kBlue);
}

TEST_F(ReadSkinDefinitionTest, ReadsColourKeysSectionsAndCustomColours) {
  const auto skin = Read(
      "[Colours]\nButtonFace=10 20 30\nMenuText=1,2,3\nMenubar=\n"
      "[Colour1]\ncolor=4 5 6\n[COLOURS]\nWindowText=9 9 9\n[colour2]\n"
      "[Customcolors]\nColor0=7 8 9\nColor9=1 1 1\n");
  EXPECT_EQ(skin->Colours[scButtonFace], RgbColour(10, 20, 30));
  EXPECT_TRUE(skin->ColourGiven[scButtonFace]);
  EXPECT_EQ(skin->Colours[scMenuText], RgbColour(1, 2, 3));
  // An empty value counts as missing: the menu bar takes the button face.
  EXPECT_EQ(skin->Colours[scMenubar], RgbColour(10, 20, 30));
  EXPECT_FALSE(skin->ColourGiven[scMenubar]);
  EXPECT_FALSE(skin->ColourGiven[scWindowText]);
  EXPECT_EQ(skin->ColourSections, (std::vector<TColor>{RgbColour(4, 5, 6), SystemColour(8)}));
  EXPECT_EQ(skin->CustomColors[0], RgbColour(7, 8, 9));
  EXPECT_EQ(skin->CustomColors[5], clWhite);
  EXPECT_EQ(skin->CustomColors[9], RgbColour(1, 1, 1));
  // Without a top border the title colour is the button face.
  EXPECT_EQ(skin->Colours[scTitleColour], RgbColour(10, 20, 30));
}

TEST_F(ReadSkinDefinitionTest, TitleKeysAndTextColoursFromThreeIntegers) {
  const auto skin = Read(
      "[Personality]\nTextShift=3\nTextShiftVert=4\nTextRightClip=5\nTextAlignment=2\n"
      "ActiveTextR=300\nActiveTextG=1\nActiveTextB=2\nInActiveTextR=1\nInActiveTextG=1\n"
      "[Fonts]\nFontHeight=12\n");
  EXPECT_EQ(skin->Title->Margins(), (TRect{3, 4, 5, 0}));
  EXPECT_EQ(skin->Title->TextAlignment, 2);
  EXPECT_EQ(skin->Title->ActiveText, RgbColour(44, 1, 2));
  EXPECT_EQ(skin->Title->InActiveText, clNone);
  EXPECT_EQ(skin->Title->FontHeight, 12);
}

TEST_F(ReadSkinDefinitionTest, CaptionButtonSectionsAreFilteredAndNamedInCapitals) {
  images["close.bmp"] = Strip(10, 10, {kRed, kGreen, kBlue});  // 30 x 10: three frames
  images["wide.bmp"] = TSkinBitmap(39, 10, kRed);              // ratio 3.9: six frames
  const auto skin = Read(
      "[Button]\nAction=0\n[Buttons]\n[Button.Radio]\n[Button.CheckBox]\n"
      "[ButtonClose]\nAction=0\nButtonImage=close.bmp\nXcoord=5\n"
      "[buttonNothing]\nAction=-1\n"
      "[ButtonShown]\nAction=-1\nVisibility=0\n"
      "[ButtonWide]\nAction=2\nButtonImage=wide.bmp\n"
      "[ButtonHelp]\nAction=3\nButtonImage=close.bmp\n"
      "[ButtonFixed]\nAction=3\nframe=2\nButtonImage=close.bmp\n"
      "[ButtonNegative]\nAction=5\nframe=-2\n");
  ASSERT_EQ(skin->SysButtons.size(), 6u + 3u);
  const auto& b = skin->SysButtons;
  EXPECT_EQ(b[0]->Name, "BUTTONCLOSE");
  EXPECT_EQ(b[0]->Frame, 3);
  EXPECT_EQ(b[0]->Xcoord, 5);
  EXPECT_EQ(b[0]->CombineOp, -1);
  EXPECT_EQ(b[0]->Visibility1, 0);
  EXPECT_EQ(b[1]->Name, "BUTTONSHOWN");
  EXPECT_EQ(b[1]->Frame, 6);
  EXPECT_EQ(b[1]->Visibility1, -1);
  EXPECT_EQ(b[2]->Frame, 6);
  // Help buttons without a frame count lose their image; with one they keep it.
  EXPECT_TRUE(b[3]->Bitmap.Empty());
  EXPECT_EQ(b[4]->Frame, 2);
  EXPECT_FALSE(b[4]->Bitmap.Empty());
  EXPECT_EQ(b[5]->Frame, 1);
  EXPECT_EQ(b[6]->Action, 7);
}

TEST_F(ReadSkinDefinitionTest, RestoreButtonsFollowAMaximiseButtonOfVisibilityTwo) {
  const auto skin = Read(
      "[ButtonEarly]\nAction=4\nXcoord=1\nYcoord=1\n"
      "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=6\n"
      "[ButtonRestore]\nAction=4\nXcoord=99\nYcoord=99\n");
  EXPECT_EQ(skin->SysButtons[0]->Xcoord, 1);
  EXPECT_EQ(skin->SysButtons[2]->Xcoord, 40);
  EXPECT_EQ(skin->SysButtons[2]->Ycoord, 6);
}

TEST_F(ReadSkinDefinitionTest, MdiButtonsTakeFourColumnsEachOfTheMdiImage) {
  TSkinBitmap mdi(120, 9, kRed);
  mdi.FillRect({40, 0, 80, 9}, kGreen);
  mdi.FillRect({80, 0, 120, 9}, kBlue);
  images["mdi.bmp"] = mdi;
  const auto skin = Read("[MDICONTROLS]\nImage=mdi.bmp\n");
  ASSERT_EQ(skin->SysButtons.size(), 3u);
  const TColor colours[] = {kRed, kGreen, kBlue};
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& button = *skin->SysButtons[static_cast<std::size_t>(i)];
    EXPECT_EQ(button.Bitmap.Width(), 40);
    EXPECT_EQ(button.Bitmap.Height(), 9);
    EXPECT_EQ(button.Bitmap.Pixel(0, 0), colours[i]);
    EXPECT_EQ(button.Xcoord, 14 * (3 - i));
  }
}

TEST_F(ReadSkinDefinitionTest, CheckAndRadioFramesComeFromTheImageWidth) {
  images["check13.bmp"] = TSkinBitmap(52, 13);
  images["radio16.bmp"] = TSkinBitmap(96, 16);
  auto skin = Read("[Buttons]\nCheckButton=check13.bmp\nRadioButton=radio16.bmp\nTile=2\n");
  EXPECT_EQ(skin->Buttons->CheckButtonFrame, 4);
  EXPECT_EQ(skin->Buttons->RadioButtonFrame, 6);
  EXPECT_EQ(skin->Buttons->Tile, 0);
  images["check13.bmp"] = TSkinBitmap(26, 13);
  ReadAgain(*skin, "[Buttons]\nCheckButton=check13.bmp\nRadioButtonFrame=9\n");
  EXPECT_EQ(skin->Buttons->CheckButtonFrame, 4);
  EXPECT_EQ(skin->Buttons->RadioButtonFrame, 9);
  // Painters divide the image width by these counts.
  ReadAgain(*skin, "[Buttons]\nCheckButtonFrame=-2\nRadioButtonFrame=-1\n");
  EXPECT_EQ(skin->Buttons->CheckButtonFrame, 1);
  EXPECT_EQ(skin->Buttons->RadioButtonFrame, 1);
}

TEST_F(ReadSkinDefinitionTest, SecondTextColoursMarkWhetherTheSkinGaveThem) {
  const auto skin = Read(
      "[Colours]\nButtonText=1 2 3\n[Buttons]\nNormalColour2=10 20 "
      "30\nPressedColour2=10,20,30\nNormalColour=$FF\n");
  EXPECT_EQ(skin->Buttons->NormalColour2, RgbColour(10, 20, 30));
  EXPECT_EQ(skin->Buttons->PressedColour2, RgbColour(10, 20, 30));
  EXPECT_EQ(skin->Buttons->MouseOverColour2, RgbColour(1, 2, 3));
  EXPECT_TRUE(skin->Buttons->HasNormalColour2);
  EXPECT_FALSE(skin->Buttons->HasMouseOverColour2);
  EXPECT_TRUE(skin->Buttons->HasPressedColour2);
  EXPECT_EQ(skin->Buttons->NormalColour, 0xFF);
}

TEST_F(ReadSkinDefinitionTest, FrameCountsReplaceWhatTheSkinWrote) {
  images["x.bmp"] = TSkinBitmap(40, 10);
  const auto skin = Read(
      "[Progress]\nBitmap=x.bmp\nStyle=1\nTile=5\n[Progress.Chunk]\nImage=x.bmp\nFrame=0\n"
      "[Scrollbar]\nImage=x.bmp\nFrame=7\n[HorzScrollThumb]\nImage=x.bmp\nFrameCount=0\n"
      "[VertScrollThumb]\nImage=x.bmp\n[Headerbar]\nImage=x.bmp\nFrame=3\n[MenuItem]\nImage=x.bmp\n"
      "[StatusBarEdges]\nImage=x.bmp\n[UpDown.Horz]\nImage=x.bmp\nGlyphImage=x.bmp\n"
      "[Tab.Pane]\nImage=x.bmp\nLeftWidth=10\nTopHeight=3\nRightWidth=4\nBottomHeight=5\n"
      "[Track]\nImage=x.bmp\nFrame=-1\n[GroupBoxEdge]\nImage=\n");
  EXPECT_EQ(skin->Progress->Frame, 1);
  EXPECT_EQ(skin->Progress->Tile, 1);
  EXPECT_EQ(skin->ProgressChunk->Frame, 1);
  EXPECT_EQ(skin->Scrollbar->Frame, 23);
  EXPECT_EQ(skin->HorzScrollThumb->Frame, 1);
  EXPECT_EQ(skin->VertScrollThumb->Frame, 3);
  EXPECT_EQ(skin->Headerbar->Frame, 3);
  EXPECT_EQ(skin->MenuItem->Frame, 5);
  EXPECT_EQ(skin->StatusBarEdges->Frame, 3);
  EXPECT_EQ(skin->UpDownHorz->Frame, 8);
  EXPECT_EQ(skin->UpDownHorz->Bitmap2.Width(), 40);
  EXPECT_EQ(skin->TabPane->Margins(), (TRect{4, 3, 4, 4}));
  EXPECT_EQ(skin->TabPane->Frame, 1);
  EXPECT_EQ(skin->Track->Frame, 1);
  EXPECT_EQ(skin->Track->Bitmap.Width(), 40);
  EXPECT_EQ(skin->GroupBoxEdge, nullptr);
}

TEST_F(ReadSkinDefinitionTest, ASecondReadingDropsElementsTheNewSkinLacks) {
  images["x.bmp"] = TSkinBitmap(40, 10);
  const auto skin = Read("[Scrollbar]\nImage=x.bmp\n[Buttons]\nBitmap=x.bmp\n");
  ASSERT_NE(skin->Scrollbar, nullptr);
  ReadAgain(*skin, "");
  EXPECT_EQ(skin->Scrollbar, nullptr);
  EXPECT_TRUE(skin->Buttons->Bitmap.Empty());
}

// Edit edge and drop-down button in four frames of distinct colours.
class ComboImageTest : public ReadSkinDefinitionTest {
 protected:
  void SetUp() override {
    images["edge.bmp"] = Strip(10, 21, {kRed, kGreen, kBlue, kYellow});
    images["button.bmp"] = Strip(16, 21, {kBlue, kYellow, kRed, kGreen});
  }
  static constexpr const char* kCombo =
      "[SunkEdge]\nImage=edge.bmp\nTopHeight=2\nBottomHeight=3\n[ComboButton]\nImage=button.bmp\n";
};

TEST_F(ComboImageTest, ComposesEdgeAndButtonPerFrame) {
  const auto skin = Read(kCombo);
  const TSkinBitmap& combo = skin->ComboButton->Bitmap;
  ASSERT_EQ(combo.Width(), 200);
  ASSERT_EQ(combo.Height(), 21);
  EXPECT_EQ(skin->ComboButton->Style, 2);
  EXPECT_EQ(skin->ComboButton->Frame, 4);
  // The arrow width 16 plus 2: the button covers x 32..49 of each frame.
  EXPECT_EQ(skin->ComboButton->Margins(), (TRect{2, 2, 20, 3}));
  const TColor edge[] = {kRed, kGreen, kBlue, kYellow};
  const TColor button[] = {kBlue, kYellow, kRed, kGreen};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(combo.Pixel(50 * k, 0), edge[k]);
    EXPECT_EQ(combo.Pixel(50 * k + 10, 10), clFuchsia);
    EXPECT_EQ(combo.Pixel(50 * k + 40, 10), button[k]);
  }
  // The edge gets the mirror image: button at the left.
  const TSkinBitmap& mirrored = skin->SunkEdge->Bitmap;
  EXPECT_EQ(mirrored.Pixel(199 - 40, 10), button[0]);
  EXPECT_EQ(skin->SunkEdge->Margins(), (TRect{20, 2, 2, 3}));
  // The button's own second image is its original, mirrored.
  EXPECT_EQ(skin->ComboButton->Bitmap2.Width(), 64);
  EXPECT_EQ(skin->ComboButton->Bitmap2.Pixel(0, 0), kGreen);

  ASSERT_NE(skin->ComboxArrow, nullptr);
  EXPECT_EQ(skin->ComboxArrow->Name, "ComboxArrow");
  EXPECT_EQ(skin->ComboxArrow->Frame, 4);
  EXPECT_EQ(skin->ComboxArrow->Bitmap.Width(), 68);
  EXPECT_EQ(skin->ComboxArrow->Bitmap.Height(), 17);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(skin->ComboxArrow->Bitmap.Pixel(17 * k + 1, 0), button[k]);
}

TEST_F(ComboImageTest, ArrowSurvivesASkinWithoutComboImages) {
  const auto skin = Read(kCombo);
  const TSkinBitmap arrow = skin->ComboxArrow->Bitmap;
  ReadAgain(*skin, "");
  EXPECT_EQ(skin->ComboButton, nullptr);
  ASSERT_NE(skin->ComboxArrow, nullptr);
  EXPECT_EQ(skin->ComboxArrow->Bitmap, arrow);
}

TEST_F(ComboImageTest, ButtonAloneGivesTheArrowOnTheButtonFace) {
  TSkinBitmap button(20, 10, clFuchsia);
  button.SetPixel(3, 3, kRed);
  images["button.bmp"] = button;
  const auto skin = Read("[Colours]\nButtonFace=1 2 3\n[ComboButton]\nImage=button.bmp\n");
  ASSERT_NE(skin->ComboxArrow, nullptr);
  EXPECT_EQ(skin->ComboxArrow->Frame, 4);
  EXPECT_EQ(skin->ComboxArrow->Bitmap.Pixel(0, 0), RgbColour(1, 2, 3));
  EXPECT_EQ(skin->ComboxArrow->Bitmap.Pixel(3, 3), kRed);
  EXPECT_EQ(skin->ComboButton->Style, 0);
}

TEST_F(ComboImageTest, EdgeAloneGivesNoArrow) {
  const auto skin = Read("[SunkEdge]\nImage=edge.bmp\n");
  EXPECT_EQ(skin->ComboxArrow, nullptr);
  EXPECT_EQ(skin->SunkEdge->Bitmap.Width(), 40);
}

TEST_F(ReadSkinDefinitionTest, ToolbarShadesFromTheButtonFaceTowardsTheTitleColour) {
  const TSystemColours& system = environment.SystemColours();
  // A light grey title: the bottom mixes grey with it.
  images["top.bmp"] = TSkinBitmap(30, 10, RgbColour(180, 180, 180));
  auto skin = Read("[Colours]\nButtonFace=200 200 200\n[Personality]\nTop=top.bmp\n");
  const TSkinBitmap& grey = skin->Toolbar->Bitmap;
  EXPECT_EQ(grey.Pixel(0, 0), MixColours(RgbColour(200, 200, 200), clWhite, 150, system));
  EXPECT_EQ(grey.Pixel(9, 0), grey.Pixel(0, 0));
  const TColor grey_bottom = MixColours(clGray, RgbColour(180, 180, 180), 150, system);
  EXPECT_NEAR(RedOf(grey.Pixel(0, 39)), RedOf(grey_bottom), 2);
  // A saturated light blue title: the bottom is that blue lightened with white.
  const TColor blue = RgbColour(60, 120, 230);
  images["top.bmp"] = TSkinBitmap(30, 10, blue);
  ReadAgain(*skin, "[Personality]\nTop=top.bmp\n");
  const int saturation = ColourSaturation(blue, system);
  ASSERT_GT(saturation, 110);
  const TColor blue_bottom = MixColours(blue, clWhite, (5625 - 25 * saturation) / 140 + 50, system);
  EXPECT_NEAR(BlueOf(skin->Toolbar->Bitmap.Pixel(0, 39)), BlueOf(blue_bottom), 2);
  EXPECT_NEAR(RedOf(skin->Toolbar->Bitmap.Pixel(0, 39)), RedOf(blue_bottom), 2);
}

}  // namespace

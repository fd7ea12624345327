#include "skin/data/model/skin_loading.h"

#include <gtest/gtest.h>

#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/image/bmp_writer.h"
#include "skin_data/skin_test_util.h"

namespace {

constexpr TColor kRed = RgbColour(200, 0, 0);

TSkinReader ReaderOf(const TSkinArchiveWriter& writer) {
  TSkinReader reader;
  EXPECT_EQ(reader.LoadContainer(writer.Container()), TArchiveResult::arLoaded);
  return reader;
}

TEST(LoadElementImage, TakesTheFileNamePartAndNeedsALowerCaseBmpExtension) {
  TSkinArchiveWriter writer;
  writer.AddMember("Frame.bmp", WriteBmp(TSkinBitmap(3, 2, kRed)));
  writer.AddMember("first.bmp", WriteBmp(TSkinBitmap(1, 1, kRed)));
  writer.AddMember("first.bmp", WriteBmp(TSkinBitmap(2, 2, kRed)));
  writer.AddMember("notes.txt", "text");
  const TSkinReader reader = ReaderOf(writer);
  EXPECT_EQ(LoadElementImage(reader, "Frame.bmp").Width(), 3);
  EXPECT_EQ(LoadElementImage(reader, "FRAME.bmp").Pixel(0, 0), kRed);
  EXPECT_EQ(LoadElementImage(reader, "c:\\skins\\blue\\frame.bmp").Width(), 3);
  EXPECT_EQ(LoadElementImage(reader, "d:frame.bmp").Width(), 3);
  EXPECT_TRUE(LoadElementImage(reader, "frame.BMP").Empty());
  EXPECT_TRUE(LoadElementImage(reader, "frame").Empty());
  EXPECT_TRUE(LoadElementImage(reader, "skins\\").Empty());
  EXPECT_TRUE(LoadElementImage(reader, "notes.txt").Empty());
  EXPECT_TRUE(LoadElementImage(reader, "missing.bmp").Empty());
  EXPECT_EQ(LoadElementImage(reader, "first.bmp").Width(), 1);
}

TEST(LoadElementImage, ASeparatorByteInsideAChineseCharacterIsNoSeparator) {
  // "\x95\x5C" is one GBK character whose second byte is a backslash.
  TSkinArchiveWriter writer;
  writer.AddMember("\x95\x5C.bmp", WriteBmp(TSkinBitmap(4, 1, kRed)));
  const TSkinReader reader = ReaderOf(writer);
  EXPECT_EQ(LoadElementImage(reader, "dir\\\x95\x5C.bmp").Width(), 4);
}

TEST(LoadSkinArchive, ReadsTheDescriptionAndItsImages) {
  TSkinArchiveWriter writer;
  writer.AddMember("skin.ini", "[TitlebarSkin]\r\nSkinName=Test\r\n[Scrollbar]\r\nImage=bars\\strip.bmp\r\n");
  writer.AddMember("strip.bmp", WriteBmp(TSkinBitmap(23, 5, kRed)));
  skin_test::TTestEnvironment environment;
  TSkinDefinition skin;
  EXPECT_EQ(LoadSkinArchive(skin, writer.Archive(), environment), TArchiveResult::arLoaded);
  EXPECT_FALSE(skin.NotLoaded);
  EXPECT_EQ(skin.SkinName, "Test");
  ASSERT_NE(skin.Scrollbar, nullptr);
  EXPECT_EQ(skin.Scrollbar->Bitmap.Width(), 23);
  EXPECT_EQ(environment.messages, 0);
}

TEST(LoadSkinArchive, AnArchiveWithoutDescriptionLoadsTheDefaults) {
  TSkinArchiveWriter writer;
  writer.AddMember("strip.bmp", WriteBmp(TSkinBitmap(2, 2, kRed)));
  skin_test::TTestEnvironment environment;
  TSkinDefinition skin;
  EXPECT_EQ(LoadSkinArchive(skin, writer.Archive(), environment), TArchiveResult::arLoaded);
  EXPECT_FALSE(skin.NotLoaded);
  EXPECT_EQ(skin.Scrollbar, nullptr);
}

TEST(LoadSkinArchive, UnknownVersionTellsTheUserAndLeavesTheSkinUnloaded) {
  skin_test::TTestEnvironment environment;
  TSkinDefinition skin;
  skin.NotLoaded = false;
  EXPECT_EQ(LoadSkinArchive(skin, skin_test::ArchiveOfVersion(19999), environment),
            TArchiveResult::arUnknownVersion);
  EXPECT_TRUE(skin.NotLoaded);
  EXPECT_EQ(environment.messages, 1);
}

TEST(LoadSkinArchive, ADamagedArchiveSaysNothing) {
  skin_test::TTestEnvironment environment;
  TSkinDefinition skin;
  EXPECT_EQ(LoadSkinArchive(skin, "", environment), TArchiveResult::arDamaged);
  EXPECT_TRUE(skin.NotLoaded);
  EXPECT_EQ(environment.messages, 0);
}

}  // namespace

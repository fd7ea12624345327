// How a skin component uses the system's share it was given: when the face
// brush and the caption font are made, and when a caption hint is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/model/skin_data.h"

namespace {

struct TCalls {
  std::vector<std::string> log;
};

class TRecordingPart final : public TSkinDataSystemPart {
 public:
  explicit TRecordingPart(TCalls& calls) : calls_(calls) {}
  void SkinRead(const TSkinData& data) override {
    calls_.log.push_back("read " + std::to_string(data.Colours[scButtonFace]));
  }
  void Loaded(const TSkinData&) override { calls_.log.push_back("loaded"); }
  void ShowHint(const TRect& rect, const AnsiString& text) override {
    calls_.log.push_back("show " + std::to_string(rect.Left) + "," + std::to_string(rect.Top) + " " + text);
  }
  void HideHint() override { calls_.log.push_back("hide"); }

 private:
  TCalls& calls_;
};

class TRecordingEnvironment final : public TSkinEnvironment {
 public:
  const TSystemColours& SystemColours() const override { return colours_; }
  int ScrollArrowWidth() const override { return 16; }
  int MaximizedWidth() const override { return 800; }
  int MaximizedHeight() const override { return 600; }
  bool HasScrollBarInfo() const override { return true; }
  void ShowOlderSkinMessage() const override {}
  std::unique_ptr<TSkinDataSystemPart> CreateSkinDataPart() const override {
    return std::make_unique<TRecordingPart>(calls);
  }

  mutable TCalls calls;

 private:
  TClassicSystemColours colours_;
};

class SkinDataSystemPartTest : public ::testing::Test {
 protected:
  std::vector<std::string>& Log() { return environment_.calls.log; }

  TRecordingEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
};

TEST_F(SkinDataSystemPartTest, TheFaceBrushFollowsEveryReadingAndTheFontTheLoadedForm) {
  TSkinData data(nullptr);
  ASSERT_NE(data.SystemPart(), nullptr);
  TSkinArchiveWriter writer;
  writer.AddMember("skin.ini", "[Colours]\r\nButtonFace=1 0 0\r\n");
  const std::string archive = writer.Archive();
  // Sized once: growing it by push_back and then insert makes GCC 12 at -O3
  // warn falsely (-Wstringop-overflow).
  TBytes payload(4 + archive.size());
  const auto size = static_cast<std::uint32_t>(archive.size());
  for (std::size_t i = 0; i < 4; ++i) payload[i] = static_cast<std::uint8_t>(size >> (8 * i));
  std::copy(archive.begin(), archive.end(), payload.begin() + 4);
  data.SetSkinStream(payload);
  data.Loaded();
  EXPECT_EQ(Log(), (std::vector<std::string>{"read 1", "loaded"}));
}

TEST_F(SkinDataSystemPartTest, ACaptionHintShowsOnceUntilHidden) {
  TSkinData data(nullptr);
  data.HideCaptionHint();  // nothing showing: nothing to hide
  data.ShowCaptionHint(TRect{5, 6, 7, 8}, "Close");
  data.ShowCaptionHint(TRect{50, 60, 70, 80}, "Help");
  EXPECT_TRUE(data.HintShowing());
  data.HideCaptionHint();
  data.HideCaptionHint();
  EXPECT_FALSE(data.HintShowing());
  data.ShowCaptionHint(TRect{50, 60, 70, 80}, "Help");
  EXPECT_EQ(Log(), (std::vector<std::string>{"show 5,6 Close", "hide", "show 50,60 Help"}));
}

TEST_F(SkinDataSystemPartTest, WithoutTheHintOptionCaptionHintsAreNotShown) {
  TSkinData data(nullptr);
  data.SetOptions(TSkinOptions::FromBits(TSkinData::kDefaultOptions & ~(1u << 10)));
  data.ShowCaptionHint(TRect{5, 6, 7, 8}, "Close");
  EXPECT_FALSE(data.HintShowing());
  EXPECT_TRUE(Log().empty());
}

TEST(SkinDataSystemPart, ThePortableStandInHasNone) {
  const TPortableSkinEnvironment portable;
  const TSkinEnvironmentScope scope(portable);
  TSkinData data(nullptr);
  EXPECT_EQ(data.SystemPart(), nullptr);
  data.ShowCaptionHint(TRect{5, 6, 7, 8}, "Close");
  EXPECT_TRUE(data.HintShowing());
  data.HideCaptionHint();
  EXPECT_FALSE(data.HintShowing());
}

}  // namespace

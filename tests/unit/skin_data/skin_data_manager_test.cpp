// What a skin component asks of the skin manager, and when.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/class_registry.h"
#include "framework/form_reader.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/model/skin_data.h"
#include "skin_data/skin_test_util.h"

namespace {

// Records every request as one line.
class TRecordingManager final : public TSkinManagerLink {
 public:
  void RegisterSkinData(TSkinData&) override { log.push_back("register"); }
  void UnregisterSkinData(TSkinData&) override { log.push_back("unregister"); }
  void InstallHook() override { log.push_back("hook"); }
  void SetPendingSkinData(TSkinData* data) override { log.push_back(data ? "pending" : "pending none"); }
  void ScheduleCommand(TSkinCommand command, unsigned delay_ms) override {
    log.push_back("command " + std::to_string(static_cast<unsigned>(command)) + " " +
                  std::to_string(delay_ms));
  }
  TSkinManagerState State() const override { return state; }
  void SetState(TSkinManagerState value) override {
    state = value;
    log.push_back("state " + std::to_string(static_cast<int>(value)));
  }
  void ActivateImmediately() override { log.push_back("activate now"); }
  bool SkinWindow(TWindowHandle window) override {
    log.push_back("skin window " + std::to_string(window));
    return true;
  }
  void SkinDataReplacing(TSkinData& data) override {
    log.push_back("replacing");
    // What a form skin still holds when it is told to let go.
    title_at_replacing = data.Title.get();
    progress_at_replacing = data.Progress.get();
    name_at_replacing = data.SkinName;
  }

  std::vector<std::string> log;
  TSkinManagerState state = TSkinManagerState::smsIdle;
  const TDataSkinTitle* title_at_replacing = nullptr;
  const TDataSkinBorder* progress_at_replacing = nullptr;
  AnsiString name_at_replacing;
};

using Log = std::vector<std::string>;

class SkinDataManagerTest : public ::testing::Test {
 protected:
  SkinDataManagerTest() { environment_.manager = &manager_; }

  static std::string Archive(const char* name) {
    TSkinArchiveWriter writer;
    writer.AddMember("skin.ini", std::string("[TitlebarSkin]\r\nSkinName=") + name +
                                     "\r\n[Progress]\r\nBitmap=progress.bmp\r\n");
    return writer.Archive();
  }

  // A component read from a form description, as the program has it.
  std::unique_ptr<TComponent> ReadFormWith(const std::string& properties) {
    const TClassRegistry classes{{&TSkinData::StaticClassInfo()}};
    auto form = std::make_unique<TComponent>(nullptr);
    ReadForm(*form, "object Form1: TComponent\n  object skndt1: TSkinData\n" + properties + "  end\nend\n",
             classes);
    return form;
  }
  static TSkinData& SkinOf(const TComponent& form) {
    return *ObjectAs<TSkinData>(form.FindComponent("skndt1"));
  }

  // A loaded main-form component with a good skin, the log emptied.
  void LoadMainForm(TSkinData& skin) {
    skin.SetSkinStream(TSkinData::StoredStream(Archive("One")));
    skin.Loaded();
    manager_.log.clear();
  }

  TRecordingManager manager_;
  skin_test::TTestEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
};

TEST_F(SkinDataManagerTest, AMainFormAsksForActivationOnlyOnceTheFormIsRead) {
  const std::string stream = "    SkinStream = {\n      " + [] {
    std::string hex;
    for (const std::uint8_t byte : TSkinData::StoredStream(Archive("One"))) {
      static const char digits[] = "0123456789ABCDEF";
      hex += digits[byte >> 4];
      hex += digits[byte & 15];
    }
    return hex;
  }() + "}\n";
  const auto form = ReadFormWith("    Active = True\n" + stream);
  EXPECT_TRUE(SkinOf(*form).Active());
  EXPECT_EQ(manager_.log, (Log{"register", "hook", "pending", "command 1 250"}));

  manager_.log.clear();
  const auto unloaded = ReadFormWith("    Active = True\n");
  EXPECT_FALSE(SkinOf(*unloaded).Active());
  EXPECT_EQ(manager_.log, (Log{"register", "hook"}));
}

TEST_F(SkinDataManagerTest, AMainFormSwitchesThroughTheManagersTimer) {
  TSkinData skin(nullptr);
  // Before Loaded there is no manager to ask.
  skin.SetActive(true);
  skin.SetActive(false);
  EXPECT_TRUE(manager_.log.empty());

  LoadMainForm(skin);
  skin.SetActive(true);
  skin.SetActive(true);
  EXPECT_EQ(manager_.log, (Log{"pending", "command 1 250", "state 1"}));
  manager_.log.clear();
  skin.SetActive(false);
  EXPECT_EQ(manager_.log, (Log{"pending", "command 2 250"}));

  // A skin that did not load cannot be switched on.
  manager_.log.clear();
  skin.SetSkinFile("no such skin file.skn");
  skin.SetActive(true);
  EXPECT_TRUE(skin.Active());
  EXPECT_TRUE(manager_.log.empty());
}

TEST_F(SkinDataManagerTest, OtherFormTypesSkinAtOnceOrOnlyStoreTheValue) {
  environment_.form_window = 77;
  TComponent owner(nullptr);
  auto* only = new TSkinData(&owner);
  only->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
  only->SetActive(true);
  only->Loaded();
  EXPECT_EQ(manager_.log, (Log{"register", "activate now", "skin window 77"}));

  manager_.log.clear();
  only->SetActive(false);
  only->SetActive(true);
  // Not loaded: made pending, but not activated.
  EXPECT_EQ(manager_.log, (Log{"pending", "command 2 250", "pending"}));

  manager_.log.clear();
  auto* dialog = new TSkinData(&owner);
  dialog->SetSkinFormtype(TSkinFormType::sfDialog);
  dialog->Loaded();
  dialog->SetActive(true);
  // Inactive: its form is left alone.
  EXPECT_EQ(manager_.log, (Log{"register", "activate now"}));
}

TEST_F(SkinDataManagerTest, ANewSkinIsAnnouncedBeforeItReplacesTheElementsAndAppliedOnceSkinningRuns) {
  TSkinData skin(nullptr);
  LoadMainForm(skin);
  TDataSkinTitle* const title = skin.Title.get();
  TDataSkinButton* const buttons = skin.Buttons.get();
  TDataSkinBorder* const left = skin.BorderLeft.get();
  const TDataSkinBorder* const progress = skin.Progress.get();
  ASSERT_NE(progress, nullptr);

  skin.SetSkinStream(TSkinData::StoredStream(Archive("Two")));
  EXPECT_EQ(manager_.log, (Log{"replacing"}));
  EXPECT_EQ(manager_.name_at_replacing, "One");
  EXPECT_EQ(manager_.progress_at_replacing, progress);
  EXPECT_EQ(skin.SkinName, "Two");
  // Records that caption buttons and painters hold stay where they are.
  EXPECT_EQ(skin.Title.get(), title);
  EXPECT_EQ(skin.Buttons.get(), buttons);
  EXPECT_EQ(skin.BorderLeft.get(), left);

  manager_.log.clear();
  skin.ApplySkin();
  EXPECT_EQ(manager_.log, (Log{"pending"}));
  manager_.state = TSkinManagerState::smsRunning;
  manager_.log.clear();
  skin.ApplySkin();
  EXPECT_EQ(manager_.log, (Log{"pending", "command 3 250"}));
}

TEST_F(SkinDataManagerTest, ApplyingBeforeTheFormWasReadConnectsFirst) {
  {
    TSkinData skin(nullptr);
    skin.SetLoading(true);
    skin.ApplySkin();
    EXPECT_TRUE(manager_.log.empty());
    skin.SetLoading(false);
    skin.ApplySkin();
    EXPECT_EQ(manager_.log, (Log{"register", "hook", "pending"}));
  }
  EXPECT_EQ(manager_.log.back(), "unregister");
}

TEST_F(SkinDataManagerTest, FramePaintingIsOffForOneScopeOnly) {
  TSkinData skin(nullptr);
  EXPECT_TRUE(skin.FramePainting());
  {
    const TFramePaintingOff off(skin);
    EXPECT_FALSE(skin.FramePainting());
    { const TFramePaintingOff again(skin); }
    EXPECT_FALSE(skin.FramePainting());
  }
  EXPECT_TRUE(skin.FramePainting());
}

}  // namespace

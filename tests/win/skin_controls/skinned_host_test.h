#pragma once
// The fixture of the control-skin window tests: the main window's skin
// component (the skin the controls are drawn with) and an empty test form
// shown beside it, under the Windows skin environment.

#include <gtest/gtest.h>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin_windows/skin_test_input.h"

class SkinnedHostTest : public ::testing::Test {
 protected:
  explicit SkinnedHostTest(int width = 420, int height = 320) : width_(width), height_(height) {}

  static void SetUpTestSuite() { InitializeApplication(); }

  void SetUp() override {
    main_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(main_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
    AdjustSkin(*skin_);
    form_ = new TForm(&Application());
    form_->SetBounds(40, 40, width_, height_);
    form_->HandleNeeded();
    ShowWindow(form_->Handle(), SW_SHOW);
    SetForegroundWindow(form_->Handle());
    Pump(60);
  }
  void TearDown() override {
    form_->Free();
    main_->Free();
  }

  // Changes the skin's settings before the test form is made.
  virtual void AdjustSkin(TSkinData&) {}

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
  Tfrmmain* main_ = nullptr;
  TSkinData* skin_ = nullptr;
  TForm* form_ = nullptr;

 private:
  int width_;
  int height_;
};

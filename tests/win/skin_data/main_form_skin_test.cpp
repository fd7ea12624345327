// The main window's description carries the default skin for its skin
// component, which reads it while the window is read.

#include <gtest/gtest.h>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/data/win/skin_environment_win.h"

TEST(MainFormSkin, TheSkinComponentLoadsTheStoredArchive) {
  InitializeApplication();
  const TWinSkinEnvironment environment;
  const TSkinEnvironmentScope scope(environment);
  auto* form = new Tfrmmain(&Application());
  auto* skin = ObjectAs<TSkinData>(form->FindComponent("skndt1"));
  ASSERT_NE(skin, nullptr);
  EXPECT_GT(skin->StoredArchive().Size(), 0);
  EXPECT_FALSE(skin->NotLoaded);
  EXPECT_TRUE(skin->Active());
  EXPECT_EQ(skin->SkinName, "Slate");
  EXPECT_EQ(skin->SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_EQ(skin->Options().Bits(), 0xDE9u);
  // The main menu is skinned, so menu items are not skinned on their own.
  EXPECT_EQ(skin->SkinControls().Bits(), 0x1FFFFBu);
  EXPECT_EQ(skin->Skin3rd()->Count(), 118);
  // The program has no icon of its own: its caption shows the system's.
  form->HandleNeeded();
  EXPECT_FALSE(WinPart(*skin)->AppIcon().Empty());
  form->Free();
}

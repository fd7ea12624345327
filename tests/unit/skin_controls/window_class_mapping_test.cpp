#include "skin/controls/window_class_mapping.h"

#include <gtest/gtest.h>

#include "skin/windows/win32_values.h"
#include "skin_controls/mapping_test_util.h"

using namespace mapping_test;
using enum TSkinControlClass;
using enum TSkinControlType;

namespace {
constexpr std::uint32_t kChild = kWsChild | 0x10000000;  // a visible child window
constexpr std::uint32_t kTabStop = 0x00010000;
}  // namespace

// Buttons of a system dialog by their BS_ type (the low four bits).
TEST(WindowClassMapping, ButtonsByType) {
  const TMappingSettings all = AllKinds();
  const struct {
    std::uint32_t Type;
    TSkinControlClass Expected;
    TSkinControlType Needs;
  } rows[] = {
      {0x0, scSkinButton, xcButton},
      {0x1, scSkinButton, xcButton},
      {0x2, scSkinCheckBox, xcCheckBox},
      {0x3, scSkinCheckBox, xcCheckBox},
      {0x4, scSkinRadioButton, xcRadioButton},
      {0x5, scSkinCheckBox, xcCheckBox},
      {0x6, scSkinCheckBox, xcCheckBox},
      {0x7, scNone, xcButton},
      {0x8, scSkinButton, xcButton},
      {0x9, scSkinRadioButton, xcRadioButton},
      {0xA, scNone, xcButton},
      {0xB, scNone, xcButton},
      {0xC, scNone, xcButton},
      {0xD, scNone, xcButton},
      {0xE, scNone, xcButton},
      {0xF, scNone, xcButton},
  };
  for (const auto& row : rows) {
    const std::uint32_t style = kChild | kTabStop | row.Type;
    EXPECT_EQ(ChooseWindowSkin("Button", style, all), Skin(row.Expected)) << row.Type;
    EXPECT_EQ(ChooseWindowSkin("Button", style, Without(all, row.Needs)), TSkinMapping{}) << row.Type;
  }
  // Bitmap buttons keep their look, as do owner-drawn ones whatever other bits they carry.
  EXPECT_EQ(ChooseWindowSkin("BUTTON", kChild | 0x80, all), TSkinMapping{});
  EXPECT_EQ(ChooseWindowSkin("button", kChild | 0x1 | 0x20, all), Skin(scSkinButton));
}

TEST(WindowClassMapping, OtherClasses) {
  const TMappingSettings all = AllKinds();
  TSkinMapping first_child = Skin(scSkinComBox);
  first_child.Skin.Target = TAttachTarget::atFirstChildWindow;
  TSkinMapping embedded_dialog = Skin(scSkinBoxH);
  embedded_dialog.Children = TChildMapping::cmMapFirst;
  TSkinMapping panel;
  panel.Children = TChildMapping::cmMapFirst;
  panel.FaceColour = true;
  TSkinMapping silent;
  silent.FaceColour = true;
  const struct {
    const char* Class;
    std::uint32_t Style;
    TSkinMapping Expected;
  } rows[] = {
      {"ComboBox", kChild | 0x2, Skin(scSkinComBox)},  // drop-down
      {"ComboBox", kChild | 0x3, Skin(scSkinComBox)},  // drop-down list
      {"ComboBox", kChild | 0x1, {}},                  // simple: its list always shows
      {"ComboBoxEx32", kChild | 0x2, first_child},
      {"ScrollBar", kChild | 0x10, Skin(scSkinSizer)},  // size grip
      {"ScrollBar", kChild | 0x08, Skin(scSkinSizer)},  // size box
      {"ScrollBar", kChild | 0x01, {}},                 // a working scroll bar
      {"ScrollBar", kChild | kTabStop | 0x10, {}},
      {"SysTreeView32", kChild, {}},
      {"#32770", kChild, embedded_dialog},
      {"#32770", kChild | kTabStop, {}},
      {"TPanel", kChild, panel},
      {"TTntPanel.UnicodeClass", kChild, panel},
      {"TTntSilentPaintPanel.UnicodeClass", kChild, panel},
      {"TSilentPaintPanel", kChild, silent},
      {"TCheckBox", kChild, Skin(scSkinCheckBox)},
      {"TComboBox", kChild, Skin(scSkinComBox)},
      {"TButton", kChild, Skin(scSkinButton)},
      {"TProgressBar", kChild, Skin(scSkinProgress)},
      {"SysTabControl32", kChild, Skin(scSkinTab)},
      {"SysTabControl32", kChild | 0x2000, {}},  // owner-drawn tabs
      {"ToolbarWindow32", kChild, Skin(scSkinBoxH)},
      {"Edit", kChild | kWsVScroll, Skin(scSkinEdit)},
      {"Static", kChild, {}},
      {"SysListView32", kChild, {}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(ChooseWindowSkin(row.Class, row.Style, all), row.Expected) << row.Class;
  // Gated classes without their member; progress bars and panels need none.
  TMappingSettings none;
  for (const char* name :
       {"ComboBox", "ComboBoxEx32", "TCheckBox", "TComboBox", "TButton", "SysTabControl32", "Edit"})
    EXPECT_EQ(ChooseWindowSkin(name, kChild, none), TSkinMapping{}) << name;
  EXPECT_EQ(ChooseWindowSkin("TProgressBar", kChild, none), Skin(scSkinProgress));
  EXPECT_EQ(ChooseWindowSkin("tpanel", kChild, none), panel);
}

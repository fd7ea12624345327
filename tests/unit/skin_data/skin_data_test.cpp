#include "skin/data/model/skin_data.h"

#include <gtest/gtest.h>

#include "framework/class_registry.h"
#include "framework/form_reader.h"
#include "framework/properties.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin_data/skin_test_util.h"

namespace {

// Installs a test environment for the components a test creates.
class SkinDataTest : public ::testing::Test {
 protected:
  static std::string GoodArchive() {
    TSkinArchiveWriter writer;
    writer.AddMember("skin.ini", "[TitlebarSkin]\r\nSkinName=Good\r\n");
    return writer.Archive();
  }

  skin_test::TTestEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
};

TEST_F(SkinDataTest, StartsWithItsDefaults) {
  TSkinData skin(nullptr);
  EXPECT_FALSE(skin.Active());
  EXPECT_EQ(skin.DisableTag(), 99);
  EXPECT_EQ(skin.SkinControls().Bits(), 0x1FFFFBu);
  EXPECT_FALSE(skin.SkinControls().Contains(TSkinControlType::xcMenuItem));
  EXPECT_FALSE(skin.SkinControls().Contains(TSkinControlType::xcFastReport));
  EXPECT_EQ(skin.Options(), (TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK,
                                          TSkinOption::xoCaptionButtonHint}));
  EXPECT_EQ(skin.Options().Bits(), 0x448u);
  EXPECT_EQ(skin.SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_TRUE(skin.MenuUpdate());
  EXPECT_FALSE(skin.MenuMerge());
  EXPECT_EQ(skin.Version(), "5.60.03.29");
  EXPECT_EQ(skin.SkinStore(), "(none)");
  EXPECT_TRUE(skin.NotLoaded);
  EXPECT_EQ(skin.StoredArchive().Size(), 0);
  EXPECT_EQ(skin.Title->Name, "Title");
  EXPECT_EQ(skin.Buttons->Name, "Buttons");
  EXPECT_EQ(skin.BorderBottom->Name, "Bottom");
  EXPECT_EQ(skin.MaximizedWidth(), 800);
  EXPECT_EQ(skin.MaximizedHeight(), 600);
}

TEST_F(SkinDataTest, Skin3rdHoldsTheDefaultMapping) {
  TSkinData skin(nullptr);
  const TStringList& lines = *skin.Skin3rd();
  ASSERT_EQ(lines.Count(), 118);
  EXPECT_EQ(lines.IndexOf("TCategoryButtons=scrollbar"), 0);
  EXPECT_GE(lines.IndexOf("TcxGroupbox=groupbox"), 0);
  EXPECT_GE(lines.IndexOf("TLMDGROUPBOX=Panel"), 0);
  EXPECT_GE(lines.IndexOf("TLMDGroupBox=Groupbox"), 0);
  // No class maps to two kinds; three occur twice with the same kind.
  std::map<std::string, std::string> kinds;
  int repeats = 0;
  for (const AnsiString& line : lines.Items()) {
    const std::size_t eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    const auto [it, inserted] = kinds.emplace(line.substr(0, eq), line.substr(eq + 1));
    if (!inserted) {
      ++repeats;
      EXPECT_EQ(it->second, line.substr(eq + 1)) << line;
    }
  }
  EXPECT_EQ(repeats, 3);
}

TEST_F(SkinDataTest, PropertiesByName) {
  TSkinData skin(nullptr);
  SetPropValue(skin, "Active", AnsiString("True"));
  SetPropValue(skin, "DisableTag", std::int64_t{7});
  SetPropValue(skin, "SkinFormtype", AnsiString("sfDialog"));
  SetPropValue(skin, "Options", TSetValue{{"xoNoFocusRect", "xoMenuBG"}});
  SetPropValue(skin, "SkinControls", TSetValue{{"xcMainMenu", "xcButton"}});
  SetPropValue(skin, "Version", AnsiString("1.0"));
  SetPropValue(skin, "SkinStore", AnsiString("(Good)"));
  SetPropValue(skin, "MenuMerge", AnsiString("True"));
  EXPECT_TRUE(skin.Active());
  EXPECT_EQ(skin.DisableTag(), 7);
  EXPECT_EQ(skin.SkinFormtype(), TSkinFormType::sfDialog);
  EXPECT_EQ(skin.Options(), (TSkinOptions{TSkinOption::xoNoFocusRect, TSkinOption::xoMenuBG}));
  EXPECT_EQ(GetOrdProp(skin, "SkinControls"), 0x801);
  EXPECT_EQ(GetStrProp(skin, "Version"), "5.60.03.29");
  EXPECT_EQ(GetStrProp(skin, "SkinStore"), "(none)");
  EXPECT_TRUE(skin.MenuMerge());
  EXPECT_EQ(GetObjectProp(skin, "Skin3rd"), skin.Skin3rd());
  EXPECT_NE(FindPropInfo(&skin, "OnSkinChanged"), nullptr);
}

TEST_F(SkinDataTest, SkinStreamLoadsTheArchiveAtOnceAndWritesItBack) {
  TSkinData skin(nullptr);
  const std::string archive = GoodArchive();
  SetPropValue(skin, "SkinStream", TSkinData::StoredStream(archive));
  EXPECT_FALSE(skin.NotLoaded);
  EXPECT_EQ(skin.SkinName, "Good");
  EXPECT_EQ(std::get<TBytes>(GetPropValue(skin, "SkinStream")), TSkinData::StoredStream(archive));
}

TEST_F(SkinDataTest, AnEmptyOrShortSkinStreamLoadsNothing) {
  TSkinData skin(nullptr);
  skin.SetSkinStream(TSkinData::StoredStream(""));
  skin.SetSkinStream({0xFF, 0xFF, 0xFF, 0xFF, 1, 2});
  skin.SetSkinStream({1, 0});
  EXPECT_TRUE(skin.NotLoaded);
  EXPECT_EQ(skin.StoredArchive().Size(), 0);
  EXPECT_EQ(skin.SkinStream(), TSkinData::StoredStream(""));
}

TEST_F(SkinDataTest, ACountBeyondTheBytesKeepsWhatIsThere) {
  TSkinData skin(nullptr);
  TBytes payload = TSkinData::StoredStream(GoodArchive());
  payload[1] = 0x7F;  // declares far more than follows
  skin.SetSkinStream(payload);
  EXPECT_EQ(skin.StoredArchive().Size(), static_cast<std::int64_t>(payload.size() - 4));
  EXPECT_FALSE(skin.NotLoaded);
}

TEST_F(SkinDataTest, AnArchiveOfUnknownVersionLeavesTheSkinOffAfterLoading) {
  TSkinData skin(nullptr);
  skin.SetLoading(true);
  skin.SetActive(true);
  skin.SetSkinStream(TSkinData::StoredStream(skin_test::ArchiveOfVersion(80000)));
  EXPECT_EQ(environment_.messages, 1);
  EXPECT_EQ(skin.LastLoadResult(), TArchiveResult::arUnknownVersion);
  EXPECT_FALSE(skin.LoadSkin());
  skin.SetLoading(false);
  skin.Loaded();
  EXPECT_TRUE(skin.NotLoaded);
  EXPECT_FALSE(skin.Active());
}

TEST_F(SkinDataTest, LoadedKeepsActiveForALoadedSkin) {
  TSkinData skin(nullptr);
  skin.SetActive(true);
  skin.SetSkinStream(TSkinData::StoredStream(GoodArchive()));
  skin.Loaded();
  EXPECT_TRUE(skin.Active());
}

TEST_F(SkinDataTest, LoadedSkinsMenuItemsOrTheSystemMenuNotBoth) {
  TSkinData with_main_menu(nullptr);
  with_main_menu.SetSkinControls(TSkinControlTypes::FromBits(0x3FFFFF));
  with_main_menu.Loaded();
  EXPECT_FALSE(with_main_menu.SkinControls().Contains(TSkinControlType::xcMenuItem));
  EXPECT_TRUE(with_main_menu.SkinControls().Contains(TSkinControlType::xcSystemMenu));

  TSkinData without(nullptr);
  without.SetSkinControls({TSkinControlType::xcMenuItem, TSkinControlType::xcSystemMenu});
  without.Loaded();
  EXPECT_EQ(without.SkinControls(), TSkinControlTypes{TSkinControlType::xcMenuItem});

  // Only the main form's component adjusts its menus.
  TSkinData dialog(nullptr);
  dialog.SetSkinFormtype(TSkinFormType::sfDialog);
  dialog.SetSkinControls({TSkinControlType::xcMenuItem, TSkinControlType::xcSystemMenu});
  dialog.Loaded();
  EXPECT_TRUE(dialog.SkinControls().Contains(TSkinControlType::xcSystemMenu));
}

TEST_F(SkinDataTest, LoadedDropsScrollBarsWithoutGetScrollBarInfo) {
  environment_.has_scroll_bar_info = false;
  TSkinData skin(nullptr);
  skin.Loaded();
  EXPECT_FALSE(skin.SkinControls().Contains(TSkinControlType::xcScrollbar));
  environment_.has_scroll_bar_info = true;
  TSkinData other(nullptr);
  other.Loaded();
  EXPECT_TRUE(other.SkinControls().Contains(TSkinControlType::xcScrollbar));
}

TEST_F(SkinDataTest, DoFormSkinSparesMonthCalendarsAndFastReportWindows) {
  TSkinData skin(nullptr);
  const auto decide = [&skin](const char* class_name) {
    bool skin_it = true;
    skin.DoFormSkin(42, class_name, skin_it);
    return skin_it;
  };
  EXPECT_FALSE(decide("SysMonthCal32"));
  EXPECT_TRUE(decide("sysmonthcal32"));
  EXPECT_TRUE(decide("TfrPreviewForm"));
  EXPECT_EQ(skin.CurrentWindow(), 42u);
  skin.SetSkinControls(TSkinControlTypes::FromBits(0x3FFFFF));
  EXPECT_FALSE(decide("TfrPreviewForm"));
  EXPECT_TRUE(decide("TFRPreviewForm"));

  std::string asked;
  skin.OnFormSkin = [&](TObject* sender, const AnsiString& name, bool& DoSkin) {
    EXPECT_EQ(sender, &skin);
    asked = name;
    DoSkin = true;
  };
  EXPECT_TRUE(decide("SysMonthCal32"));
  EXPECT_EQ(asked, "SysMonthCal32");
}

TEST_F(SkinDataTest, SkinFileReplacesTheArchiveOnlyWhenTheFileExists) {
  TSkinData skin(nullptr);
  skin.SetSkinStream(TSkinData::StoredStream(GoodArchive()));
  skin.SetSkinFile("no such skin file.skn");
  EXPECT_EQ(skin.SkinFile(), "no such skin file.skn");
  EXPECT_TRUE(skin.NotLoaded);
  EXPECT_EQ(skin.SkinName, "Good");
}

TEST_F(SkinDataTest, IsReadFromAFormDescription) {
  const TClassRegistry classes{{&TSkinData::StaticClassInfo()}};
  TComponent form(nullptr);
  ReadForm(form,
           "object Form1: TComponent\n"
           "  object skndt1: TSkinData\n"
           "    Active = True\n"
           "    DisableTag = 99\n"
           "    SkinControls = [xcMainMenu, xcPopupMenu, xcMenuItem, xcSystemMenu]\n"
           "    Options = [xoMDIScrollbar, xoFormScrollbar]\n"
           "    Skin3rd.Strings = (\n"
           "      'TOne=panel'\n"
           "      'TTwo=edit')\n"
           "    SkinFormtype = sfMainform\n"
           "    SkinStream = {\n"
           "      00000000}\n"
           "  end\n"
           "end\n",
           classes);
  auto* skin = ObjectAs<TSkinData>(form.FindComponent("skndt1"));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Skin3rd()->Count(), 2);
  EXPECT_EQ(skin->Options(), (TSkinOptions{TSkinOption::xoMDIScrollbar, TSkinOption::xoFormScrollbar}));
  // Loaded ran: no skin, so not active; the main menu rules out menu items.
  EXPECT_FALSE(skin->Active());
  EXPECT_EQ(skin->SkinControls(),
            (TSkinControlTypes{TSkinControlType::xcMainMenu, TSkinControlType::xcPopupMenu,
                               TSkinControlType::xcSystemMenu}));
}

}  // namespace

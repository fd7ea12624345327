#include "skin/controls/control_mapping.h"

#include <gtest/gtest.h>

#include "skin/windows/win32_values.h"
#include "skin_controls/mapping_test_util.h"
#include "skin_data/skin_test_util.h"

using namespace mapping_test;
using enum TSkinControlClass;
using enum TSkinControlType;

namespace {

struct TRow {
  const char* What;
  TControlFacts Control;
  TSkinMapping Expected;
};

void ExpectRows(const std::vector<TRow>& rows, const TMappingSettings& settings) {
  for (const TRow& row : rows) EXPECT_EQ(ChooseControlSkin(row.Control, settings), row.Expected) << row.What;
}

TSkinMapping Box(TChildMapping children) {
  TSkinMapping m = Skin(scSkinBox);
  m.Skin.ChangeColor = true;
  m.Children = children;
  return m;
}

}  // namespace

// The main window's controls under the skin component's own settings and
// default Skin3rd lines, as the program runs them.
TEST(ControlMapping, MainWindowControlsWithTheComponentsDefaults) {
  skin_test::TTestEnvironment environment;
  const TSkinEnvironmentScope scope{environment};
  TSkinData data(nullptr);
  const TMappingSettings settings = MappingSettingsOf(data);
  EXPECT_FALSE(settings.SkinHasTab);
  ExpectRows({{"push button", Button(), Skin(scSkinButton)},
              {"check box", CheckBox(), Skin(scSkinCheckBox)},
              {"memo", Memo(), Skin(scSkinScrollbar)},
              {"edit", Edit(), Skin(scSkinEdit)},
              {"combo box", ComboBox(), Skin(scSkinComBox)},
              {"panel", Panel(), Box(TChildMapping::cmMapFirst)},
              {"report list", ListView(), Skin(scSkinListView)},
              {"label", Label(), {}},
              {"splitter", Splitter(), {}}},
             settings);
  // A class of the default lines.
  EXPECT_EQ(ChooseControlSkin(Foreign("TAdvMemo"), settings), [] {
    TSkinMapping m = Skin(scSkinScrollbar);
    m.Children = TChildMapping::cmMapAfter;
    return m;
  }());
}

TEST(ControlMapping, EachRowNeedsItsSkinControlsMember) {
  const TMappingSettings all = AllKinds();
  // Without its own member a control falls to a later row or to none.
  EXPECT_EQ(ChooseControlSkin(Memo(), Without(all, xcScrollbar)), Skin(scSkinEdit));
  EXPECT_EQ(ChooseControlSkin(Memo(), Without(Without(all, xcScrollbar), xcEdit)), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(ListView(), Without(all, xcScrollbar)), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Button(), Without(all, xcButton)), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(CheckBox(), Without(all, xcCheckBox)), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(ComboBox(), Without(all, xcCombo)), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Panel(), Without(all, xcPanel)), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Edit(), Without(all, xcEdit)), TSkinMapping{});
  // Tab sets need the skin's tab element as well.
  TMappingSettings no_tab = all;
  no_tab.SkinHasTab = false;
  TSkinMapping tab_set = Skin(scSkinTab31);
  tab_set.Skin.Target = TAttachTarget::atControlWindow;
  EXPECT_EQ(ChooseControlSkin(Foreign("TTabSet"), all), tab_set);
  EXPECT_EQ(ChooseControlSkin(Foreign("TTabSet"), no_tab), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Foreign("TTABBEDNOTEBOOK"), all), Skin(scSkinTab));
}

// Rows that an earlier row would shadow if the table were out of order.
TEST(ControlMapping, TableOrder) {
  const TMappingSettings all = AllKinds();
  const auto variant = [](TSkinControlClass cls, int v) {
    TSkinMapping m = Skin(cls);
    m.Skin.Variant = v;
    return m;
  };
  TSkinMapping mvc;
  mvc.Children = TChildMapping::cmMapFirst;
  TSkinMapping dc_edit = Skin(scSkinEdit);
  dc_edit.Skin.Target = TAttachTarget::atControlWindow;
  TControlFacts dc1 = Foreign("TDCEdit"), dc0 = Foreign("TDCDBEdit"), dc_none = Foreign("TDCEdit");
  dc1.NumButtons = 1;
  dc0.NumButtons = 0;
  ExpectRows(
      {{"scroll style before push button", Windowed({"TButton"}, kWsVScroll), Skin(scSkinScrollbar)},
       {"scroll style on a graphic control means nothing", Graphic({"TLabel"}), {}},
       {"list box with a scroll bar", Windowed({"TListBox", "TCustomListBox"}, kWsHScroll),
        Skin(scSkinScrollbar)},
       {"embedded form", EmbeddedForm(), Box(TChildMapping::cmMapComponents)},
       {"embedded form with scroll bars", Windowed({"TForm", "TCustomForm"}, kWsVScroll),
        Skin(scSkinScrollbar)},
       {"MVC panel maps its children only", Windowed({"TMvcPanel", "TCustomPanel"}), mvc},
       {"navigator", Windowed({"TDBNavigator", "TCustomPanel"}), Box(TChildMapping::cmMapAfter)},
       {"up-down", Foreign("TUpDown"), Skin(scSkinUpDown)},
       {"media player", Foreign("TMediaPlayer"), Skin(scSkinMP)},
       {"a Rz check box that is a framework check box: the earlier row",
        Windowed({"TRzCheckBox", "TCustomCheckBox"}), Skin(scSkinCheckBox)},
       {"Rz radio", Foreign("TRzDBRadioButton"), variant(scSkinObjImage, kObjImageRadio)},
       {"Rz check", Foreign("TRzDBCheckBox"), variant(scSkinObjImage, kObjImageCheckBox)},
       {"cx check", Foreign("TcxCheckBox"), variant(scSkinObjImage, kObjImageCxCheckBox)},
       {"Tnt combo", Foreign("TTntComboBox"), Skin(scSkinComBox)},
       {"rich edit", Windowed({"TRichEdit", "TCustomRichEdit", "TCustomMemo", "TCustomEdit"}),
        Skin(scSkinScrollbar)},
       {"check list before any list box", Windowed({"TCheckListBox", "TCustomListBox"}),
        Skin(scSkinCheckList)},
       {"tree list", Foreign("TdxDBGrid"), Skin(scSkinScrollbar)},
       {"excluded combo", Windowed({"TDBComboBoxEh", "TCustomComboBox"}), {}},
       {"excluded designer page", Foreign("TfrDesignerPage"), {}},
       {"DC edit with a button", dc1, Skin(scSkinComBox)},
       {"DC edit without buttons", dc0, dc_edit},
       {"DC edit without the property", dc_none, {}},
       {"bit button before button", Windowed({"TBitBtn", "TButton"}), Skin(scSkinBitButton)},
       {"spin edit before edit", Windowed({"TSpinEdit", "TCustomEdit"}), Skin(scSkinEdit)},
       {"radio group", Windowed({"TRadioGroup", "TCustomRadioGroup", "TCustomGroupBox"}),
        [] {
          TSkinMapping m = Skin(scSkinGroupBox);
          m.Children = TChildMapping::cmSkinEachChild;
          m.ChildSkin.Class = scSkinRadioButton;
          return m;
        }()},
       {"group box", Windowed({"TGroupBox", "TCustomGroupBox"}), Skin(scSkinGroupBox)},
       {"page control", Windowed({"TPageControl", "TCustomTabControl"}), variant(scSkinTab, kTabPageControl)},
       {"scroll bar", Windowed({"TScrollBar"}), Skin(scSkinScControl)},
       {"speed button", Graphic({"TSpeedButton"}), Skin(scSkinSpeedButton)}},
      all);
  // A Rz check box's name row comes after the framework's check-box row; the
  // rows by name catch it when it isn't a framework check box.
  EXPECT_EQ(ChooseControlSkin(Foreign("TRzCheckBox"), all), variant(scSkinObjImage, kObjImageCheckBox));
  TControlFacts tabs = Windowed({"TTabControl", "TCustomTabControl"});
  tabs.TabStyle = "tsFlatButtons";
  EXPECT_EQ(ChooseControlSkin(tabs, all), Skin(scSkinTabBtn));
  tabs.TabStyle = "tsTabs";
  EXPECT_EQ(ChooseControlSkin(tabs, all), Skin(scSkinTab));
  TSkinMapping tool_bar = Box(TChildMapping::cmNone);
  tool_bar.PrepareToolBar = true;
  EXPECT_EQ(ChooseControlSkin(Windowed({"TToolBar", "TToolWindow"}), all), tool_bar);
}

TEST(ControlMapping, DisableTagAndGroups) {
  TControlFacts plain = Button();
  plain.Tag = 7;
  EXPECT_EQ(DisabledByTag(plain, false, 99), TDisableOutcome::doMap);
  EXPECT_EQ(DisabledByTag(plain, false, 7), TDisableOutcome::doSkip);
  TControlFacts group = Foreign("TRzCheckGroup");
  group.Tag = 7;
  EXPECT_EQ(DisabledByTag(group, true, 7), TDisableOutcome::doSkipAndTagChildren);
  EXPECT_EQ(DisabledByTag(group, false, 7), TDisableOutcome::doSkip);
  group.ClassChain = {"TMyRadioGroupX"};
  EXPECT_EQ(DisabledByTag(group, true, 7), TDisableOutcome::doSkipAndTagChildren);
  EXPECT_EQ(DisabledByTag(plain, true, 7), TDisableOutcome::doSkip);
}

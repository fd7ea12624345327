#include "skin/controls/skin3rd_mapping.h"

#include <gtest/gtest.h>

#include "skin/windows/win32_values.h"
#include "skin_controls/mapping_test_util.h"

using namespace mapping_test;
using enum TSkinControlClass;
using enum TSkinControlType;

namespace {

TMappingSettings WithLines(TMappingSettings s, TStringArray lines) {
  s.Skin3rd = std::move(lines);
  return s;
}

// The mapping a control (of class "TThird" unless given) gets from the line
// that gives its class `kind`.
TSkinMapping KindFor(const char* kind, const TMappingSettings& s = AllKinds(),
                     TControlFacts control = Foreign("TThird")) {
  return ChooseControlSkin(control, WithLines(s, {control.ClassName() + "=" + kind}));
}

TSkinMapping With(TSkinMapping m, auto&& change) {
  change(m);
  return m;
}

}  // namespace

TEST(Skin3rdMapping, LinesMatchTheWholeClassNameInAnyCase) {
  const TStringArray lines = {"TAdvMemo=Scrollbar", "tadv=button", "TADVMEMO=nil",
                              "TLong=" + std::string(60, 'x')};
  EXPECT_EQ(Skin3rdKind("tadvmemo", lines), "scrollbar");
  EXPECT_EQ(Skin3rdKind("TAdv", lines), "button");
  EXPECT_EQ(Skin3rdKind("TAdvMem", lines), std::nullopt);
  EXPECT_EQ(Skin3rdKind("TAdvMemo2", lines), std::nullopt);
  EXPECT_EQ(Skin3rdKind("TLong", lines), std::string(50, 'x'));
  EXPECT_EQ(Skin3rdKind("TAdvMemo", {"TAdvMemo==edit"}), "=edit");
}

// A line that names the class decides, whatever the class table would say.
TEST(Skin3rdMapping, ANamedClassIsHandledEvenWhenItGetsNothing) {
  EXPECT_EQ(ChooseControlSkin(Button(), WithLines(AllKinds(), {"tbutton=nil"})), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Button(), WithLines(AllKinds(), {"TButton=gadget"})), TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Memo(), WithLines(Without(AllKinds(), xcButton), {"TMemo=button"})),
            TSkinMapping{});
  EXPECT_EQ(ChooseControlSkin(Memo(), WithLines(AllKinds(), {"TMemo=button"})), Skin(scSkinButton));
  // Excluded classes are excluded only after the lines.
  EXPECT_EQ(ChooseControlSkin(Foreign("TDBComboBoxEh"), WithLines(AllKinds(), {"TDBComboBoxEh=edit"})),
            TSkinMapping{});
  TControlFacts framed = Foreign("TDBComboBoxEh");
  framed.FrameDiffers = true;
  EXPECT_EQ(ChooseControlSkin(framed, WithLines(AllKinds(), {"TDBComboBoxEh=edit"})), Skin(scSkinEdit));
}

TEST(Skin3rdMapping, EveryKind) {
  using enum TChildMapping;
  const TMappingSettings all = AllKinds();
  struct TKindRow {
    const char* Kind;
    TSkinControlType Needs;
    TSkinMapping Expected;
  };
  const std::vector<TKindRow> rows = {
      {"Combobox", xcCombo, Skin(scSkinComBox)},
      {"comboboxex", xcCombo, With(Skin(scSkinComBox), [](auto& m) { m.Skin.ExtendedCombo = true; })},
      {"RadioButton", xcRadioButton, Skin(scSkinRadioButton)},
      {"Panel", xcPanel,
       With(Skin(scSkinBox), [](auto& m) { m.Skin.ChangeColor = m.SetTransparent = true; })},
      {"trackbar", xcButton, With(Skin(scSkinTrackBar), [](auto& m) { m.SetTransparent = true; })},
      {"button", xcButton, Skin(scSkinButton)},
      {"datetimepicker", xcCombo, Skin(scSkinDateTime)},
      {"mediaplayer", xcButton, Skin(scSkinMP)},
      {"bitbtn", xcButton, Skin(scSkinBitButton)},
      {"pngbitbtn", xcButton,
       With(Skin(scSkinBitButton), [](auto& m) { m.Skin.GlyphProperty = "PngImage"; })},
      {"pngspeedbutton", xcButton,
       With(Skin(scSkinSpeedButton), [](auto& m) { m.Skin.GlyphProperty = "PngImage"; })},
      {"menubtn", xcButton, Skin(scSkinMenuButton)},
      {"speedbutton", xcSpeedButton, Skin(scSkinSpeedButton)},
      {"tab", xcTab, Skin(scSkinTab)},
      {"progress", xcProgress, Skin(scSkinProgress)},
      {"scrollbar", xcScrollbar, With(Skin(scSkinScrollbar), [](auto& m) { m.Children = cmMapAfter; })},
      {"singlescrollbar", xcScrollbar,
       With(Skin(scSkinScrollbar), [](auto& m) { m.Skin.SingleScrollbar = true; })},
      {"embedscrollbar", xcScrollbar,
       With(TSkinMapping{},
            [](auto& m) {
              m.Children = cmSkinScrollingChildren;
              m.ChildSkin.Class = scSkinScrollbar;
            })},
      {"GroupBox", xcGroupBox, Skin(scSkinGroupBox)},
      {"advpagecontrol", xcTab, Skin(scSkinAdvPage)},
      {"checkbox", xcCheckBox, Skin(scSkinCheckBox)},
  };
  for (const TKindRow& row : rows) {
    EXPECT_EQ(KindFor(row.Kind, all), row.Expected) << row.Kind;
    EXPECT_EQ(KindFor(row.Kind, Without(all, row.Needs)), TSkinMapping{}) << row.Kind;
  }
  // "container" needs nothing and only maps the children.
  EXPECT_EQ(KindFor("container", TMappingSettings{}),
            With(TSkinMapping{}, [](auto& m) { m.Children = cmMapFirst; }));
}

TEST(Skin3rdMapping, KindsThatLookAtTheControlOrTheSkin) {
  TMappingSettings no_tab = AllKinds();
  no_tab.SkinHasTab = false;
  EXPECT_EQ(KindFor("tab", no_tab), TSkinMapping{});
  // An edit without a border has nothing to paint.
  EXPECT_EQ(KindFor("edit"), TSkinMapping{});
  TControlFacts framed = Foreign("TThird");
  framed.FrameDiffers = true;
  EXPECT_EQ(KindFor("edit", AllKinds(), framed), Skin(scSkinEdit));
  // The cx button that drops a menu down.
  TControlFacts cx = Foreign("TcxButton");
  const TMappingSettings lines = WithLines(AllKinds(), {"TcxButton=bitbtn"});
  EXPECT_EQ(ChooseControlSkin(cx, lines), Skin(scSkinBitButton));
  cx.Kind = "cxbkDropDownButton";
  EXPECT_EQ(ChooseControlSkin(cx, lines), Skin(scSkinMenuButton));
  EXPECT_EQ(KindFor("bitbtn", AllKinds(),
                    [] {
                      TControlFacts other = Foreign("TThird");
                      other.Kind = "cxbkDropDownButton";
                      return other;
                    }()),
            Skin(scSkinBitButton));
}

TEST(Skin3rdMapping, RadioAndCheckGroups) {
  using enum TChildMapping;
  const TMappingSettings all = AllKinds();
  const auto group = [](TSkinControlClass own, TSkinControlClass child, int child_variant) {
    TSkinMapping m = Skin(own);
    m.Children = child == scNone ? cmNone : cmSkinEachChild;
    m.ChildSkin.Class = child;
    m.ChildSkin.Variant = child_variant;
    return m;
  };
  EXPECT_EQ(KindFor("radiogroup"), group(scSkinGroupBox, scSkinRadioButton, 0));
  EXPECT_EQ(KindFor("radiogroup", Without(all, xcRadioButton)), group(scSkinGroupBox, scNone, 0));
  EXPECT_EQ(KindFor("radiogroup", Without(all, xcGroupBox)), TSkinMapping{});
  EXPECT_EQ(KindFor("radiogroup", all, Foreign("TRzRadioGroup")),
            group(scSkinGroupBox, scSkinObjImage, kObjImageRadio));
  EXPECT_EQ(KindFor("checkgroup"), group(scSkinGroupBox, scSkinCheckBox, 0));
  EXPECT_EQ(KindFor("checkgroup", all, Foreign("TRzCheckGroup")),
            group(scSkinGroupBox, scSkinObjImage, kObjImageCheckBox));
  // Check groups are gated by the panel kind, their children by radio buttons.
  EXPECT_EQ(KindFor("checkgroup", Without(all, xcPanel)), TSkinMapping{});
  EXPECT_EQ(KindFor("checkgroup", Without(all, xcGroupBox)), group(scNone, scSkinCheckBox, 0));
  EXPECT_EQ(KindFor("checkgroup", Without(all, xcRadioButton)), group(scSkinGroupBox, scNone, 0));
}

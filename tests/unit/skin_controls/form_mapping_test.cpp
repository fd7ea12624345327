#include "skin/controls/form_mapping.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "skin/windows/win32_values.h"
#include "skin_controls/mapping_test_util.h"

using namespace mapping_test;
using enum TSkinControlClass;
using enum TSkinControlType;
using enum TMappingStepKind;

namespace {

// A form description built control by control, in component order.
class TFormBuilder {
 public:
  int Add(const char* name, TControlFacts facts, int parent = kTheForm, int tab_order = 0) {
    TControlRecord record;
    record.Facts = std::move(facts);
    record.Parent = parent;
    record.TabOrder = tab_order;
    record.HasWindow = record.Facts.Windowed;
    records_.push_back(record);
    index_[name] = static_cast<int>(records_.size()) - 1;
    return index_[name];
  }
  TControlRecord& operator[](const char* name) { return records_[At(name)]; }
  int At(const char* name) const { return index_.at(name); }
  const std::vector<TControlRecord>& Records() const { return records_; }

 private:
  std::vector<TControlRecord> records_;
  std::map<std::string, int> index_;
};

// The main window as its form description lays it out.
TFormBuilder MainWindow() {
  TFormBuilder f;
  const int pnl1 = f.Add("pnl1", Panel(), kTheForm, 0);
  f.Add("lbl2", Label(), pnl1);
  f.Add("chk1", CheckBox(), pnl1, 0);
  f.Add("chk2", CheckBox(), pnl1, 1);
  f.Add("btn1", Button(), pnl1, 2);
  f.Add("btn2", Button(), pnl1, 3);
  f.Add("chk3", CheckBox(), pnl1, 4);
  f.Add("btn3", Button(), pnl1, 5);
  f.Add("Button3", Button(), pnl1, 6);
  f.Add("chk5", CheckBox(), pnl1, 7);
  f.Add("chk4", CheckBox(), pnl1, 8);
  f.Add("edt1", Edit(), pnl1, 9);
  f.Add("btn4", Button(), pnl1, 10);
  f.Add("btn5", Button(), pnl1, 11);
  f.Add("mmo1", Memo(), kTheForm, 1);
  f.Add("spl1", Splitter());
  const int pnl3 = f.Add("pnl3", Panel(), kTheForm, 2);
  f.Add("cbb1", ComboBox(), pnl3, 0);
  const int pnl4 = f.Add("pnl4", Panel(), pnl3, 1);
  f.Add("mmo2", Memo(), pnl4, 0);
  f.Add("mmo3", Memo(), pnl4, 1);
  f.Add("spl2", Splitter(), pnl3);
  f.Add("ordrlstvw1", ListView(), pnl3, 2);
  // Hidden controls get their windows only when they are mapped.
  f["chk3"].HasWindow = false;
  f["edt1"].HasWindow = false;
  return f;
}

TMappingStep Made(int control, TSkinControlClass cls, bool change_color = false) {
  TMappingStep step;
  step.Control = control;
  step.Skin.Class = cls;
  step.Skin.ChangeColor = change_color;
  return step;
}

TMappingStep Other(int control, TMappingStepKind kind) {
  TMappingStep step;
  step.Control = control;
  step.Kind = kind;
  return step;
}

}  // namespace

void PrintTo(const TMappingStep& s, std::ostream* os) {
  *os << "{control " << s.Control << " kind " << static_cast<int>(s.Kind) << " ";
  ::PrintTo(s.Skin, os);
  *os << "}";
}

// Containers' children before the containers; hidden controls mapped; labels
// and splitters left alone; the tab-order pass adds nothing.
TEST(FormMapping, MainWindow) {
  const TFormBuilder f = MainWindow();
  const std::vector<TMappingStep> expected = {
      Made(f.At("chk1"), scSkinCheckBox),       Made(f.At("chk2"), scSkinCheckBox),
      Made(f.At("btn1"), scSkinButton),         Made(f.At("btn2"), scSkinButton),
      Made(f.At("chk3"), scSkinCheckBox),       Made(f.At("btn3"), scSkinButton),
      Made(f.At("Button3"), scSkinButton),      Made(f.At("chk5"), scSkinCheckBox),
      Made(f.At("chk4"), scSkinCheckBox),       Made(f.At("edt1"), scSkinEdit),
      Made(f.At("btn4"), scSkinButton),         Made(f.At("btn5"), scSkinButton),
      Made(f.At("pnl1"), scSkinBox, true),      Made(f.At("mmo1"), scSkinScrollbar),
      Made(f.At("cbb1"), scSkinComBox),         Made(f.At("mmo2"), scSkinScrollbar),
      Made(f.At("mmo3"), scSkinScrollbar),      Made(f.At("pnl4"), scSkinBox, true),
      Made(f.At("ordrlstvw1"), scSkinListView), Made(f.At("pnl3"), scSkinBox, true),
  };
  EXPECT_EQ(PlanFormMapping(f.Records(), AllKinds()), expected);
}

TEST(FormMapping, TabOrderListIsDepthFirstByTabOrder) {
  TFormBuilder f;
  const int outer = f.Add("outer", Panel(), kTheForm, 1);
  f.Add("first", Button(), kTheForm, 0);
  f.Add("late", Edit(), outer, 5);
  f.Add("label", Label(), outer);
  f.Add("early", Memo(), outer, 2);
  f.Add("also2", CheckBox(), outer, 2);
  EXPECT_EQ(TabOrderList(f.Records()),
            (std::vector<int>{f.At("first"), outer, f.At("early"), f.At("also2"), f.At("late")}));
}

// What the component pass leaves, the tab-order pass catches: here a control
// owned by nobody inside a container that maps no children.
TEST(FormMapping, TabOrderPassCatchesControlsOwnedElsewhere) {
  TFormBuilder f;
  const int box = f.Add("box", Windowed({"TGroupBox", "TCustomGroupBox"}));
  f.Add("runtime", Button(), box);
  f["runtime"].Owner = kNobody;
  f.Add("unwindowed", Edit(), box);
  f["unwindowed"].Owner = kNobody;
  f["unwindowed"].HasWindow = false;
  EXPECT_EQ(PlanFormMapping(f.Records(), AllKinds()),
            (std::vector<TMappingStep>{Made(box, scSkinGroupBox), Made(f.At("runtime"), scSkinButton)}));
}

TEST(FormMapping, NoSecondObjectAndNoObjectForWhatCantBeSkinned) {
  TFormBuilder f = MainWindow();
  f["btn1"].Skinned = true;      // answers SKM_ISSKINNED, or has an object already
  f["chk3"].WindowFails = true;  // its window can't be made
  f["chk1"].Parent = kNobody;
  // Without panels skinned, the panels are visited in both passes.
  const std::vector<TMappingStep> steps = PlanFormMapping(f.Records(), Without(AllKinds(), xcPanel));
  std::map<int, int> made;
  for (const TMappingStep& step : steps) ++made[step.Control];
  for (const char* name : {"btn1", "chk3", "chk1", "pnl1", "pnl3", "pnl4", "lbl2", "spl1"})
    EXPECT_EQ(made.count(f.At(name)), 0u) << name;
  for (const char* name : {"chk2", "btn2", "edt1", "mmo1", "cbb1", "mmo2", "mmo3", "ordrlstvw1"})
    EXPECT_EQ(made[f.At(name)], 1) << name;
}

// A disabled group passes its tag to its children before they are visited;
// a child that comes first is mapped before the tag reaches it.
TEST(FormMapping, DisabledGroupTagsItsChildren) {
  TFormBuilder f;
  f.Add("early", Foreign("TRzRadioButton"));
  const int group = f.Add("group", Foreign("TRzRadioGroup"));
  f["early"].Parent = group;
  f.Add("child", Foreign("TRzRadioButton"), group);
  f.Add("other", Button());
  f["group"].Facts.Tag = 99;
  TMappingStep early = Made(f.At("early"), scSkinObjImage);
  early.Skin.Variant = kObjImageRadio;
  EXPECT_EQ(
      PlanFormMapping(f.Records(), AllKinds()),
      (std::vector<TMappingStep>{early, Other(f.At("early"), msTagDisabled),
                                 Other(f.At("child"), msTagDisabled), Made(f.At("other"), scSkinButton)}));
}

// A group skins its children itself, except those tagged to stay unskinned;
// an embedding scroll container only those with scroll bars.
TEST(FormMapping, GroupsSkinTheirChildrenDirectly) {
  TFormBuilder f;
  const int group = f.Add("group", Foreign("TcxRadioGroup"));
  f.Add("a", Button(), group);
  f.Add("b", Button(), group);
  f["b"].Facts.Tag = 99;
  const int embed = f.Add("embed", Foreign("TEmbedder"));
  f.Add("plain", Foreign("TInner"), embed);
  f.Add("scrolling", Windowed({"TInner"}, kWsHScroll), embed);
  TMappingSettings settings = AllKinds();
  settings.Skin3rd = {"TcxRadioGroup=radiogroup", "TEmbedder=embedscrollbar"};
  EXPECT_EQ(PlanFormMapping(f.Records(), settings),
            (std::vector<TMappingStep>{Made(f.At("a"), scSkinRadioButton), Made(group, scSkinGroupBox),
                                       Made(f.At("scrolling"), scSkinScrollbar)}));
}

TEST(FormMapping, EmbeddedFormMapsItsOwnComponentsAfterItself) {
  TFormBuilder f;
  const int embedded = f.Add("embedded", EmbeddedForm());
  f.Add("inner", Edit(), embedded);
  f["inner"].Owner = embedded;
  EXPECT_EQ(PlanFormMapping(f.Records(), AllKinds()),
            (std::vector<TMappingStep>{Made(embedded, scSkinBox, true), Made(f.At("inner"), scSkinEdit)}));
}

// The application's event is asked before the mapping decides: an object it
// supplies is attached (a panel's children still mapped), anything else
// vetoes; a vetoed control is asked again in the tab-order pass.
TEST(FormMapping, OnSkinControlSuppliesOrVetoes) {
  const TFormBuilder f = MainWindow();
  std::map<int, int> asked;
  const auto offer = [&](int control) {
    ++asked[control];
    if (control == f.At("pnl4")) return TSkinControlOffer::soSupplied;
    if (control == f.At("mmo1")) return TSkinControlOffer::soVetoed;
    return TSkinControlOffer::soNone;
  };
  const std::vector<TMappingStep> steps = PlanFormMapping(f.Records(), AllKinds(), offer);
  const auto at = [&](const char* name) {
    for (std::size_t i = 0; i < steps.size(); ++i)
      if (steps[i].Control == f.At(name)) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(steps[static_cast<std::size_t>(at("pnl4"))], Other(f.At("pnl4"), msSupplied));
  EXPECT_LT(at("pnl4"), at("mmo2"));
  EXPECT_EQ(at("mmo1"), -1);
  EXPECT_EQ(asked[f.At("mmo1")], 2);
  EXPECT_EQ(asked[f.At("pnl4")], 1);
  EXPECT_EQ(asked[f.At("btn1")], 1);
  EXPECT_EQ(asked.count(f.At("lbl2")), 1u);  // labels too: the application may skin them
}

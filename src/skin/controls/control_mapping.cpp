#include "skin/controls/control_mapping.h"

#include <algorithm>
#include <initializer_list>

#include "skin/controls/skin3rd_mapping.h"
#include "skin/windows/win32_values.h"

namespace {

using enum TSkinControlClass;
using enum TSkinControlType;

// A container recoloured by TSkinBox, its children mapped before or after it.
TSkinMapping Box(TChildMapping children) {
  TSkinMapping mapping = OwnSkin(scSkinBox);
  mapping.Skin.ChangeColor = true;
  mapping.Children = children;
  return mapping;
}

bool NameIs(const TControlFacts& control, std::initializer_list<std::string_view> names) {
  return std::ranges::any_of(names,
                             [&](std::string_view name) { return SameText(control.ClassName(), name); });
}

// Controls of classes the program itself doesn't use, named by the
// framework's standard classes; none of them is a class the rows before them
// or the rows after them catch.
std::optional<TSkinMapping> StandardClassRow(const TControlFacts& c, const TMappingSettings& s) {
  if (c.IsA("TTabSheet") && s.Has(xcTab)) return OwnSkin(scSkinTabSheet);
  if (c.IsA("TCustomTabControl") && s.Has(xcTab)) {
    const AnsiString style = LowerCaseAscii(c.TabStyle);
    if (style == "tsbuttons" || style == "tsflatbuttons") return OwnSkin(scSkinTabBtn);
    TSkinMapping mapping = OwnSkin(scSkinTab);
    if (c.IsA("TPageControl")) mapping.Skin.Variant = kTabPageControl;
    return mapping;
  }
  if (c.IsA("THeaderControl") && s.Has(xcPanel)) return OwnSkin(scSkinHeader);
  if (c.IsA("TTrackBar") && s.Has(xcTrackBar)) return OwnSkin(scSkinTrackBar);
  if (c.IsA("TCustomRadioGroup") && s.Has(xcRadioButton)) {
    TSkinMapping mapping = OwnSkin(scSkinGroupBox);
    mapping.Children = TChildMapping::cmSkinEachChild;
    mapping.ChildSkin.Class = scSkinRadioButton;
    return mapping;
  }
  if (c.IsA("TCustomGroupBox") && s.Has(xcPanel)) return OwnSkin(scSkinGroupBox);
  if (c.IsA("TRadioButton") && s.Has(xcRadioButton)) return OwnSkin(scSkinRadioButton);
  if (c.IsA("TToolBar") && s.Has(xcToolbar)) {
    TSkinMapping mapping = Box(TChildMapping::cmNone);
    mapping.PrepareToolBar = true;
    return mapping;
  }
  if (c.IsA("TStatusBar") && s.Has(xcStatusBar)) return OwnSkin(scSkinStatusBar);
  if (c.IsA("TProgressBar") && s.Has(xcProgress)) return OwnSkin(scSkinProgress);
  if (c.IsA("TDateTimePicker") && s.Has(xcEdit)) return OwnSkin(scSkinDateTime);
  if (c.IsA("TSpinEdit") && s.Has(xcEdit)) return OwnSkin(scSkinEdit);
  if (c.IsA("TBitBtn") && s.Has(xcBitBtn)) return OwnSkin(scSkinBitButton);
  if (c.IsA("TSpeedButton") && s.Has(xcSpeedButton)) return OwnSkin(scSkinSpeedButton);
  if (c.IsA("TScrollBar") && s.Has(xcScrollbar)) return OwnSkin(scSkinScControl);
  return std::nullopt;
}

std::optional<TSkinMapping> ClassTable(const TControlFacts& c, const TMappingSettings& s) {
  const bool tab = s.Has(xcTab) && s.SkinHasTab;
  const bool scroll = s.Has(xcScrollbar);
  if (NameIs(c, {"TTabSet"}) && tab) {
    // Skinned through its window: it paints itself outside its WindowProc.
    TSkinMapping mapping = OwnSkin(scSkinTab31);
    mapping.Skin.Target = TAttachTarget::atControlWindow;
    return mapping;
  }
  if (NameIs(c, {"TTabbedNotebook"}) && tab) return OwnSkin(scSkinTab);
  if (NameIs(c, {"TMvcPanel"})) {
    TSkinMapping mapping;
    mapping.Children = TChildMapping::cmMapFirst;
    return mapping;
  }
  if (c.IsA("TCustomCheckBox") && s.Has(xcCheckBox)) return OwnSkin(scSkinCheckBox);
  if (NameIs(c, {"TUpDown", "TSpinButton"}) && s.Has(xcSpin)) return OwnSkin(scSkinUpDown);
  if (NameIs(c, {"TMediaPlayer"}) && s.Has(xcButton)) return OwnSkin(scSkinMP);
  if (NameIs(c, {"TDBNavigator"}) && s.Has(xcPanel)) return Box(TChildMapping::cmMapAfter);
  const auto obj_image = [](int variant) {
    TSkinMapping mapping = OwnSkin(scSkinObjImage);
    mapping.Skin.Variant = variant;
    return mapping;
  };
  if (NameIs(c, {"TRzDBCheckBox", "TRzCheckBox"}) && s.Has(xcCheckBox)) return obj_image(kObjImageCheckBox);
  if (NameIs(c, {"TRzRadioButton", "TRzDBRadioButton"}) && s.Has(xcRadioButton))
    return obj_image(kObjImageRadio);
  if (NameIs(c, {"TcxDBCheckBox", "TcxCheckBox"}) && s.Has(xcCheckBox)) return obj_image(kObjImageCxCheckBox);
  if (NameIs(c, {"TTntComboBox"}) && s.Has(xcCombo)) return OwnSkin(scSkinComBox);
  if (c.IsA("TCustomComboBox") && s.Has(xcCombo)) return OwnSkin(scSkinComBox);
  if (NameIs(c, {"TRichEdit", "TwwDBRichEdit", "TdxDBMemo"}) && scroll) return OwnSkin(scSkinScrollbar);
  if (c.IsA("TCustomPanel") && s.Has(xcPanel)) return Box(TChildMapping::cmMapFirst);
  if (NameIs(c, {"TdxTreeList", "TdxDBTreeList", "TdxDBGrid"}) && scroll) return OwnSkin(scSkinScrollbar);
  if (c.IsA("TCustomListView") && scroll) return OwnSkin(scSkinListView);
  if (NameIs(c, {"TCheckListBox"}) && scroll) return OwnSkin(scSkinCheckList);
  if (c.IsA("TCustomMemo") && scroll) return OwnSkin(scSkinScrollbar);
  if (auto standard = StandardClassRow(c, s)) return standard;
  const bool scroll_style = c.Windowed && (c.Style & (kWsVScroll | kWsHScroll)) != 0;
  if ((scroll_style || c.IsA("TMemo")) && scroll) return OwnSkin(scSkinScrollbar);
  if (c.IsA("TButton") && s.Has(xcButton)) return OwnSkin(scSkinButton);
  if (c.IsA("TCustomEdit") && s.Has(xcEdit)) return OwnSkin(scSkinEdit);
  const bool dc_edit = NameIs(c, {"TDCEdit", "TDCDBEdit"});
  if (!dc_edit && c.IsA("TCustomForm")) return Box(TChildMapping::cmMapComponents);
  if (dc_edit && c.NumButtons == 1 && s.Has(xcCombo)) return OwnSkin(scSkinComBox);
  if (dc_edit && c.NumButtons == 0 && s.Has(xcEdit)) {
    TSkinMapping mapping = OwnSkin(scSkinEdit);
    mapping.Skin.Target = TAttachTarget::atControlWindow;
    return mapping;
  }
  return std::nullopt;
}

}  // namespace

const AnsiString& TControlFacts::ClassName() const {
  static const AnsiString kNone;
  return ClassChain.empty() ? kNone : ClassChain.front();
}

bool TControlFacts::IsA(std::string_view class_name) const {
  return std::ranges::any_of(ClassChain, [&](const AnsiString& name) { return SameText(name, class_name); });
}

TMappingSettings MappingSettingsOf(const TSkinData& data) {
  TMappingSettings settings;
  settings.SkinControls = data.SkinControls();
  settings.DisableTag = data.DisableTag();
  settings.Skin3rd = data.Skin3rd()->Strings();
  settings.SkinHasTab = data.Tabs != nullptr;
  return settings;
}

TDisableOutcome DisabledByTag(const TControlFacts& control, bool has_children, int disable_tag) {
  if (control.Tag != disable_tag) return TDisableOutcome::doMap;
  const AnsiString lower = LowerCaseAscii(control.ClassName());
  const bool group =
      lower.find("radiogroup") != AnsiString::npos || lower.find("checkgroup") != AnsiString::npos;
  return group && has_children ? TDisableOutcome::doSkipAndTagChildren : TDisableOutcome::doSkip;
}

TSkinMapping ChooseControlSkin(const TControlFacts& control, const TMappingSettings& settings) {
  if (auto third = Skin3rdMapping(control, settings)) return *third;
  if (NameIs(control, {"TDBComboBoxEh", "TfrDesignerPage", "TfrPBox"})) return {};
  return ClassTable(control, settings).value_or(TSkinMapping{});
}

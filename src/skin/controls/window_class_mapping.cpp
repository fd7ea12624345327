#include "skin/controls/window_class_mapping.h"

#include "skin/controls/control_styles.h"

namespace {

using enum TSkinControlClass;
using enum TSkinControlType;

TSkinMapping OwnIf(bool allowed, TSkinControlClass cls) {
  return allowed ? OwnSkin(cls) : TSkinMapping{};
}

// Buttons by their type. Owner-drawn buttons, group boxes and bitmap buttons
// keep their own look, as do the types newer than the owner-drawn one (split
// buttons, command links) and push boxes, which no button skin draws.
TSkinMapping ButtonSkin(std::uint32_t style, const TMappingSettings& s) {
  if (style & kBsBitmap) return {};
  switch (style & kBsTypeMask) {
    case kBsCheckBox:
    case kBsAutoCheckBox:
    case kBs3State:
    case kBsAuto3State:
      return OwnIf(s.Has(xcCheckBox), scSkinCheckBox);
    case kBsRadioButton:
    case kBsAutoRadioButton:
      return OwnIf(s.Has(xcRadioButton), scSkinRadioButton);
    case kBsPushButton:
    case kBsDefPushButton:
    case kBsUserButton:
      return OwnIf(s.Has(xcButton), scSkinButton);
    case kBsGroupBox:
    case kBsOwnerDraw:
    default:
      return {};
  }
}

}  // namespace

TSkinMapping ChooseWindowSkin(std::string_view class_name, std::uint32_t style, const TMappingSettings& s) {
  const AnsiString name = LowerCaseAscii(class_name);
  if (name == "button") return ButtonSkin(style, s);
  if (name == "combobox") return OwnIf(s.Has(xcCombo) && (style & kCbsTypeMask) != kCbsSimple, scSkinComBox);
  if (name == "comboboxex32") {
    if (!s.Has(xcCombo)) return {};
    TSkinMapping mapping = OwnSkin(scSkinComBox);
    mapping.Skin.Target = TAttachTarget::atFirstChildWindow;
    return mapping;
  }
  // Only size boxes and grips: an ordinary scroll bar control keeps working.
  if (name == "scrollbar")
    return OwnIf(!(style & kWsTabStop) && (style & (kSbsSizeBox | kSbsSizeGrip)), scSkinSizer);
  if (name == "#32770") {
    // A dialog embedded in a dialog.
    if (style & kWsTabStop) return {};
    TSkinMapping mapping = OwnSkin(scSkinBoxH);
    mapping.Children = TChildMapping::cmMapFirst;
    return mapping;
  }
  if (name == "tpanel" || name == "ttntpanel.unicodeclass" || name == "ttntsilentpaintpanel.unicodeclass") {
    TSkinMapping mapping;
    mapping.Children = TChildMapping::cmMapFirst;
    mapping.FaceColour = true;
    return mapping;
  }
  if (name == "tcheckbox") return OwnIf(s.Has(xcCheckBox), scSkinCheckBox);
  if (name == "tcombobox") return OwnIf(s.Has(xcCombo), scSkinComBox);
  if (name == "tbutton") return OwnIf(s.Has(xcButton), scSkinButton);
  if (name == "tprogressbar") return OwnSkin(scSkinProgress);
  if (name == "tsilentpaintpanel") {
    TSkinMapping mapping;
    mapping.FaceColour = true;
    return mapping;
  }
  if (name == "systabcontrol32") return OwnIf(s.Has(xcTab) && !(style & kTcsOwnerDrawFixed), scSkinTab);
  if (name == "toolbarwindow32") return OwnSkin(scSkinBoxH);
  if (name == "edit") return OwnIf(s.Has(xcEdit), scSkinEdit);
  // "systreeview32" and every other class keep their own look.
  return {};
}

#include "skin/controls/skin3rd_mapping.h"

#include <array>

namespace {

using enum TSkinControlClass;
using enum TSkinControlType;

constexpr std::size_t kMaxKindLength = 50;

TSkinChoice Make(TSkinControlClass cls) {
  TSkinChoice choice;
  choice.Class = cls;
  return choice;
}

TSkinMapping Own(TSkinChoice choice) {
  TSkinMapping mapping;
  mapping.Skin = choice;
  return mapping;
}

// Radio and check groups: each child gets its own button skin (glyph images
// for the TRz component set), then the group its frame.
TSkinMapping Group(const TControlFacts& control, const TMappingSettings& settings, bool radio) {
  const bool trz = LowerCaseAscii(control.ClassName()).find("trz") != AnsiString::npos;
  TSkinMapping mapping;
  if (settings.Has(xcRadioButton)) {
    mapping.Children = TChildMapping::cmSkinEachChild;
    mapping.ChildSkin = trz ? Make(scSkinObjImage) : Make(radio ? scSkinRadioButton : scSkinCheckBox);
    if (trz) mapping.ChildSkin.Variant = radio ? kObjImageRadio : kObjImageCheckBox;
  }
  if (radio || settings.Has(xcGroupBox)) mapping.Skin = Make(scSkinGroupBox);
  return mapping;
}

}  // namespace

std::optional<AnsiString> Skin3rdKind(std::string_view class_name, const TStringArray& lines) {
  const AnsiString prefix = LowerCaseAscii(class_name) + "=";
  for (const AnsiString& line : lines) {
    const AnsiString lower = LowerCaseAscii(line);
    if (lower.starts_with(prefix)) return lower.substr(prefix.size(), kMaxKindLength);
  }
  return std::nullopt;
}

std::optional<TSkinMapping> Skin3rdMapping(const TControlFacts& control, const TMappingSettings& settings) {
  const std::optional<AnsiString> found = Skin3rdKind(control.ClassName(), settings.Skin3rd);
  if (!found) return std::nullopt;
  const AnsiString& kind = *found;
  const TSkinMapping nothing;

  // Kinds that make one object, each gated by one SkinControls member.
  struct TSimpleKind {
    std::string_view Kind;
    TSkinControlType Needs;
    TSkinControlClass Class;
  };
  static constexpr std::array kSimple = {
      TSimpleKind{"combobox", xcCombo, scSkinComBox},
      TSimpleKind{"radiobutton", xcRadioButton, scSkinRadioButton},
      TSimpleKind{"button", xcButton, scSkinButton},
      TSimpleKind{"datetimepicker", xcCombo, scSkinDateTime},
      TSimpleKind{"mediaplayer", xcButton, scSkinMP},
      TSimpleKind{"menubtn", xcButton, scSkinMenuButton},
      TSimpleKind{"speedbutton", xcSpeedButton, scSkinSpeedButton},
      TSimpleKind{"progress", xcProgress, scSkinProgress},
      TSimpleKind{"groupbox", xcGroupBox, scSkinGroupBox},
      TSimpleKind{"advpagecontrol", xcTab, scSkinAdvPage},
      TSimpleKind{"checkbox", xcCheckBox, scSkinCheckBox},
  };
  for (const TSimpleKind& simple : kSimple)
    if (kind == simple.Kind) return settings.Has(simple.Needs) ? Own(Make(simple.Class)) : nothing;

  if (kind == "comboboxex") {
    if (!settings.Has(xcCombo)) return nothing;
    TSkinChoice choice = Make(scSkinComBox);
    choice.ExtendedCombo = true;
    return Own(choice);
  }
  if (kind == "edit") {
    // A borderless edit has no frame to paint.
    return settings.Has(xcEdit) && control.FrameDiffers ? Own(Make(scSkinEdit)) : nothing;
  }
  if (kind == "panel" || kind == "trackbar") {
    const bool panel = kind == "panel";
    if (!settings.Has(panel ? xcPanel : xcButton)) return nothing;
    TSkinChoice choice = Make(panel ? scSkinBox : scSkinTrackBar);
    choice.ChangeColor = panel;
    TSkinMapping mapping = Own(choice);
    mapping.SetTransparent = true;
    return mapping;
  }
  if (kind == "bitbtn") {
    if (!settings.Has(xcButton)) return nothing;
    const bool drop_down = LowerCaseAscii(control.ClassName()) == "tcxbutton" &&
                           LowerCaseAscii(control.Kind) == "cxbkdropdownbutton";
    return Own(Make(drop_down ? scSkinMenuButton : scSkinBitButton));
  }
  if (kind == "pngbitbtn" || kind == "pngspeedbutton") {
    if (!settings.Has(xcButton)) return nothing;
    TSkinChoice choice = Make(kind == "pngbitbtn" ? scSkinBitButton : scSkinSpeedButton);
    choice.GlyphProperty = "PngImage";
    return Own(choice);
  }
  if (kind == "tab") return settings.Has(xcTab) && settings.SkinHasTab ? Own(Make(scSkinTab)) : nothing;
  if (kind == "scrollbar" || kind == "singlescrollbar") {
    if (!settings.Has(xcScrollbar)) return nothing;
    TSkinChoice choice = Make(scSkinScrollbar);
    choice.SingleScrollbar = kind == "singlescrollbar";
    TSkinMapping mapping = Own(choice);
    if (!choice.SingleScrollbar) mapping.Children = TChildMapping::cmMapAfter;
    return mapping;
  }
  if (kind == "embedscrollbar") {
    if (!settings.Has(xcScrollbar)) return nothing;
    TSkinMapping mapping;
    mapping.Children = TChildMapping::cmSkinScrollingChildren;
    mapping.ChildSkin = Make(scSkinScrollbar);
    return mapping;
  }
  if (kind == "container") {
    TSkinMapping mapping;
    mapping.Children = TChildMapping::cmMapFirst;
    return mapping;
  }
  if (kind == "radiogroup") return settings.Has(xcGroupBox) ? Group(control, settings, true) : nothing;
  if (kind == "checkgroup") return settings.Has(xcPanel) ? Group(control, settings, false) : nothing;
  // "nil" and kinds the skin doesn't know: handled, nothing made.
  return nothing;
}

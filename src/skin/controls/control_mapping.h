#pragma once
// The control mapping for framework controls: which skin object a control of
// a skinned framework form gets, decided on plain facts the caller reads from
// the control (its class chain, tag, window style and the few published
// properties the rules look at) and on the skin component's settings.
//
// The caller's order for one control: DisabledByTag first (a disabled group
// also disables its children); then controls without a parent or already
// skinned are passed over and the control's window is made; then the
// application's OnSkinControl may supply or veto an object; only when it
// supplies nothing does ChooseControlSkin decide.

#include <cstdint>
#include <string_view>

#include "framework/text.h"
#include "framework/type_info.h"
#include "skin/controls/skin_mapping.h"
#include "skin/data/model/skin_data.h"

struct TControlFacts {
  // The control's class name, then its ancestors' names up the chain, as the
  // framework spells them ("TMemo", "TCustomMemo", "TCustomEdit", ...).
  TStringArray ClassChain;
  int Tag = 0;
  bool Windowed = false;      // a windowed control
  std::uint32_t Style = 0;    // its window style, read once the window exists
  bool FrameDiffers = false;  // window and client rectangle differ in size (it has a border)
  AnsiString Kind;            // published Kind (enumeration identifier); empty when absent
  AnsiString TabStyle;        // published Style of a tab or page control; empty when absent
  int NumButtons = -1;        // published NumButtons; -1 when absent

  const AnsiString& ClassName() const;
  // The class or one of its ancestors is `class_name` (ASCII case ignored).
  bool IsA(std::string_view class_name) const;
};

// The skin component's settings that the mapping reads.
struct TMappingSettings {
  TSkinControlTypes SkinControls;
  int DisableTag = TSkinData::kDefaultDisableTag;
  TStringArray Skin3rd;     // "ClassName=kind" lines
  bool SkinHasTab = false;  // the skin has a Tabs element

  bool Has(TSkinControlType type) const { return SkinControls.Contains(type); }
};
TMappingSettings MappingSettingsOf(const TSkinData& data);

// A control whose Tag is the DisableTag is not skinned; a radio or check
// group so tagged passes its tag on to its children.
enum class TDisableOutcome { doMap, doSkip, doSkipAndTagChildren };
TDisableOutcome DisabledByTag(const TControlFacts& control, bool has_children, int disable_tag);

// The skin object for a control: the Skin3rd lines first (a line that names
// the class decides, "nil" and unknown kinds giving nothing), then the class
// table in its order. A control no row matches (labels, splitters) gets none.
TSkinMapping ChooseControlSkin(const TControlFacts& control, const TMappingSettings& settings);

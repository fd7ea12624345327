#pragma once
// Controls as the mapping sees them, named after the framework's classes.

#include <ostream>
#include <string>

#include "skin/controls/control_mapping.h"

namespace mapping_test {

inline TControlFacts Windowed(TStringArray chain, std::uint32_t style = 0) {
  chain.insert(chain.end(), {"TWinControl", "TControl", "TComponent"});
  TControlFacts facts;
  facts.ClassChain = std::move(chain);
  facts.Windowed = true;
  facts.Style = style;
  return facts;
}
inline TControlFacts Graphic(TStringArray chain) {
  chain.insert(chain.end(), {"TGraphicControl", "TControl", "TComponent"});
  TControlFacts facts;
  facts.ClassChain = std::move(chain);
  return facts;
}

inline TControlFacts Button() {
  return Windowed({"TButton"});
}
inline TControlFacts CheckBox() {
  return Windowed({"TCheckBox", "TCustomCheckBox"});
}
inline TControlFacts Memo() {
  return Windowed({"TMemo", "TCustomMemo", "TCustomEdit"});
}
inline TControlFacts Edit() {
  return Windowed({"TEdit", "TCustomEdit"});
}
inline TControlFacts ComboBox() {
  return Windowed({"TComboBox", "TCustomComboBox"});
}
inline TControlFacts Panel() {
  return Windowed({"TPanel", "TCustomPanel"});
}
inline TControlFacts ListView() {
  return Windowed({"TOrderListView", "TListView", "TCustomListView"});
}
inline TControlFacts EmbeddedForm() {
  return Windowed({"TForm", "TCustomForm"});
}
inline TControlFacts Label() {
  return Graphic({"TLabel"});
}
inline TControlFacts Splitter() {
  return Graphic({"TSplitter"});
}
// A control of another vendor's class, known to the mapping only by name.
inline TControlFacts Foreign(const char* name) {
  return Windowed({name});
}

// Every kind the mapping reads, with the skin's tab element.
inline TMappingSettings AllKinds() {
  TMappingSettings s;
  s.SkinControls = TSkinControlTypes::FromBits((std::uint64_t{1} << 22) - 1);
  s.SkinHasTab = true;
  return s;
}
inline TMappingSettings Without(TMappingSettings s, TSkinControlType type) {
  s.SkinControls.Exclude(type);
  return s;
}

inline TSkinMapping Skin(TSkinControlClass cls) {
  TSkinMapping m;
  m.Skin.Class = cls;
  return m;
}

}  // namespace mapping_test

// Readable failures: the class by its number, with what goes with it.
inline void PrintTo(const TSkinChoice& c, std::ostream* os) {
  *os << "{class " << static_cast<int>(c.Class) << " variant " << c.Variant << " change " << c.ChangeColor
      << " ex " << c.ExtendedCombo << " single " << c.SingleScrollbar << " glyph '" << c.GlyphProperty
      << "' target " << static_cast<int>(c.Target) << "}";
}
inline void PrintTo(const TSkinMapping& m, std::ostream* os) {
  PrintTo(m.Skin, os);
  *os << " children " << static_cast<int>(m.Children) << " child ";
  PrintTo(m.ChildSkin, os);
  *os << " transparent " << m.SetTransparent << " face " << m.FaceColour << " toolbar " << m.PrepareToolBar;
}

#pragma once
// What the control mapping decides for one control or window: which control
// skin object it gets, in which mode, and what else happens to it and to its
// children. Plain data: the form skin creates and attaches what it says.

#include <string_view>

// Every control skin class the mapping can choose.
enum class TSkinControlClass {
  scNone,
  scSkinButton,
  scSkinBitButton,
  scSkinSpeedButton,
  scSkinMenuButton,
  scSkinCheckBox,
  scSkinRadioButton,
  scSkinObjImage,
  scSkinScrollbar,
  scSkinScControl,
  scSkinListView,
  scSkinCheckList,
  scSkinEdit,
  scSkinComBox,
  scSkinDateTime,
  scSkinUpDown,
  scSkinBox,
  scSkinBoxH,
  scSkinGroupBox,
  scSkinHeader,
  scSkinStatusBar,
  scSkinProgress,
  scSkinTrackBar,
  scSkinTab,
  scSkinTab31,
  scSkinTabBtn,
  scSkinTabSheet,
  scSkinAdvPage,
  scSkinSizer,
  scSkinMP,  // kept last: a check of the factory table runs up to it
};

// TSkinObjImage's modes: whose glyphs it builds.
inline constexpr int kObjImageCheckBox = 1;
inline constexpr int kObjImageRadio = 2;
inline constexpr int kObjImageCxCheckBox = 3;
// TSkinTab's mode for page controls (their child graphic controls are repainted).
inline constexpr int kTabPageControl = 2;

// Where the object is attached.
enum class TAttachTarget {
  atControl,          // the framework control (or, for foreign windows, the window) itself
  atControlWindow,    // the framework control's window, by handle
  atFirstChildWindow  // the window's first child window, by handle
};

struct TSkinChoice {
  TSkinControlClass Class = TSkinControlClass::scNone;
  int Variant = 0;                 // the object's mode word (kObjImage..., kTabPageControl)
  bool ChangeColor = false;        // the has-children flag: the control takes the skin's colour
  bool ExtendedCombo = false;      // TSkinComBox serving an extended combo box
  bool SingleScrollbar = false;    // TSkinScrollbar in single mode
  std::string_view GlyphProperty;  // button glyph read from this property instead of "Glyph"
  TAttachTarget Target = TAttachTarget::atControl;

  bool operator==(const TSkinChoice&) const = default;
};

// What happens to the control's children (framework controls) or child
// windows (foreign windows).
enum class TChildMapping {
  cmNone,
  cmMapAfter,              // the control's object first, then each child is mapped
  cmMapFirst,              // each child is mapped, then the control's object
  cmMapComponents,         // an embedded form: its object, then its own components are mapped
  cmSkinEachChild,         // each child gets ChildSkin directly, then the control's object
  cmSkinScrollingChildren  // each child with a scroll-bar style gets ChildSkin
};

struct TSkinMapping {
  TSkinChoice Skin;  // the control's own object; scNone for none
  TChildMapping Children = TChildMapping::cmNone;
  TSkinChoice ChildSkin;        // with cmSkinEachChild and cmSkinScrollingChildren
  bool SetTransparent = false;  // the control's published Transparent becomes "True" first
  bool FaceColour = false;      // the framework control behind the window takes the skin's face colour
  bool PrepareToolBar = false;  // a tool bar is made flat and its buttons' menus prepared

  bool operator==(const TSkinMapping&) const = default;
};

// The control gets an object of that class and nothing more.
inline TSkinMapping OwnSkin(TSkinControlClass cls) {
  TSkinMapping mapping;
  mapping.Skin.Class = cls;
  return mapping;
}

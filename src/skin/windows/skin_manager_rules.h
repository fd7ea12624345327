#pragma once
// The skin manager's decisions about windows, on plain facts the caller reads
// from the window: which windows are skinned, which skin component skins them,
// which popup menus are skinned, and what a newly created window is.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/model/skin_manager_link.h"

// The facts the window filter looks at.
struct TWindowFacts {
  std::string ClassName;
  std::uint32_t Style = 0, ExStyle = 0;
  bool ParentIsMdiClient = false;  // the parent's class is "mdiclient" in any letter case
  bool HasFrameworkForm = false;   // a framework form or control stands behind the window
  int FormTag = 0;                 // that form's Tag
  bool SameModule = false;         // the window's module instance is the program's
  bool NonZeroArea = false;        // the window rectangle has an area
};

// "mdiclient" in any letter case.
bool IsMdiClientClass(std::string_view class_name);
// A child window that is not an MDI child: never skinned as a form unless the
// manager walks the forms itself.
bool IsOrdinaryChild(std::uint32_t style, std::uint32_t ex_style, bool parent_is_mdiclient);
// The window filter's checks on the window itself: no ordinary child (unless
// scanning), a framework form, the program's module or a dialog class behind
// it, an area (or an MDI child), a form Tag other than 99, and none of the
// classes that must keep their look. The caller checks the active flag, that
// the window isn't skinned yet, the class acceptance and the skin data.
bool PassesWindowFilter(const TWindowFacts& facts, bool scanning);
// Class acceptance before the skin component's own decision: preview windows
// only with the preview option, no "#32770" with style bit 0x200, no
// "tpopupdbtreeview" (case-insensitive where the name is given in lower case).
bool AcceptsClass(std::string_view class_name, std::uint32_t style, bool options_have_preview);

// A registered skin component as SelectSkinDataIndex sees it.
enum class TSkinFormKind { sfMainform = 0, sfOnlyThisForm = 1, sfDialog = 2, sfDLL = 3 };
struct TSkinDataEntry {
  TSkinFormKind FormType = TSkinFormKind::sfMainform;
  TWindowHandle OwnerWindow = 0;  // the window of the component's owner form; 0 when none
};
// Which registered component (index in registration order) skins the window:
// the last one that skins only its owner when that owner is this window, else
// for dialog classes ("tmessageform", "#32770" in any case) the last dialog
// one, else the last main-form one, else the first; -1 when none is registered.
int SelectSkinDataIndex(std::span<const TSkinDataEntry> entries, TWindowHandle window,
                        std::string_view class_name);

// The popup menu about to open: 0 context menu, 1 menu-bar drop-down, 2 system menu.
enum class TMenuKind { mkContext = 0, mkMenuBar = 1, mkSystem = 2 };
// Context menus need xcPopupMenu, menu-bar drop-downs xcMainMenu or
// xcMenuItem, the system menu xcSystemMenu.
bool PopupMenuKindAllowed(TMenuKind kind, bool xc_popup_menu, bool xc_main_menu, bool xc_menu_item,
                          bool xc_system_menu);

// What the creation hook does with a new window: a size-grip scroll bar gets a
// control skin (when its parent is a skinned form), a top-level "#32768" is a
// popup menu to skin, an MDI child is skinned as a form.
enum class TCreatedWindowRole { cwNone, cwSizeGrip, cwPopupMenu, cwMdiChild };
TCreatedWindowRole CreatedWindowRole(std::string_view class_name, std::uint32_t style,
                                     std::uint32_t ex_style);

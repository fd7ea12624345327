#pragma once
// One item of a native menu as the skin reads it: text (up to 80
// characters), command, type, state and submenu, in one call.

#include "framework/win/win_api.h"

#include <string>

struct TNativeItem {
  std::wstring Text;  // empty for separators and owner-drawn items
  UINT Id = 0;
  UINT Type = 0;
  UINT State = 0;
  HMENU SubMenu = nullptr;

  bool Separator() const { return (Type & MFT_SEPARATOR) != 0; }
  bool Enabled() const { return (State & (MFS_GRAYED | MFS_DISABLED)) == 0; }
};

// The item at `item` (a position, or a command with by_position false);
// false when the menu has no such item.
bool ReadNativeItem(HMENU menu, UINT item, bool by_position, TNativeItem& out);

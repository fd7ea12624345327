#include "skin/windows/win/native_menu_item.h"

bool ReadNativeItem(HMENU menu, UINT item, bool by_position, TNativeItem& out) {
  // Menus of the skin's era keep item texts of at most 80 characters.
  wchar_t text[81] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 80;
  if (!GetMenuItemInfoW(menu, item, by_position ? TRUE : FALSE, &info)) return false;
  out.Text =
      (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)) == MFT_SEPARATOR ? std::wstring() : std::wstring(text);
  out.Id = info.wID;
  out.Type = info.fType;
  out.State = info.fState;
  out.SubMenu = info.hSubMenu;
  return true;
}

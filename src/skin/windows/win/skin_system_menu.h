#pragma once
// The system menu a skinned window shows in place of its own (from the icon,
// a right click on the title, Alt+Space): a copy of the window's system menu,
// owner-drawn by the skin with the menu glyphs (restore, maximise, minimise,
// close). Choosing an item posts its system command to the window.

#include "framework/win/win_api.h"

#include <vector>

#include "framework/win/gdi.h"
#include "skin/windows/system_menu.h"

class TSkinData;
class TWinSkinForm;

class TSkinSystemMenu {
 public:
  TSkinSystemMenu(TWinSkinForm& form, TSkinData& data) : form_(form), data_(data) {}
  TSkinSystemMenu(const TSkinSystemMenu&) = delete;
  TSkinSystemMenu& operator=(const TSkinSystemMenu&) = delete;

  // Builds the menu from the window's system menu and tracks it at the point.
  void Popup(POINT screen_point, const TSystemMenuState& state);
  HMENU Handle() const { return menu_.get(); }

  // The owner-draw messages of its items; false for any other menu's item.
  bool Measure(MEASUREITEMSTRUCT& item) const;
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  bool Mine(ULONG_PTR item_data) const { return item_data == reinterpret_cast<ULONG_PTR>(this); }

  TWinSkinForm& form_;
  TSkinData& data_;
  std::vector<TSystemMenuItem> items_;
  UniqueHandle<HMENU, DestroyMenu> menu_;
};

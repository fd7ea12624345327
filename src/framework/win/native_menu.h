#pragma once
// The system menu of a framework menu: one system menu for the root and one
// for every item with sub-items, made on first demand and kept in step with
// the items. Hidden items are left out; the entries carry the item's command,
// its caption with a tab and the shortcut text, its states, and the
// owner-draw type when the menu draws its items itself.

#include "framework/win/win_api.h"

#include <map>

#include "framework/menu.h"

class TNativeMenu : public TMenuNative {
 public:
  // A menu bar for a main menu, else a popup menu.
  TNativeMenu(const TMenu& menu, bool menu_bar) : menu_(menu), menu_bar_(menu_bar) {}
  ~TNativeMenu() override;
  TNativeMenu(const TNativeMenu&) = delete;
  TNativeMenu& operator=(const TNativeMenu&) = delete;

  HMENU ItemHandle(const TMenuItem& item) override;
  void ItemChanged(const TMenuItem& item) override;
  void ItemsChanged(const TMenuItem& parent) override;
  void ItemRemoved(const TMenuItem& item) override;
  void Rebuild() override;

 private:
  bool Built() const { return !handles_.empty(); }
  HMENU Find(const TMenuItem& item) const;
  // Fills the item's system menu with its visible sub-items, making or
  // dropping the system menus of those that gain or lose sub-items.
  void Fill(const TMenuItem& parent, HMENU handle);
  HMENU MakeSubmenu(const TMenuItem& item);
  MENUITEMINFOW EntryOf(const TMenuItem& item, std::wstring& text);
  void Drop(const TMenuItem& item);

  const TMenu& menu_;
  const bool menu_bar_;
  // Each system menu is emptied before it is destroyed, so that destroying
  // one never takes another with it.
  std::map<const TMenuItem*, HMENU> handles_;
};

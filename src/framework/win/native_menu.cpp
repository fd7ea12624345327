#include "framework/win/native_menu.h"

#include "framework/win/wide.h"

namespace {

void Empty(HMENU handle) {
  while (GetMenuItemCount(handle) > 0) RemoveMenu(handle, 0, MF_BYPOSITION);
}

}  // namespace

TNativeMenu::~TNativeMenu() {
  for (const auto& [item, handle] : handles_) Empty(handle);
  for (const auto& [item, handle] : handles_) DestroyMenu(handle);
}

HMENU TNativeMenu::Find(const TMenuItem& item) const {
  const auto found = handles_.find(&item);
  return found == handles_.end() ? nullptr : found->second;
}

HMENU TNativeMenu::ItemHandle(const TMenuItem& item) {
  if (!Built()) {
    const TMenuItem& root = *menu_.Items();
    const HMENU handle = menu_bar_ ? CreateMenu() : CreatePopupMenu();
    handles_[&root] = handle;
    Fill(root, handle);
  }
  return Find(item);
}

MENUITEMINFOW TNativeMenu::EntryOf(const TMenuItem& item, std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  info.fType = item.IsLine() ? MFT_SEPARATOR : MFT_STRING;
  if (menu_.OwnerDraw()) info.fType |= MFT_OWNERDRAW;
  if (!item.Enabled()) info.fState |= MFS_GRAYED;
  if (item.Checked()) info.fState |= MFS_CHECKED;
  if (item.Default()) info.fState |= MFS_DEFAULT;
  info.wID = item.Command();
  info.hSubMenu = Find(item);
  if (!item.IsLine()) {
    // Owner-drawn entries keep their text too: it gives the accelerator and
    // what readers of the system menu see.
    AnsiString caption = item.Caption();
    if (const AnsiString shortcut = ShortCutToText(item.ShortCut()); !shortcut.empty())
      caption += "\t" + shortcut;
    text = ToWide(caption);
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  return info;
}

HMENU TNativeMenu::MakeSubmenu(const TMenuItem& item) {
  const HMENU handle = CreatePopupMenu();
  handles_[&item] = handle;
  Fill(item, handle);
  return handle;
}

void TNativeMenu::Fill(const TMenuItem& parent, HMENU handle) {
  Empty(handle);
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (item.Count() > 0 && Find(item) == nullptr) MakeSubmenu(item);
    if (item.Count() == 0 && Find(item) != nullptr) Drop(item);
    if (!item.Visible()) continue;
    std::wstring text;
    const MENUITEMINFOW info = EntryOf(item, text);
    InsertMenuItemW(handle, static_cast<UINT>(GetMenuItemCount(handle)), TRUE, &info);
  }
}

void TNativeMenu::ItemChanged(const TMenuItem& item) {
  const HMENU parent = item.Parent() != nullptr ? Find(*item.Parent()) : nullptr;
  if (parent == nullptr || !item.Visible()) return;
  int position = 0;
  for (int i = 0; i < item.Parent()->Count() && item.Parent()->Items(i) != &item; ++i) {
    position += item.Parent()->Items(i)->Visible() ? 1 : 0;
  }
  std::wstring text;
  const MENUITEMINFOW info = EntryOf(item, text);
  SetMenuItemInfoW(parent, static_cast<UINT>(position), TRUE, &info);
}

void TNativeMenu::ItemsChanged(const TMenuItem& parent) {
  if (!Built()) return;
  if (const HMENU handle = Find(parent)) {
    if (parent.Count() > 0 || &parent == menu_.Items()) return Fill(parent, handle);
  }
  // The parent gained its first sub-item or lost its last: its own entry
  // gains or loses the submenu.
  if (parent.Parent() != nullptr) ItemsChanged(*parent.Parent());
}

void TNativeMenu::ItemRemoved(const TMenuItem& item) {
  if (Built()) Drop(item);
}

void TNativeMenu::Drop(const TMenuItem& item) {
  for (int i = 0; i < item.Count(); ++i) Drop(*item.Items(i));
  const auto found = handles_.find(&item);
  if (found == handles_.end()) return;
  Empty(found->second);
  DestroyMenu(found->second);
  handles_.erase(found);
}

void TNativeMenu::Rebuild() {
  // The tree itself is unchanged, but filling works on a copy all the same.
  const auto handles = handles_;
  for (const auto& [item, handle] : handles) Fill(*item, handle);
}

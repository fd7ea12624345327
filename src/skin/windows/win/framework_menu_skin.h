#pragma once
// The framework menus of a skinned form, drawn by the skin: every item of
// its popup menus (unless a menu's Tag is the skin's DisableTag) and, when
// menu items are skinned on their own, of its main menus below the bar. The
// items get the engine's measure and draw handlers while the form is
// skinned and lose them again when it is not.

#include <vector>

class TCustomForm;
class TMenu;
class TMenuItem;
class TSkinData;

class TFrameworkMenuSkin {
 public:
  explicit TFrameworkMenuSkin(TSkinData& data) : data_(data) {}
  TFrameworkMenuSkin(const TFrameworkMenuSkin&) = delete;
  TFrameworkMenuSkin& operator=(const TFrameworkMenuSkin&) = delete;

  void Attach(TCustomForm& form);
  // Handlers off, owner drawing as it was.
  void Detach();

 private:
  struct TTaken {
    TMenu* Menu;
    bool OwnerDraw;  // before the skin took the menu
  };
  void Take(TMenu& menu, bool main_menu);
  void TakeItem(TMenu& menu, TMenuItem& item, bool main_menu);

  struct TItemTaken {
    TMenuItem* Item;
    bool Draw, Measure;  // which handlers are the skin's
  };

  TSkinData& data_;
  std::vector<TTaken> menus_;
  std::vector<TItemTaken> items_;
};

#pragma once
// A menu: a root item whose sub-items are the menu's items, an image list for
// their glyphs, and owner drawing. The window layer's TMainMenu and
// TPopupMenu give it a system menu through a TMenuNative; without one (the
// portable model alone) the menu keeps its items only.

#include <cstdint>
#include <memory>

#include "framework/custom_image_list.h"
#include "framework/menu_item.h"

// How a menu's items reach the system's menu: built on first demand, then
// kept in step with every change.
class TMenuNative {
 public:
  virtual ~TMenuNative() = default;
  // The item's submenu handle (the menu's own for the root), building the
  // system menu first if needed; null for an item without sub-items.
  virtual HMENU ItemHandle(const TMenuItem& item) = 0;
  // The item's caption, state or shortcut changed.
  virtual void ItemChanged(const TMenuItem& item) = 0;
  // The parent's list of sub-items, or which of them are visible, changed.
  virtual void ItemsChanged(const TMenuItem& parent) = 0;
  // The item and its sub-items left the menu; they are still whole.
  virtual void ItemRemoved(const TMenuItem& item) = 0;
  // Every item changes its type (owner drawing switched).
  virtual void Rebuild() = 0;
};

enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The root item; its sub-items are the menu's items.
  TMenuItem* Items() const { return items_.get(); }
  // The system menu built from the items; null without a window layer.
  HMENU Handle() const { return items_->Handle(); }

  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  // Every item is owner-drawn in the system menu.
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool owner_draw);

  // The item (the root included) with that command, submenu handle
  // (reinterpret_cast<std::uintptr_t>(HMENU)) or shortcut, or null.
  TMenuItem* FindItem(std::uintptr_t value, TFindItemKind kind) const;
  // Runs the Click of the item with that command; false when there is none.
  bool DispatchCommand(unsigned command);
  // The submenu with that handle is about to open: its item's Click runs so
  // that it can update its sub-items. False when no item has that handle.
  bool DispatchPopup(HMENU handle);

 protected:
  // A window layer installs its system menu; the menu keeps it.
  void SetNative(std::unique_ptr<TMenuNative> native);
  // After every change of the items, once the system menu follows it.
  virtual void MenuChanged() {}

 private:
  friend class TMenuItem;
  TMenuNative* Native() const { return native_.get(); }

  // Declared first so that it outlives the items as they go.
  std::unique_ptr<TMenuNative> native_;
  std::unique_ptr<TMenuItem> items_;
  TCustomImageList* images_ = nullptr;  // not owned
  bool owner_draw_ = false;
};

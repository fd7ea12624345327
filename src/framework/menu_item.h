#pragma once
// A menu item: caption (with "&" before the accelerator; "-" makes a
// separator), shortcut, image, check mark, default and enabled state, and the
// items of its submenu. Every item has a command number, unique in the
// process, that the system's menu reports when the item is chosen.
//
// Items that belong to a menu tell it of every change, and the menu keeps its
// system menu in step (see framework/menu.h). An item frees the items of its
// submenu with itself; an item freed first leaves its parent.
//
// Owner drawing: code may install OnMeasureItem and OnAdvancedDrawItem; an
// owner-drawn item without them is measured and drawn by the framework.

#include <functional>
#include <vector>

#include "framework/component.h"
#include "framework/layout.h"
#include "framework/set.h"
#include "framework/shortcut.h"
#include "framework/system_handles.h"

class TMenu;

// A menu item used wrongly: inserted twice, into itself, at a bad index.
class EMenuError : public Exception {
 public:
  using Exception::Exception;
};

enum class TOwnerDrawStateFlag {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

// Measuring gets a device context with the menu font and the size the system
// proposes; drawing gets the item's rectangle and state.
using TMenuMeasureItemEvent = std::function<void(TObject* sender, HDC dc, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, HDC dc, const layout::Rect& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut shortcut);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int index);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // A separator: the caption is "-".
  bool IsLine() const { return caption_ == "-"; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item) { Insert(Count(), item); }
  // Raises EMenuError for an item that already has a parent, for this item or
  // one of its parents, and for an index outside 0..Count.
  void Insert(int index, TMenuItem* item);
  // Takes the item out of the submenu (it is not freed); EMenuError when it
  // is not there.
  void Remove(TMenuItem* item);

  unsigned Command() const { return command_; }
  // The system menu of the submenu while the item has sub-items and belongs
  // to a menu that has a system menu; else null.
  HMENU Handle() const;
  // The menu whose tree holds this item, or null.
  TMenu* GetParentMenu() const;

  const TNotifyEvent& OnClick() const { return on_click_; }
  void SetOnClick(TNotifyEvent handler) { on_click_ = std::move(handler); }
  // Runs OnClick with this item as the sender, when the item is enabled.
  virtual void Click();

  const TMenuMeasureItemEvent& OnMeasureItem() const { return on_measure_item_; }
  void SetOnMeasureItem(TMenuMeasureItemEvent handler) { on_measure_item_ = std::move(handler); }
  const TAdvancedMenuDrawItemEvent& OnAdvancedDrawItem() const { return on_draw_item_; }
  void SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent handler) { on_draw_item_ = std::move(handler); }

  // A description nests items in their menu or parent item.
  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TMenu;
  // The item's own look changed; its entry in the parent's menu follows.
  void Changed();

  AnsiString caption_;
  TShortCut shortcut_ = scNone;
  int image_index_ = -1;
  bool checked_ = false;
  bool default_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  unsigned command_;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;  // owned as sub-items, also owned as components by the form
  TMenu* menu_ = nullptr;          // set on a menu's root item only
  TNotifyEvent on_click_;
  TMenuMeasureItemEvent on_measure_item_;
  TAdvancedMenuDrawItemEvent on_draw_item_;
};

#include "framework/menu_item.h"

#include <algorithm>

#include "framework/menu.h"
#include "framework/published.h"

namespace {

// Command numbers in use. The system reports a chosen item by its number in
// 16 bits, and numbers from 0xF000 are the system menu's own commands.
class TCommandPool {
 public:
  unsigned Allocate() {
    const auto free = std::find(used_.begin(), used_.end(), false);
    const auto index = static_cast<unsigned>(free - used_.begin());
    if (index + kFirst > kLast) throw EMenuError("Too many menu items");
    if (free == used_.end()) {
      used_.push_back(true);
    } else {
      *free = true;
    }
    return index + kFirst;
  }
  void Release(unsigned command) { used_[command - kFirst] = false; }

 private:
  static constexpr unsigned kFirst = 1;
  static constexpr unsigned kLast = 0xEFFF;
  std::vector<bool> used_;
};

TCommandPool& Commands() {
  static TCommandPool pool;
  return pool;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(Commands().Allocate()) {}

TMenuItem::~TMenuItem() {
  // Leave the menu while the sub-items are still here, so that it can drop
  // what it built for them; then they go without telling anyone.
  if (parent_ != nullptr) parent_->Remove(this);
  while (!items_.empty()) {
    TMenuItem* item = items_.back();
    items_.pop_back();
    item->parent_ = nullptr;
    delete item;
  }
  Commands().Release(command_);
}

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
      PublishInteger("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
      PublishInteger("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
      PublishBoolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
      PublishBoolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
      PublishBoolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
      PublishBoolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
      PublishEvent("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TMenuItem, TComponent>("TMenuItem", properties);
  return info;
}

void TMenuItem::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = AnsiString(caption);
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortcut) {
  if (shortcut == shortcut_) return;
  shortcut_ = shortcut;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == image_index_) return;
  image_index_ = index;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  // Hidden items are not in the system menu at all: the parent's list changes.
  TMenu* menu = GetParentMenu();
  if (menu == nullptr || parent_ == nullptr) return;
  if (TMenuNative* native = menu->Native()) native->ItemsChanged(*parent_);
  menu->MenuChanged();
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
  return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_ != nullptr || item->menu_ != nullptr) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* p = this; p != nullptr; p = p->parent_) {
    if (p == item) throw EMenuError("A menu item cannot be its own sub-item");
  }
  if (index < 0 || index > Count()) throw EMenuError("Menu index out of range");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  TMenu* menu = GetParentMenu();
  if (menu == nullptr) return;
  if (TMenuNative* native = menu->Native()) native->ItemsChanged(*this);
  menu->MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) throw EMenuError("Sub-menu is not in menu");
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  TMenu* menu = GetParentMenu();
  if (menu == nullptr) return;
  if (TMenuNative* native = menu->Native()) {
    native->ItemsChanged(*this);
    native->ItemRemoved(*item);
  }
  menu->MenuChanged();
}

HMENU TMenuItem::Handle() const {
  TMenu* menu = GetParentMenu();
  TMenuNative* native = menu != nullptr ? menu->Native() : nullptr;
  return native != nullptr ? native->ItemHandle(*this) : nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Click() {
  if (enabled_) on_click_(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = ObjectAs<TMenuItem>(parent)) return item->Add(this);
  if (auto* menu = ObjectAs<TMenu>(parent)) return menu->Items()->Add(this);
  throw EMenuError("A menu item belongs in a menu or a menu item");
}

void TMenuItem::Changed() {
  TMenu* menu = GetParentMenu();
  if (menu == nullptr || parent_ == nullptr) return;
  if (TMenuNative* native = menu->Native()) native->ItemChanged(*this);
  menu->MenuChanged();
}

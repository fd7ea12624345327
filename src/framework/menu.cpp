#include "framework/menu.h"

#include "framework/published.h"

namespace {

template <class F>
TMenuItem* FindInTree(TMenuItem* item, const F& matches) {
  if (matches(*item)) return item;
  for (int i = 0; i < item->Count(); ++i) {
    if (TMenuItem* found = FindInTree(item->Items(i), matches)) return found;
  }
  return nullptr;
}

}  // namespace

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  // The system menu goes first, whole; the items then leave a menu that no
  // longer builds anything for them.
  native_.reset();
  items_.reset();
}

const TClassInfo& TMenu::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Images", &TMenu::Images, &TMenu::SetImages),
      PublishBoolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw),
  };
  static const TClassInfo info = MakeClassInfo<TMenu, TComponent>("TMenu", properties);
  return info;
}

void TMenu::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  images_ = images;
  // Owner-drawn items are measured by their glyphs.
  if (native_ != nullptr && owner_draw_) native_->Rebuild();
  MenuChanged();
}

void TMenu::SetOwnerDraw(bool owner_draw) {
  if (owner_draw == owner_draw_) return;
  owner_draw_ = owner_draw;
  if (native_ != nullptr) native_->Rebuild();
  MenuChanged();
}

TMenuItem* TMenu::FindItem(std::uintptr_t value, TFindItemKind kind) const {
  return FindInTree(items_.get(), [&](const TMenuItem& item) {
    switch (kind) {
      case TFindItemKind::fkCommand:
        return item.Command() == value;
      case TFindItemKind::fkHandle:
        return item.Count() > 0 && reinterpret_cast<std::uintptr_t>(item.Handle()) == value;
      case TFindItemKind::fkShortCut:
        return item.ShortCut() != scNone && item.ShortCut() == value;
    }
    return false;
  });
}

bool TMenu::DispatchCommand(unsigned command) {
  TMenuItem* item = FindItem(command, TFindItemKind::fkCommand);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU handle) {
  if (handle == nullptr) return false;
  TMenuItem* item = FindItem(reinterpret_cast<std::uintptr_t>(handle), TFindItemKind::fkHandle);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

void TMenu::SetNative(std::unique_ptr<TMenuNative> native) {
  native_ = std::move(native);
}

#include "skin/windows/win/framework_menu_skin.h"

#include "framework/win/form.h"
#include "framework/win/image_list.h"
#include "framework/win/main_menu.h"
#include "framework/win/menu_item_draw.h"
#include "framework/win/popup_menu.h"
#include "framework/win/wide.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/menu_layout.h"
#include "skin/windows/win/menu_item_paint.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/win_skin_pop_menu.h"

namespace {

HIMAGELIST ImagesOf(const TMenu& menu) {
  const auto* list = dynamic_cast<const TImageList*>(menu.Images());
  return list != nullptr ? list->Handle() : nullptr;
}

TMenuItemLook LookOf(const TMenuItem& item, TOwnerDrawState state) {
  TMenuItemLook look;
  look.Caption = ToWide(item.Caption());
  look.ShortCut = ToWide(ShortCutToText(item.ShortCut()));
  look.ImageIndex = item.ImageIndex();
  look.Enabled = item.Enabled();
  look.Checked = item.Checked();
  look.Default = item.Default();
  look.Selected = state.Contains(TOwnerDrawStateFlag::odSelected);
  return look;
}

}  // namespace

void TFrameworkMenuSkin::Attach(TCustomForm& form) {
  const TSkinControlTypes controls = data_.SkinControls();
  const bool popups = controls.Contains(TSkinControlType::xcPopupMenu) &&
                      std::string_view(form.ClassName()) != "TwwRichEditForm";
  const bool main_menus = controls.Contains(TSkinControlType::xcMenuItem);
  for (TComponent* component : form.ComponentList()) {
    if (auto* popup = ObjectAs<TPopupMenu>(component); popup != nullptr && popups) {
      if (popup->Tag() != data_.DisableTag()) Take(*popup, false);
    } else if (auto* main = ObjectAs<TMainMenu>(component); main != nullptr && main_menus) {
      Take(*main, true);
    }
  }
}

void TFrameworkMenuSkin::Take(TMenu& menu, bool main_menu) {
  menus_.push_back({&menu, menu.OwnerDraw()});
  TMenuItem& root = *menu.Items();
  for (int i = 0; i < root.Count(); ++i) {
    // A main menu's bar items stay the bar's; the items below them are drawn.
    if (!main_menu) TakeItem(menu, *root.Items(i), false);
    for (int j = 0; main_menu && j < root.Items(i)->Count(); ++j)
      TakeItem(menu, *root.Items(i)->Items(j), true);
  }
  menu.SetOwnerDraw(true);
}

void TFrameworkMenuSkin::TakeItem(TMenu& menu, TMenuItem& item, bool main_menu) {
  TSkinData* data = &data_;
  TItemTaken taken{&item, !item.OnAdvancedDrawItem(), !item.OnMeasureItem()};
  if (taken.Draw) {
    item.SetOnAdvancedDrawItem(
        [data, &menu, &item](TObject*, HDC dc, const layout::Rect& r, TOwnerDrawState state) {
          TMenuItemCanvas canvas;
          canvas.Images = ImagesOf(menu);
          const HMENU parent = item.Parent() != nullptr ? item.Parent()->Handle() : nullptr;
          TSkinManage* manager = SkinManager();
          if (manager != nullptr && parent != nullptr) manager->AssignPopupMenu(parent);
          const TWinSkinPopMenu* popup = manager != nullptr ? manager->PopupShowing(parent) : nullptr;
          if (popup != nullptr && !popup->Background().Empty()) canvas.PopupBackground = &popup->Background();
          PaintMenuItem(dc, RECT{r.Left, r.Top, r.Right, r.Bottom}, LookOf(item, state), *data, canvas);
        });
  }
  if (taken.Measure) {
    item.SetOnMeasureItem([data, &menu, &item, main_menu](TObject*, HDC dc, int& width, int& height) {
      MeasureMenuItem(item, dc, width, height);
      const TDataSkinObject* element =
          data->MenuItem && !data->MenuItem->Bitmap.Empty() ? data->MenuItem.get() : nullptr;
      const bool images = menu.Images() != nullptr;
      const int left = element != nullptr ? element->LeftWidth : 0;
      width = main_menu ? MainMenuItemWidth(width, element != nullptr, left, images)
                        : PopupMenuItemWidth(width, element != nullptr, left, images);
    });
  }
  items_.push_back(taken);
  for (int i = 0; i < item.Count(); ++i) TakeItem(menu, *item.Items(i), main_menu);
}

void TFrameworkMenuSkin::Detach() {
  for (const TItemTaken& taken : items_) {
    if (taken.Draw) taken.Item->SetOnAdvancedDrawItem(nullptr);
    if (taken.Measure) taken.Item->SetOnMeasureItem(nullptr);
  }
  for (const TTaken& taken : menus_) taken.Menu->SetOwnerDraw(taken.OwnerDraw);
  items_.clear();
  menus_.clear();
}

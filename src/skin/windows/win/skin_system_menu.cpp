#include "skin/windows/win/skin_system_menu.h"

#include "framework/win/wide.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/skin_data_part_win.h"
#include "skin/windows/menu_layout.h"
#include "skin/windows/win/menu_item_paint.h"
#include "skin/windows/win/native_menu_item.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_skin_pop_menu.h"

namespace {

std::vector<TNativeMenuItem> ReadSystemMenu(HMENU menu) {
  std::vector<TNativeMenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    TNativeItem item;
    if (!ReadNativeItem(menu, static_cast<UINT>(i), true, item)) continue;
    items.push_back(
        {item.Id, item.Separator() ? std::string() : std::string(FromWide(item.Text)), item.State});
  }
  return items;
}

TMenuItemLook LookOf(const TSystemMenuItem& item, bool selected) {
  TMenuItemLook look;
  SplitMenuText(ToWide(item.Text), look);
  if (look.ShortCut.empty()) look.ShortCut = ToWide(item.ShortCut);
  look.ImageIndex = item.ImageIndex;
  look.Enabled = item.Enabled;
  look.Checked = item.Checked;
  look.Selected = selected;
  return look;
}

}  // namespace

void TSkinSystemMenu::Popup(POINT screen_point, const TSystemMenuState& state) {
  const HMENU system = GetSystemMenu(form_.Window(), FALSE);
  if (system == nullptr) return;
  items_ = BuildSystemMenuItems(ReadSystemMenu(system), state, false);
  menu_.reset(CreatePopupMenu());
  if (!menu_) return;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
    info.fType = MFT_OWNERDRAW | (items_[i].Text == "-" ? MFT_SEPARATOR : 0);
    info.fState = (items_[i].Enabled ? 0 : MFS_GRAYED) | (items_[i].Checked ? MFS_CHECKED : 0);
    info.wID = static_cast<UINT>(i + 1);
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    InsertMenuItemW(menu_.get(), static_cast<UINT>(i), TRUE, &info);
  }
  const auto chosen =
      static_cast<UINT>(TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen_point.x,
                                       screen_point.y, 0, form_.Window(), nullptr));
  if (chosen == 0 || chosen > items_.size()) return;
  PostMessageW(form_.Window(), WM_SYSCOMMAND, items_[chosen - 1].Tag, 0);
}

bool TSkinSystemMenu::Measure(MEASUREITEMSTRUCT& item) const {
  if (!Mine(item.itemData) || item.itemID == 0 || item.itemID > items_.size()) return false;
  const TSystemMenuItem& entry = items_[item.itemID - 1];
  const TMenuItemLook look = LookOf(entry, false);
  const TDataSkinObject* element =
      data_.MenuItem && !data_.MenuItem->Bitmap.Empty() ? data_.MenuItem.get() : nullptr;
  if (look.Caption == L"-") {
    item.itemWidth = 0;
    item.itemHeight = 8;
    return true;
  }
  const SIZE caption = MeasureMenuText(look.Caption + (look.ShortCut.empty() ? L"" : L"\t" + look.ShortCut));
  item.itemWidth = static_cast<UINT>(
      PopupMenuItemWidth(caption.cx, element != nullptr, element ? element->LeftWidth : 0, true));
  item.itemHeight = static_cast<UINT>(std::max<LONG>(caption.cy + 4, 20));
  return true;
}

bool TSkinSystemMenu::Draw(const DRAWITEMSTRUCT& item) const {
  if (!Mine(item.itemData) || item.itemID == 0 || item.itemID > items_.size()) return false;
  const auto menu = reinterpret_cast<HMENU>(item.hwndItem);
  TSkinManage* manager = SkinManager();
  if (manager != nullptr) manager->AssignPopupMenu(menu);
  TMenuItemCanvas canvas;
  canvas.Images = WinPart(data_) != nullptr ? WinPart(data_)->MenuGlyphs().Handle() : nullptr;
  const TWinSkinPopMenu* popup = manager != nullptr ? manager->PopupShowing(menu) : nullptr;
  if (popup != nullptr && !popup->Background().Empty()) canvas.PopupBackground = &popup->Background();
  PaintMenuItem(item.hDC, item.rcItem, LookOf(items_[item.itemID - 1], (item.itemState & ODS_SELECTED) != 0),
                data_, canvas);
  return true;
}

// Menus on a skinned frame: the framework's menu changes reaching the skinned
// bar, and the items of the bar's drop-downs, measured and drawn by the skin.

#include "framework/win/form.h"
#include "framework/win/image_list.h"
#include "framework/win/main_menu.h"
#include "skin/windows/menu_layout.h"
#include "skin/windows/win/menu_item_paint.h"
#include "skin/windows/win/native_menu_item.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_skin_menu.h"
#include "skin/windows/win/win_skin_pop_menu.h"

void TWinSkinForm::CmMenuChanged(TMessage& m) {
  {
    const TFramePaintingOff quiet(*data_);
    hook_.CallSaved(m);
  }
  HMENU menu = GetMenu(window_);
  if (menu == nullptr) return;
  if (menu_bar_ == nullptr || data_->MenuUpdate()) TakeMenu(menu);
  if (GetMenu(window_) != nullptr) SetMenu(window_, nullptr);
}

void TWinSkinForm::TakeMenu(HMENU menu) {
  if (menu_bar_ != nullptr) {
    menu_bar_->Build(menu);
    return PaintFrame(nullptr, false);
  }
  if (!frame_skinning_ || child_ || mdi_role_ == TMdiRole::mrChild) return;
  // A menu given after the skin took the window over (its window was made
  // while the skin ran) gets its bar now rather than being dropped; the
  // window grows by the bar, so that the client keeps its size.
  menu_bar_ = std::make_unique<TWinSkinMenu>(*this, *data_);
  metrics_.MenuBar = GetSystemMetrics(SM_CYMENU);
  menu_bar_->Build(menu);
  if (life_ == TFormLifeState::flsCreated) return;
  RECT r{};
  GetWindowRect(window_, &r);
  SetWindowPos(window_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + metrics_.MenuBar,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Items of the bar's drop-downs: sized from their text in the menu font.
void TWinSkinForm::WmMeasureItem(TMessage& m) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
  const HMENU menu = menu_bar_ != nullptr ? menu_bar_->TrackedMenu() : nullptr;
  wchar_t text[81] = {};
  if (menu != nullptr) GetMenuStringW(menu, item->itemID, text, 80, MF_BYCOMMAND);
  const std::wstring caption(text);
  TMenuItemLook look;
  SplitMenuText(caption, look);
  const SIZE size = MeasureMenuItemText(look);
  const TDataSkinObject* element =
      data_->MenuItem && !data_->MenuItem->Bitmap.Empty() ? data_->MenuItem.get() : nullptr;
  const TNativeItemSize native = NativeMenuItemSize(size.cx, size.cy, !caption.empty(), element != nullptr,
                                                    element ? element->LeftWidth : 0, false);
  item->itemWidth = static_cast<UINT>(native.Width);
  item->itemHeight = static_cast<UINT>(native.Height);
  m.Result = 1;
}

void TWinSkinForm::WmDrawItem(TMessage& m) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  const auto menu = reinterpret_cast<HMENU>(item->hwndItem);
  TSkinManage* manager = SkinManager();
  if (manager != nullptr) manager->AssignPopupMenu(menu);
  TNativeItem native;
  ReadNativeItem(menu, item->itemID, false, native);
  TMenuItemLook look;
  SplitMenuText(native.Text, look);
  if (native.Separator() || look.Caption.empty()) look.Caption = L"-";
  look.Enabled = native.Enabled();
  look.Checked = (native.State & MFS_CHECKED) != 0;
  look.Default = (native.State & MFS_DEFAULT) != 0;
  look.Selected = (item->itemState & ODS_SELECTED) != 0;
  TMenuItemCanvas canvas;
  canvas.RightToLeft = right_to_left_;
  // An item of the framework form's main menu shows its image too.
  if (const TMainMenu* main_menu = form_ != nullptr ? form_->Menu() : nullptr) {
    const TMenuItem* own = main_menu->FindItem(item->itemID, TFindItemKind::fkCommand);
    const auto* images = dynamic_cast<const TImageList*>(main_menu->Images());
    if (own != nullptr && images != nullptr) {
      look.ImageIndex = own->ImageIndex();
      canvas.Images = images->Handle();
    }
  }
  const TWinSkinPopMenu* popup = manager != nullptr ? manager->PopupShowing(menu) : nullptr;
  if (popup != nullptr && !popup->Background().Empty()) canvas.PopupBackground = &popup->Background();
  PaintMenuItem(item->hDC, item->rcItem, look, *data_, canvas);
  m.Result = 1;
}

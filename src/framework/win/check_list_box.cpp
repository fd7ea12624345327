#include "framework/win/check_list_box.h"

#include <windowsx.h>

#include "framework/published.h"
#include "framework/win/wide.h"

TCheckListBox::TCheckListBox(TComponent* owner) : TCustomListBox(owner) {}

const TClassInfo& TCheckListBox::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Items", &TCustomListBox::Items),
      PublishInteger("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex),
      PublishBoolean("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted),
      PublishInteger("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
      PublishEvent("OnClickCheck", &TCheckListBox::OnClickCheck, &TCheckListBox::SetOnClickCheck),
  };
  static const TClassInfo info = MakeClassInfo<TCheckListBox, TCustomListBox>("TCheckListBox", properties);
  return info;
}

bool TCheckListBox::Checked(int index) const {
  if (index < 0 || index >= Items()->Count()) throw EListError("List index out of bounds");
  return static_cast<std::size_t>(index) < checked_.size() && checked_[static_cast<std::size_t>(index)];
}

void TCheckListBox::SetChecked(int index, bool checked) {
  if (index < 0 || index >= Items()->Count()) throw EListError("List index out of bounds");
  checked_.resize(static_cast<std::size_t>(Items()->Count()));
  checked_[static_cast<std::size_t>(index)] = checked;
  Invalidate();
}

void TCheckListBox::ItemsChanged() {
  checked_.resize(static_cast<std::size_t>(Items()->Count()));
  TCustomListBox::ItemsChanged();
}

void TCheckListBox::Toggle(int index) {
  SetChecked(index, !Checked(index));
  on_click_check_(this);
}

void TCheckListBox::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  params.window_class = {L"TCheckListBox", L"LISTBOX"};
  params.style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
}

void TCheckListBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      return CnDrawItem(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TCustomListBox::WndProc(m);
      const int x = GET_X_LPARAM(m.LParam);
      const auto hit = static_cast<DWORD>(SendMessageW(WindowHandle(), LB_ITEMFROMPOINT, 0, m.LParam));
      // The high word is set for a point below the last item.
      if (HIWORD(hit) == 0 && x < CheckSize() + 2) Toggle(LOWORD(hit));
      return;
    }
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE && ItemIndex() >= 0) {
        Toggle(ItemIndex());
        return;
      }
      return TCustomListBox::WndProc(m);
    default:
      return TCustomListBox::WndProc(m);
  }
}

void TCheckListBox::CnDrawItem(TMessage& m) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  m.Result = 1;
  if (static_cast<int>(item.itemID) < 0 || static_cast<int>(item.itemID) >= Items()->Count()) return;
  const int index = static_cast<int>(item.itemID);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT r = item.rcItem;
  const int size = CheckSize();
  RECT box{r.left + 1, r.top + (r.bottom - r.top - size) / 2, r.left + 1 + size,
           r.top + (r.bottom - r.top - size) / 2 + size};
  FillRect(item.hDC, &r, GetSysColorBrush(COLOR_WINDOW));
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (Checked(index) ? DFCS_CHECKED : 0));
  r.left = box.right + 2;
  FillRect(item.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const SelectedObject font(item.hDC, FontHandle());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring text = ToWide(Items()->Get(index));
  r.left += 2;
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &r);
}

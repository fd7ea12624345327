#include "framework/win/list_box.h"

#include "framework/published.h"
#include "framework/win/wide.h"

namespace {
constexpr TColor clWindow = static_cast<TColor>(0xFF000005u);
}  // namespace

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TWatchedStrings>([this] { ItemsChanged(); })) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

const TClassInfo& TCustomListBox::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomListBox, TWinControl>("TCustomListBox");
  return info;
}

const TClassInfo& TListBox::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Items", &TCustomListBox::Items),
      PublishInteger("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex),
      PublishBoolean("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted),
      PublishInteger("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TListBox, TCustomListBox>("TListBox", properties);
  return info;
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return item_index_;
  return static_cast<int>(SendMessageW(WindowHandle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
  item_index_ = index;
  if (HandleAllocated()) SendMessageW(WindowHandle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomListBox::SetItemHeight(int height) {
  item_height_ = height;
  if (HandleAllocated()) SendMessageW(WindowHandle(), LB_SETITEMHEIGHT, 0, height);
}

void TCustomListBox::ItemsChanged() {
  if (!HandleAllocated()) return;
  item_index_ = ItemIndex();
  FillWindow();
}

void TCustomListBox::FillWindow() {
  HWND wnd = WindowHandle();
  SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(wnd, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < items_->Count(); ++i) {
    SendMessageW(wnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(items_->Get(i)).c_str()));
  }
  SendMessageW(wnd, LB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
  SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(wnd, nullptr, TRUE);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TListBox", L"LISTBOX"};
  // The items are in order already; the window keeps them as given.
  params.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::InitializeWnd() {
  SendMessageW(WindowHandle(), LB_SETITEMHEIGHT, 0, item_height_);
  FillWindow();
}

void TCustomListBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == LBN_SELCHANGE) {
    item_index_ = ItemIndex();
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

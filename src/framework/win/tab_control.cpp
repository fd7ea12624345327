#include "framework/win/tab_control.h"

#include <commctrl.h>

#include "framework/published.h"
#include "framework/win/wide.h"

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

const TClassInfo& TCustomTabControl::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomTabControl, TWinControl>("TCustomTabControl");
  return info;
}

void TCustomTabControl::SetTabIndex(int index) {
  if (index == tab_index_) return;
  tab_index_ = index;
  if (HandleAllocated()) SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  TabChanged();
}

void TCustomTabControl::TabChanged() {
  if (!HasState(TComponentStateFlag::csLoading)) on_change_(this);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TTabControl", WC_TABCONTROLW};
}

void TCustomTabControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageW(wnd, TCM_DELETEALLITEMS, 0, 0);
  const TStringArray texts = TabTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::wstring text = ToWide(texts[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(wnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(wnd, TCM_SETCURSEL, static_cast<WPARAM>(tab_index_), 0);
  // The tab rows may have changed the display area.
  Realign();
}

void TCustomTabControl::AdjustClientRect(layout::Rect& rect) const {
  if (!HandleAllocated()) return;
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  rect = {r.left, r.top, r.right, r.bottom};
}

void TCustomTabControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY:
      return CnNotify(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TCustomTabControl::CnNotify(TMessage& m) {
  if (reinterpret_cast<const NMHDR*>(m.LParam)->code != TCN_SELCHANGE) return;
  tab_index_ = static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
  TabChanged();
}

TTabControl::TTabControl(TComponent* owner)
    : TCustomTabControl(owner), tabs_(std::make_unique<TWatchedStrings>([this] { UpdateTabs(); })) {}

const TClassInfo& TTabControl::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Tabs", &TTabControl::Tabs),
      PublishInteger("TabIndex", &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex),
      PublishEvent("OnChange", &TCustomTabControl::OnChange, &TCustomTabControl::SetOnChange),
  };
  static const TClassInfo info = MakeClassInfo<TTabControl, TCustomTabControl>("TTabControl", properties);
  return info;
}

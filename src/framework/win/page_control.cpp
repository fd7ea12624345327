#include "framework/win/page_control.h"

#include <algorithm>

#include "framework/published.h"

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetAlign(TAlign::alClient);
  // The page control shows the active sheet only.
  SetVisible(false);
}

const TClassInfo& TTabSheet::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("PageIndex", &TTabSheet::PageIndex, nullptr),
  };
  static const TClassInfo info = MakeClassInfo<TTabSheet, TWinControl>("TTabSheet", properties);
  return info;
}

TPageControl* TTabSheet::PageControl() const {
  return ObjectAs<TPageControl>(Parent());
}

void TTabSheet::SetPageControl(TPageControl* page_control) {
  SetParent(page_control);
}

int TTabSheet::PageIndex() const {
  const TPageControl* pages = PageControl();
  if (pages == nullptr) return -1;
  for (int i = 0; i < pages->PageCount(); ++i) {
    if (pages->Pages(i) == this) return i;
  }
  return -1;
}

void TTabSheet::SetParent(TControl* parent) {
  TPageControl* old = PageControl();
  TWinControl::SetParent(parent);
  if (old != nullptr && old != parent) old->RemovePage(this);
  if (TPageControl* pages = PageControl(); pages != nullptr && pages != old) pages->InsertPage(this);
}

void TTabSheet::SetText(std::string_view text) {
  TWinControl::SetText(text);
  if (TPageControl* pages = PageControl()) pages->PageCaptionChanged();
}

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TTabSheet", nullptr, CS_DBLCLKS};
}

void TTabSheet::BeforeDestruction() noexcept {
  // A page control that goes frees its sheets and needs no account of them.
  TPageControl* pages = PageControl();
  if (pages != nullptr && !pages->HasState(TComponentStateFlag::csDestroying)) pages->RemovePage(this);
  TWinControl::BeforeDestruction();
}

const TClassInfo& TPageControl::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage),
      PublishInteger("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex),
      PublishInteger("TabIndex", &TCustomTabControl::TabIndex, nullptr),
      PublishEvent("OnChange", &TCustomTabControl::OnChange, &TCustomTabControl::SetOnChange),
  };
  static const TClassInfo info = MakeClassInfo<TPageControl, TCustomTabControl>("TPageControl", properties);
  return info;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page != nullptr && page->PageControl() != this) return;
  SetActivePageIndex(page != nullptr ? page->PageIndex() : -1);
}

void TPageControl::SetActivePageIndex(int index) {
  if (index < -1 || index >= PageCount()) return;
  SetTabIndex(index);
  // Also when the index stayed: the sheet there may be a new one.
  TabChanged();
}

void TPageControl::CreateParams(TCreateParams& params) {
  TCustomTabControl::CreateParams(params);
  params.window_class.name = L"TPageControl";
}

TStringArray TPageControl::TabTexts() const {
  TStringArray texts;
  for (const TTabSheet* page : pages_) texts.push_back(page->Caption());
  return texts;
}

void TPageControl::TabChanged() {
  TTabSheet* page = TabIndex() >= 0 && TabIndex() < PageCount() ? Pages(TabIndex()) : nullptr;
  const bool changed = page != active_;
  active_ = page;
  ShowActivePage();
  if (changed) TCustomTabControl::TabChanged();
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  ShowActivePage();
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  UpdateTabs();
  if (active_ == nullptr) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  if (found == pages_.end()) return;
  const int index = static_cast<int>(found - pages_.begin());
  pages_.erase(found);
  UpdateTabs();
  if (page != active_) {
    // The active sheet keeps its tab, which may have moved left.
    SetTabIndex(active_ != nullptr ? active_->PageIndex() : -1);
    return;
  }
  active_ = nullptr;
  SetActivePageIndex(std::min(index, PageCount() - 1));
}

void TPageControl::ShowActivePage() {
  for (TTabSheet* page : pages_) page->SetVisible(page == active_);
  if (active_ != nullptr && active_->HandleAllocated()) {
    SetWindowPos(active_->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

#include "skin/controls/win/skin_list_view.h"

#include <commctrl.h>

TSkinListView::~TSkinListView() = default;

void TSkinListView::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  const bool was_new = SkinState() == TSkinState::ssNew;
  TSkinScrollbar::AttachControl(form, data, change_color);
  if (!was_new || SkinState() != TSkinState::ssAttached) return;
  const auto header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  if (header == nullptr) return;
  // Not in the form's list: the form would free it a second time.
  header_ = std::make_unique<TSkinHeader>(nullptr);
  header_->AttachWindow(header, data, nullptr);
  if (header_->SkinState() != TSkinState::ssAttached) header_.reset();
}

void TSkinListView::Detach() {
  TSkinScrollbar::Detach();
  if (!header_) return;
  header_->Detach();
  header_.reset();
}

void TSkinListView::SkinChanged() {
  TSkinScrollbar::SkinChanged();
  if (header_) header_->SkinChanged();
}

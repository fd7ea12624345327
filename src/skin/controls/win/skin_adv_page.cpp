#include "skin/controls/win/skin_adv_page.h"

#include <commctrl.h>

#include "framework/win/bitmap.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

constexpr const char* kTabImages[] = {"TabBackGround", "TabBackGroundActive"};

bool IsUpDown(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, UPDOWN_CLASSW) == 0;
}

}  // namespace

TSkinAdvPage::~TSkinAdvPage() = default;

void TSkinAdvPage::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  if (SkinState() != TSkinState::ssAttached) return;
  HandOver();
  FindUpDown();
}

void TSkinAdvPage::HandOver() {
  const TDataSkinBorder* tabs = SkinData()->Tabs.get();
  if (tabs == nullptr || tabs->Bitmap.Empty()) return;
  for (int frame = 1; frame <= 2; ++frame) {
    TBitmap* target = GetObjectPropByName<TBitmap>(Control(), kTabImages[frame - 1]);
    if (target == nullptr) continue;
    const TSkinBitmap face = BuildElementBitmap({0, 0, kAdvTabWidth, kAdvTabHeight}, tabs->Bitmap,
                                                tabs->Margins(), frame, tabs->Frame, tabs->Tile == 1, false);
    if (!face.Empty()) target->SetHandle(ImageToBitmap(face));
  }
  Redraw();
}

void TSkinAdvPage::FindUpDown() {
  if (up_down_ || Handle() == nullptr) return;
  for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUpDown(child)) continue;
    auto skin = std::make_unique<TSkinUpDown>(nullptr);
    // Kept out of the form's list: the form frees what is in it, and this
    // object frees the scroller's skin itself.
    skin->AttachWindow(child, *SkinData(), nullptr);
    if (skin->SkinState() == TSkinState::ssAttached) up_down_ = std::move(skin);
    return;
  }
}

void TSkinAdvPage::SkinChanged() {
  if (SkinState() == TSkinState::ssAttached) HandOver();
  if (up_down_) up_down_->SkinChanged();
  TSkinControl::SkinChanged();
}

void TSkinAdvPage::Detach() {
  const bool give_back = SkinState() == TSkinState::ssAttached;
  if (up_down_) up_down_->Detach();
  up_down_.reset();
  TSkinControl::Detach();
  if (!give_back) return;
  for (const char* name : kTabImages)
    if (TBitmap* target = GetObjectPropByName<TBitmap>(Control(), name))
      target->SetHandle(UniqueBitmap(nullptr));
  Redraw();
}

void TSkinAdvPage::DrawSkin(HDC, const RECT&) {
  FindUpDown();
}

#include "skin/controls/win/skin_mp.h"

#include "framework/win/win_control.h"

TSkinMP::~TSkinMP() = default;

void TSkinMP::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  auto* player = ObjectAs<TWinControl>(Control());
  if (SkinState() != TSkinState::ssAttached || panel_ || player == nullptr) return;
  panel_ = std::make_unique<TWMediaPlayer>(*this, *player);
}

void TSkinMP::Detach() {
  TSkinControl::Detach();
  if (SkinState() != TSkinState::ssWindowGone)
    panel_.reset();
  else if (panel_)
    panel_->Hide();
}

void TSkinMP::SkinChanged() {
  TSkinControl::SkinChanged();
  // A skin without button faces leaves the player its own look.
  if (panel_) panel_->Place();
}

void TSkinMP::AfterMessage(TMessage& message) {
  if (!panel_) return TSkinControl::AfterMessage(message);
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
      panel_->Place();
      break;
    case CM_VISIBLECHANGED:
      if (message.WParam != 0)
        panel_->Place();
      else
        panel_->Hide();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

// The player paints under the panel: the panel paints again over it.
void TSkinMP::DrawSkin(HDC, const RECT&) {
  if (panel_) panel_->Invalidate();
}

#include "skin/controls/win/skin_sc_control.h"

#include "framework/win/win_control.h"

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachControl(TWinSkinForm* form, TSkinData& data, bool) {
  TSkinControl::AttachControl(form, data, false);
  auto* control = ObjectAs<TWinControl>(Control());
  if (SkinState() != TSkinState::ssAttached || overlay_ || control == nullptr) return;
  overlay_ = std::make_unique<TWScrollbar>(*this);
  overlay_->AttachToControl(*control);
  if (!control->Visible()) overlay_->Hide();
}

void TSkinScControl::Detach() {
  TSkinControl::Detach();
  if (SkinState() != TSkinState::ssWindowGone)
    overlay_.reset();
  else if (overlay_)
    overlay_->Hide();
}

void TSkinScControl::AfterMessage(TMessage& message) {
  if (!overlay_) return TSkinControl::AfterMessage(message);
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      overlay_->Place();
      break;
    // A position set in code or by the control's own tracking: the thumb moves.
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case CN_HSCROLL:
    case CN_VSCROLL:
      overlay_->Invalidate();
      break;
    case CM_VISIBLECHANGED:
      if (message.WParam != 0)
        overlay_->Place();
      else
        overlay_->Hide();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScControl::DrawSkin(HDC, const RECT&) {
  if (overlay_) overlay_->Invalidate();
}

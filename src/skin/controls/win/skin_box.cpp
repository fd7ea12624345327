#include "skin/controls/win/skin_box.h"

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {
  hooks_control_ = false;
}

void TSkinBox::Detach() {
  const bool was_attached = SkinState() == TSkinState::ssAttached;
  TSkinControl::Detach();
  if (was_attached) SetSkinState(TSkinState::ssDetached);
}

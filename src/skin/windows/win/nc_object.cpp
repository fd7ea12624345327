#include "skin/windows/win/nc_object.h"

#include "skin/windows/win/win_skin_form.h"

void TNCObject::DoMouseEnter() {
  if (form_.HotObject() == this) return;
  if (TNCObject* hot = form_.HotObject()) hot->DoMouseLeave();
  if (!Visible) return;
  form_.SetHotObject(this);
  State = TNCState::ncsHot;
  Paint();
}

void TNCObject::DoMouseDown() {
  if (TNCObject* hot = form_.HotObject(); hot != nullptr && hot != this) hot->DoMouseLeave();
  if (!Visible) return;
  form_.SetHotObject(this);
  State = TNCState::ncsPressed;
  Paint();
}

void TNCObject::DoMouseUp() {
  if (!Visible) return;
  State = TNCState::ncsHot;
  Paint();
}

void TNCObject::DoMouseLeave() {
  if (!Visible) return;
  if (form_.HotObject() == this) form_.SetHotObject(nullptr);
  State = TNCState::ncsNormal;
  Paint();
  form_.ResetHint();
}

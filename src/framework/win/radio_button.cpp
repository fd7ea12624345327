#include "framework/win/radio_button.h"

#include "framework/published.h"

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 113, 17);
}

const TClassInfo& TRadioButton::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TRadioButton, TWinControl>("TRadioButton", properties);
  return info;
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  // Only a checked button takes part in the tab order, as the dialog manager expects.
  SetTabStop(checked);
  if (HandleAllocated()) SendMessageW(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  UncheckSiblings();
  if (!HasState(TComponentStateFlag::csLoading)) Click();
}

void TRadioButton::UncheckSiblings() {
  TControl* parent = Parent();
  if (parent == nullptr) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* sibling = ObjectAs<TRadioButton>(parent->Controls(i));
    if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
  }
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TRadioButton", L"BUTTON"};
  // Not BS_AUTORADIOBUTTON: the control decides the state, the window shows it.
  params.style |= BS_RADIOBUTTON;
}

void TRadioButton::InitializeWnd() {
  SendMessageW(WindowHandle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      return CnCommand(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TRadioButton::CnCommand(TMessage& m) {
  const unsigned code = HIWORD(m.WParam);
  if (code == BN_CLICKED || code == BN_DOUBLECLICKED) SetChecked(true);
}

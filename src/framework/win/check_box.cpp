#include "framework/win/check_box.h"

#include "framework/published.h"

namespace {
constexpr const char* kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
}  // namespace

const TEnumInfo kCheckBoxStateInfo{"TCheckBoxState", kCheckBoxStateNames};

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

const TClassInfo& TCustomCheckBox::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomCheckBox, TWinControl>("TCustomCheckBox");
  return info;
}

const TClassInfo& TCheckBox::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked),
      PublishEnum("State", kCheckBoxStateInfo, &TCustomCheckBox::State, &TCustomCheckBox::SetState),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TCheckBox, TCustomCheckBox>("TCheckBox", properties);
  return info;
}

void TCustomCheckBox::SetChecked(bool checked) {
  SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  if (HandleAllocated()) SendMessageW(WindowHandle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
  if (!HasState(TComponentStateFlag::csLoading)) Click();
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TCheckBox", L"BUTTON"};
  params.style |= BS_3STATE;
}

void TCustomCheckBox::InitializeWnd() {
  SendMessageW(WindowHandle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      return CnCommand(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TCustomCheckBox::CnCommand(TMessage& m) {
  if (HIWORD(m.WParam) == BN_CLICKED) SetChecked(!Checked());
}

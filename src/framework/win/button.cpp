#include "framework/win/button.h"

#include <cctype>

#include "framework/published.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

const TClassInfo& TButton::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("WordWrap", &TButton::WordWrap, &TButton::SetWordWrap),
      PublishBoolean("Default", &TButton::Default, &TButton::SetDefault),
      PublishBoolean("Cancel", &TButton::Cancel, &TButton::SetCancel),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TButton, TWinControl>("TButton", properties);
  return info;
}

void TButton::SetWordWrap(bool word_wrap) {
  word_wrap_ = word_wrap;
  RecreateWnd();
}

void TButton::SetDefault(bool value) {
  default_ = value;
  RecreateWnd();
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TButton", L"BUTTON"};
  params.style |= (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | (word_wrap_ ? BS_MULTILINE : 0);
}

void TButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      return CnCommand(m);
    case CM_DIALOGCHAR:
      return CmDialogChar(m);
    case CM_DIALOGKEY:
      return CmDialogKey(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TButton::CmDialogChar(TMessage& m) {
  // The character after "&" in the caption presses the button.
  const std::size_t amp = Caption().find('&');
  if (amp == AnsiString::npos || amp + 1 >= Caption().size() || m.WParam > 0x7F) return;
  if (std::tolower(static_cast<unsigned char>(Caption()[amp + 1])) !=
      std::tolower(static_cast<int>(m.WParam)))
    return;
  Click();
  m.Result = 1;
}

void TButton::CmDialogKey(TMessage& m) {
  const bool pressed = (m.WParam == VK_RETURN && Active()) || (m.WParam == VK_ESCAPE && cancel_);
  if (!pressed || !CanFocus()) return;
  Click();
  m.Result = 1;
}

bool TButton::Active() const {
  if (Focused()) return true;
  return default_ && ObjectAs<TButton>(FindFocusedControl()) == nullptr;
}

void TButton::CnCommand(TMessage& m) {
  if (HIWORD(m.WParam) == BN_CLICKED) Click();
}

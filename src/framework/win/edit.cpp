#include "framework/win/edit.h"

#include "framework/published.h"

namespace {
constexpr TColor clWindow = static_cast<TColor>(0xFF000005u);
}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishBoolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
      PublishBoolean("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection),
      PublishBoolean("OEMConvert", &TCustomEdit::OEMConvert, &TCustomEdit::SetOEMConvert),
      PublishEvent("OnChange", &TCustomEdit::OnChange, &TCustomEdit::SetOnChange),
  };
  static const TClassInfo info = MakeClassInfo<TCustomEdit, TWinControl>("TCustomEdit", properties);
  return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("Text", &TControl::Text, &TControl::SetText),
  };
  static const TClassInfo info = MakeClassInfo<TEdit, TCustomEdit>("TEdit", properties);
  return info;
}

void TCustomEdit::SetReadOnly(bool read_only) {
  read_only_ = read_only;
  if (HandleAllocated()) SendMessageW(WindowHandle(), EM_SETREADONLY, read_only, 0);
}

void TCustomEdit::SetHideSelection(bool hide_selection) {
  hide_selection_ = hide_selection;
  RecreateWnd();
}

void TCustomEdit::SetOEMConvert(bool oem_convert) {
  oem_convert_ = oem_convert;
  RecreateWnd();
}

void TCustomEdit::PasteFromClipboard() {
  SendMessageW(Handle(), WM_PASTE, 0, 0);
}

void TCustomEdit::SelectAll() {
  SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TEdit", L"EDIT"};
  params.style |= ES_AUTOHSCROLL | (read_only_ ? ES_READONLY : 0) | (hide_selection_ ? 0 : ES_NOHIDESEL) |
                  (oem_convert_ ? ES_OEMCONVERT : 0);
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitializeWnd() {
  // Texts of any size: the system's default limit would cut long ones.
  SendMessageW(WindowHandle(), EM_SETLIMITTEXT, 0, 0);
}

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      return CnCommand(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TCustomEdit::CnCommand(TMessage& m) {
  if (HIWORD(m.WParam) == EN_CHANGE) Changed();
}

void TCustomEdit::Changed() {
  SyncText(WindowText());
  on_change_(this);
}

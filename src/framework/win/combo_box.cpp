#include "framework/win/combo_box.h"

#include "framework/published.h"
#include "framework/win/wide.h"

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(static_cast<TColor>(0xFF000005u));
}

const TClassInfo& TCustomComboBox::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomComboBox, TWinControl>("TCustomComboBox");
  return info;
}

const TClassInfo& TComboBox::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Items", &TCustomComboBox::ItemsProperty),
      PublishBoolean("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted),
      PublishString("Text", &TControl::Text, &TCustomComboBox::SetText),
  };
  static const TClassInfo info = MakeClassInfo<TComboBox, TCustomComboBox>("TComboBox", properties);
  return info;
}

void TCustomComboBox::SetSorted(bool sorted) {
  sorted_ = sorted;
  items_.SetSorted(sorted);
  RecreateWnd();
}

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return -1;
  return static_cast<int>(SendMessageW(WindowHandle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetText(std::string_view text) {
  TControl::SetText(text);
  if (HandleAllocated()) SetWindowTextW(WindowHandle(), ToWide(text).c_str());
  Perform(CM_TEXTCHANGED);
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TComboBox", L"COMBOBOX"};
  params.style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | (sorted_ ? CBS_SORT : 0);
}

void TCustomComboBox::InitializeWnd() {
  items_.FillWindow();
  SetWindowTextW(WindowHandle(), ToWide(Text()).c_str());
}

void TCustomComboBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      return CnCommand(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TCustomComboBox::CnCommand(TMessage& m) {
  if (HIWORD(m.WParam) == CBN_EDITCHANGE || HIWORD(m.WParam) == CBN_SELCHANGE) SyncText(WindowText());
}

void TComboBoxStrings::Insert(int index, std::string_view s) {
  items_.Insert(index, s);
  InsertInWindow(index, s);
}

int TComboBoxStrings::Add(std::string_view s) {
  const int count = items_.Count();
  const int index = items_.Add(s);
  if (items_.Count() > count) InsertInWindow(index, s);
  return index;
}

void TComboBoxStrings::Delete(int index) {
  items_.Delete(index);
  if (box_.HandleAllocated())
    SendMessageW(box_.WindowHandle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TComboBoxStrings::Clear() {
  items_.Clear();
  if (box_.HandleAllocated()) SendMessageW(box_.WindowHandle(), CB_RESETCONTENT, 0, 0);
}

void TComboBoxStrings::FillWindow() const {
  SendMessageW(box_.WindowHandle(), CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < items_.Count(); ++i) InsertInWindow(i, items_.Item(i));
}

void TComboBoxStrings::InsertInWindow(int index, std::string_view s) const {
  if (!box_.HandleAllocated()) return;
  // By index even in a sorted box: the list has found the place already.
  SendMessageW(box_.WindowHandle(), CB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(ToWide(s).c_str()));
}

#include "framework/win/screen.h"

#include <algorithm>

#include "framework/win/form.h"

TCustomForm* TScreen::ActiveForm() const {
  const HWND active = GetActiveWindow();
  for (TCustomForm* form : forms_) {
    if (form->WindowHandle() == active && active != nullptr) return form;
  }
  return nullptr;
}

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

#include "framework/win/message_box.h"

#include "framework/win/wide.h"

int ShowMessageBox(const AnsiString& text, const AnsiString& caption, UINT flags) {
  return MessageBoxW(GetActiveWindow(), ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

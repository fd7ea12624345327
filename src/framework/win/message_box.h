#pragma once
// Message boxes with the program's GBK texts, owned by the active window.

#include "framework/win/win_api.h"

#include "framework/text.h"

// Answers the pressed button (IDOK, IDYES, ...).
int ShowMessageBox(const AnsiString& text, const AnsiString& caption, UINT flags);

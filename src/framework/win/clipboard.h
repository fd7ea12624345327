#pragma once
// The clipboard's text as the program's GBK text.

#include "framework/text.h"

// The clipboard's Unicode text converted to GBK; empty when there is none.
AnsiString ClipboardText();
void SetClipboardText(const AnsiString& text);

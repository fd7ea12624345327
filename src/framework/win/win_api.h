#pragma once
// <windows.h> for the framework's Win32 code. The system header defines the
// character-set names as macros, which would rewrite the framework's own
// constants of the same names and values (framework/font.h); they are
// dropped here so both can be used in one file.

#include <windows.h>

#undef ANSI_CHARSET
#undef DEFAULT_CHARSET
#undef GB2312_CHARSET

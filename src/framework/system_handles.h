#pragma once
// The system's menu and device-context handle types, declared exactly as the
// system header declares them, so that portable code can hold them without
// including it.

struct HMENU__;
struct HDC__;
using HMENU = HMENU__*;
using HDC = HDC__*;

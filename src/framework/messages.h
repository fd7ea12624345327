#pragma once
// Every window message number of the program that is not the system's own.
// The framework's control messages (CM_) live above 0xB000; notifications that
// a parent reflects back to the child that sent them (CN_) are the system
// message plus 0xBC00. Kept free of <windows.h> so portable code can name them.

#include <cstdint>

// One message as a control's handler sees it; Result is what the window
// procedure returns.
struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

// Framework control messages.
inline constexpr unsigned CM_BASE = 0xB000;
inline constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;        // wParam: virtual key; answered 1 when taken
inline constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;       // wParam: character; answered 1 when taken
inline constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;     // lParam: the control that got focus
inline constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;  // wParam: 1 shown, 0 hidden
inline constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
inline constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
inline constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
inline constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr unsigned CM_MENUCHANGED = CM_BASE + 21;
inline constexpr unsigned CM_ENTER = CM_BASE + 26;
inline constexpr unsigned CM_EXIT = CM_BASE + 27;
inline constexpr unsigned CM_RELEASE = CM_BASE + 33;  // posted: the form frees itself
inline constexpr unsigned CM_RECREATEWND = CM_BASE + 51;

static_assert(CM_DIALOGCHAR == 0xB006 && CM_MENUCHANGED == 0xB015);

// Reflected notifications: CN_x = CN_BASE + WM_x.
inline constexpr unsigned CN_BASE = 0xBC00;
inline constexpr unsigned CN_COMMAND = CN_BASE + 0x0111;
inline constexpr unsigned CN_NOTIFY = CN_BASE + 0x004E;
inline constexpr unsigned CN_DRAWITEM = CN_BASE + 0x002B;
inline constexpr unsigned CN_MEASUREITEM = CN_BASE + 0x002C;
inline constexpr unsigned CN_DELETEITEM = CN_BASE + 0x002D;
inline constexpr unsigned CN_COMPAREITEM = CN_BASE + 0x0039;
inline constexpr unsigned CN_HSCROLL = CN_BASE + 0x0114;
inline constexpr unsigned CN_VSCROLL = CN_BASE + 0x0115;
inline constexpr unsigned CN_CTLCOLORMSGBOX = CN_BASE + 0x0132;
inline constexpr unsigned CN_CTLCOLOREDIT = CN_BASE + 0x0133;
inline constexpr unsigned CN_CTLCOLORLISTBOX = CN_BASE + 0x0134;
inline constexpr unsigned CN_CTLCOLORBTN = CN_BASE + 0x0135;
inline constexpr unsigned CN_CTLCOLORDLG = CN_BASE + 0x0136;
inline constexpr unsigned CN_CTLCOLORSCROLLBAR = CN_BASE + 0x0137;
inline constexpr unsigned CN_CTLCOLORSTATIC = CN_BASE + 0x0138;

#pragma once
// Keyboard shortcuts of menu items as the platform stores them: the virtual
// key in the low byte, with scShift, scCtrl and scAlt for the keys held
// (Ctrl+S is 0x4053, stored in descriptions as 16467).

#include <cstdint>

#include "framework/text.h"

using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// The text a menu shows for a shortcut: "Ctrl+S", "Alt+F4", "Shift+Ctrl+N",
// "Del". Empty for no shortcut and for keys that have no name here.
AnsiString ShortCutToText(TShortCut shortcut);

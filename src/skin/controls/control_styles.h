#pragma once
// The Win32 control styles the window-class mapping reads, at their
// documented values, named apart from the <windows.h> macros.

#include <cstdint>

inline constexpr std::uint32_t kWsTabStop = 0x00010000;

// The button type is the low four bits of a button's style.
inline constexpr std::uint32_t kBsTypeMask = 0x0000000F;
inline constexpr std::uint32_t kBsPushButton = 0x0;
inline constexpr std::uint32_t kBsDefPushButton = 0x1;
inline constexpr std::uint32_t kBsCheckBox = 0x2;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x3;
inline constexpr std::uint32_t kBsRadioButton = 0x4;
inline constexpr std::uint32_t kBs3State = 0x5;
inline constexpr std::uint32_t kBsAuto3State = 0x6;
inline constexpr std::uint32_t kBsGroupBox = 0x7;
inline constexpr std::uint32_t kBsUserButton = 0x8;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x9;
inline constexpr std::uint32_t kBsOwnerDraw = 0xB;
inline constexpr std::uint32_t kBsBitmap = 0x80;

// A simple combo box (its list always shown) is the combo type 1.
inline constexpr std::uint32_t kCbsTypeMask = 0x3;
inline constexpr std::uint32_t kCbsSimple = 0x1;

inline constexpr std::uint32_t kSbsSizeBox = 0x08;
inline constexpr std::uint32_t kSbsSizeGrip = 0x10;

// Tabs the owner draws.
inline constexpr std::uint32_t kTcsOwnerDrawFixed = 0x2000;
// Where a tab control's tabs stand; TCS_RIGHT only counts with TCS_VERTICAL.
inline constexpr std::uint32_t kTcsBottom = 0x0002;
inline constexpr std::uint32_t kTcsRight = 0x0002;
inline constexpr std::uint32_t kTcsVertical = 0x0080;

#pragma once
// The Win32 numbers the portable window-skinning decisions work with, at their
// documented values. Named apart from the <windows.h> macros so both can be in
// scope in the same file.

#include <cstdint>

// Window styles.
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsDisabled = 0x08000000;
inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsCaption = 0x00C00000;  // border and dialog frame bits together
inline constexpr std::uint32_t kWsBorder = 0x00800000;
inline constexpr std::uint32_t kWsDlgFrame = 0x00400000;
inline constexpr std::uint32_t kWsVScroll = 0x00200000;
inline constexpr std::uint32_t kWsHScroll = 0x00100000;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000;
inline constexpr std::uint32_t kWsThickFrame = 0x00040000;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
// Dialog styles that share the low word with the window's class styles.
inline constexpr std::uint32_t kDsModalFrame = 0x00000080;
inline constexpr std::uint32_t kDsSetForeground = 0x00000200;
// Scroll-bar style of a size grip.
inline constexpr std::uint32_t kSbsSizeGrip = 0x00000010;

// Extended window styles.
inline constexpr std::uint32_t kWsExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kWsExMdiChild = 0x00000040;
inline constexpr std::uint32_t kWsExContextHelp = 0x00000400;
inline constexpr std::uint32_t kWsExRight = 0x00001000;
inline constexpr std::uint32_t kWsExLeftScrollBar = 0x00004000;  // the right-to-left layout flag here
inline constexpr std::uint32_t kWsExAppWindow = 0x00040000;

// WM_NCHITTEST answers.
inline constexpr int kHtNowhere = 0;
inline constexpr int kHtClient = 1;
inline constexpr int kHtCaption = 2;
inline constexpr int kHtSysMenu = 3;
inline constexpr int kHtMenu = 5;

// WM_SYSCOMMAND commands.
inline constexpr unsigned kScSize = 0xF000;
inline constexpr unsigned kScMove = 0xF010;
inline constexpr unsigned kScMinimize = 0xF020;
inline constexpr unsigned kScMaximize = 0xF030;
inline constexpr unsigned kScNextWindow = 0xF040;
inline constexpr unsigned kScPrevWindow = 0xF050;
inline constexpr unsigned kScClose = 0xF060;
inline constexpr unsigned kScKeyMenu = 0xF100;
inline constexpr unsigned kScRestore = 0xF120;
inline constexpr unsigned kScContextHelp = 0xF180;
// The low four bits of a WM_SYSCOMMAND wParam belong to the system.
inline constexpr unsigned kScCommandMask = 0xFFF0;

// Show commands of WINDOWPLACEMENT.showCmd.
inline constexpr unsigned kSwHide = 0;
inline constexpr unsigned kSwShowNormal = 1;
inline constexpr unsigned kSwShowMinimized = 2;
inline constexpr unsigned kSwShowMaximized = 3;
inline constexpr unsigned kSwMinimize = 6;
inline constexpr unsigned kSwShowMinNoActive = 7;

// WM_SIZE wParam.
inline constexpr unsigned kSizeRestored = 0;
inline constexpr unsigned kSizeMinimized = 1;
inline constexpr unsigned kSizeMaximized = 2;

// Menu item state bits (MENUITEMINFO.fState).
inline constexpr unsigned kMfGrayed = 0x0001;
inline constexpr unsigned kMfDisabled = 0x0002;
inline constexpr unsigned kMfsGrayed = 0x0003;
inline constexpr unsigned kMfsChecked = 0x0008;

// Virtual keys the menu-bar navigation swaps.
inline constexpr unsigned kVkLeft = 0x25;
inline constexpr unsigned kVkRight = 0x27;

// DrawText flags.
inline constexpr unsigned kDtCenter = 0x0001;
inline constexpr unsigned kDtRight = 0x0002;
inline constexpr unsigned kDtWordBreak = 0x0010;
inline constexpr unsigned kDtExpandTabs = 0x0040;
inline constexpr unsigned kDtNoClip = 0x0100;
inline constexpr unsigned kDtCalcRect = 0x0400;
inline constexpr unsigned kDtEndEllipsis = 0x8000;
inline constexpr unsigned kDtRtlReading = 0x20000;

// Button styles and BM_GETSTATE / BM_GETCHECK bits.
inline constexpr std::uint32_t kBsLeftText = 0x0020;  // BS_RIGHTBUTTON too
inline constexpr unsigned kBstChecked = 0x0001;
inline constexpr unsigned kBstIndeterminate = 0x0002;
inline constexpr unsigned kBnClicked = 0;

// Scroll codes of WM_HSCROLL / WM_VSCROLL.
inline constexpr int kSbLineUp = 0;
inline constexpr int kSbLineDown = 1;
inline constexpr int kSbPageUp = 2;
inline constexpr int kSbPageDown = 3;
inline constexpr int kSbThumbPosition = 4;
inline constexpr int kSbThumbTrack = 5;
inline constexpr int kSbEndScroll = 8;

// SCROLLBARINFO / COMBOBOXINFO state bits.
inline constexpr std::uint32_t kStateSystemUnavailable = 0x00000001;
inline constexpr std::uint32_t kStateSystemInvisible = 0x00008000;

// Combo-box styles (the low two bits).
inline constexpr std::uint32_t kCbsSimple = 0x0001;
inline constexpr std::uint32_t kCbsDropDown = 0x0002;

// Up-down style.
inline constexpr std::uint32_t kUdsHorz = 0x0040;

// Header item format bits.
inline constexpr unsigned kHdfRight = 0x0001;
inline constexpr unsigned kHdfCenter = 0x0002;
inline constexpr unsigned kHdfImage = 0x0800;
inline constexpr unsigned kHdfOwnerDraw = 0x8000;

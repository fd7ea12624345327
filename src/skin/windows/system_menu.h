#pragma once
// The items of the skinned system menu, built from the window's own system
// menu and its state, and when a request opens it or closes the window.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/windows/frame_geometry.h"

// One item of the window's system menu as GetMenuItemInfo reports it.
struct TNativeMenuItem {
  unsigned Id = 0;
  std::string Text;  // empty for separators
  unsigned State = 0;
};

struct TSystemMenuState {
  TShowState Show = TShowState::ssNormal;
  bool HasMinimizeBox = false, HasMaximizeBox = false;
};

// MenuGlyphs images: 0 restore, 1 maximise, 2 minimise, 3 close.
struct TSystemMenuItem {
  std::string Text;  // "-" for a separator
  std::string ShortCut;
  unsigned Tag = 0;     // the command a click posts; in the fixed menu, 0 restore .. 3 close
  int ImageIndex = -1;  // -1: no image
  bool Enabled = true;
  bool Checked = false;
};

// The skinned copy of the system menu. Size and Move are disabled when
// maximised, Minimize / Maximize when already so or without their box,
// Restore in the normal state; an item whose state is exactly MFS_GRAYED is
// disabled whatever its command. With fixed_menu (systems whose own system
// menu can't be read usefully) the items are the fixed " Restore ",
// " Maximize " (with a maximise box), " Minimize " (with a minimise box), "-"
// and " Close " ("ALT+F4"), each with its tag as image, and native_items is ignored.
std::vector<TSystemMenuItem> BuildSystemMenuItems(std::span<const TNativeMenuItem> native_items,
                                                  const TSystemMenuState& state, bool fixed_menu);

// System commands that a popup menu of the window sends as WM_COMMAND and the
// form posts on as WM_SYSCOMMAND.
bool IsForwardedSystemCommand(unsigned command);

// A request to open the skinned system menu at tick now_ms (GetTickCount,
// wrapping). It opens when it is the first or more than the double-click time
// after the last opening (always with a negative double-click time); a second
// request sooner closes the window when it came from a caption button, and is
// ignored otherwise.
enum class TSystemMenuRequest { smOpen, smCloseWindow, smIgnore };
TSystemMenuRequest SystemMenuRequest(std::uint32_t now_ms, std::optional<std::uint32_t> last_open_ms,
                                     int double_click_ms, bool from_caption_button);

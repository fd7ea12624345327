#include "skin/windows/mdi_cooperation.h"

#include "skin/windows/win32_values.h"

std::uint32_t MdiClientStyleOnCalcSize(std::uint32_t style, bool frame_skinning, bool keep_scroll_bars) {
  if (!frame_skinning || keep_scroll_bars) return style;
  return style & ~(kWsVScroll | kWsHScroll);
}

TMdiChildGone AfterMdiChildDestroyed(bool child_active, bool active_child_maximised, bool has_menu_bar) {
  return {child_active && active_child_maximised, !child_active && has_menu_bar};
}

int MdiChildMenuBarHeight(int top_height, int caption_height, int frame_width) {
  const int system_top = caption_height + frame_width;
  return top_height < system_top ? system_top - top_height : 0;
}

TMdiChildStart MdiChildStartAction(TShowState show) {
  switch (show) {
    case TShowState::ssMaximized:
      return TMdiChildStart::mcsRedrawParent;
    case TShowState::ssMinimized:
      return TMdiChildStart::mcsWait;
    case TShowState::ssNormal:
      break;
  }
  return TMdiChildStart::mcsFitFrame;
}

bool MdiChildChangeRedrawsParent(TShowState before, TShowState after) {
  return (before == TShowState::ssMaximized) != (after == TShowState::ssMaximized);
}

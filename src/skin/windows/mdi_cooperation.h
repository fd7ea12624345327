#pragma once
// How the skin of an MDI parent and of its children follows the MDI client:
// the client's scroll bars, the maximised state after a child goes, a child's
// first appearance. Plain decisions; the form skin sends the messages.

#include <cstdint>

#include "skin/windows/frame_geometry.h"

// The client's style as its frame is recalculated: a skinned parent drops
// the client's scroll bars unless the skin keeps them (xoMDIScrollbar).
std::uint32_t MdiClientStyleOnCalcSize(std::uint32_t style, bool frame_skinning, bool keep_scroll_bars);

// After WM_MDIDESTROY: the maximised state follows the child now active
// (none: not maximised); with no child left active, a parent with a skinned
// menu bar gets its menu updates back and rebuilds the bar.
struct TMdiChildGone {
  bool Maximised = false;
  bool RebuildMenuBar = false;
};
TMdiChildGone AfterMdiChildDestroyed(bool child_active, bool active_child_maximised, bool has_menu_bar);

// A child's client area starts no higher than under the system's caption and
// frame, where the MDI client expects it: a lower skinned title is made up by
// a band below it (as tall as the difference), kept like a menu-bar band.
int MdiChildMenuBarHeight(int top_height, int caption_height, int frame_width);

// What completing the set-up does to an MDI child: a maximised one only has
// its parent redrawn (it shows no skinned frame), a minimised one waits, a
// normal one is fitted to the skin frame and gets its region.
enum class TMdiChildStart { mcsRedrawParent, mcsWait, mcsFitFrame };
TMdiChildStart MdiChildStartAction(TShowState show);

// A child that becomes maximised or stops being maximised changes what the
// parent's menu bar shows: the parent redraws.
bool MdiChildChangeRedrawsParent(TShowState before, TShowState after);

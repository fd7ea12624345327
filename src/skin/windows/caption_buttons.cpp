#include "skin/windows/caption_buttons.h"

#include <algorithm>
#include <cstddef>

#include "skin/windows/win32_values.h"

namespace {

int FrameWidth(const TCaptionButtonDef& def) {
  return def.ImageWidth / std::max(def.Frames, 1);
}

bool Contains(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// One visibility code against the form; `first` selects the Visibility column,
// which differs from Visibility1 for -1, 6/8, 10 and the window's own codes.
bool ConditionHolds(int code, bool first, const TCaptionButtonDef& def, const TCaptionFormState& f,
                    const TCustomVisibilityQuery& query) {
  const bool has_box = f.HasMinimizeBox || f.HasMaximizeBox;
  switch (code) {
    case -1:
      return first;
    case 0:
      return true;
    case 1:
      return f.Maximized;
    case 2:
      return !f.Maximized;
    case 3:
      return f.Active;
    case 4:
      return !f.Active;
    case 6:
    case 8:
      return first ? has_box && f.HasSystemMenu : has_box;
    case 7:
      return !f.HasMaximizeBox;
    case 9:
      return !f.HasMinimizeBox;
    case 10:
      return first ? f.HasHelpButton && !has_box : f.HasHelpButton;
    case 100:
      return f.MdiParentWithMaximizedChild && f.HasMenuBar;
    case 200:
      return f.Kind == TFrameKind::fkDialog && !f.DialogClass;
  }
  if (code >= 201 && code <= 999) return true;
  if (code >= 1000 && code <= 2000) return !first || (query && query(code, def.Action) > 0);
  return false;
}

}  // namespace

bool HasButtonImage(const TCaptionButtonDef& def) {
  return FrameWidth(def) > 0 && def.ImageHeight > 0;
}

bool CaptionButtonVisible(const TCaptionButtonDef& def, const TCaptionFormState& form,
                          const TCustomVisibilityQuery& query) {
  if (!HasButtonImage(def)) return false;
  if (!ConditionHolds(def.Visibility, true, def, form, query)) return false;
  if (!ConditionHolds(def.Visibility1, false, def, form, query)) return false;
  if (def.Action == 0 && !form.HasSystemMenu) return false;
  const bool icon_menu = def.Action == 3 || def.Action == 11 || def.Action == 12;
  return !(icon_menu && form.Kind == TFrameKind::fkDialog);
}

bool CaptionButtonEnabled(const TCaptionButtonDef& def, const TCaptionFormState& form) {
  if (def.Action == 1) return form.HasMaximizeBox && form.HasSystemMenu;
  if (def.Action == 2) return form.HasMinimizeBox && form.HasSystemMenu;
  return true;
}

TRect CaptionButtonRect(const TCaptionButtonDef& def, int window_width, const TRect& title_text,
                        const TFrameMetrics& m, int menubar_left_width) {
  const int w = FrameWidth(def);
  const int h = def.ImageHeight;
  switch (def.Align) {
    case 0:
      return Bounds(def.Xcoord, def.Ycoord, w, h);
    case 1:
      return Bounds(window_width - def.Xcoord, def.Ycoord, w, h);
    case 2:
    case 8:
      return Bounds(title_text.Left - w - def.Xcoord, def.Ycoord, w, h);
    case 3:
    case 9:
      return Bounds(title_text.Right + def.Xcoord, def.Ycoord, w, h);
    case 100:
      return Bounds(window_width - def.Xcoord - m.Right - menubar_left_width, m.Top + (m.MenuBar - h) / 2, w,
                    h);
    default:
      return Bounds(0, 0, w, h);
  }
}

int RightReserve(std::span<const TCaptionButtonDef> defs, std::span<const bool> visible) {
  int reserve = 0;
  const std::size_t n = std::min(defs.size(), visible.size());
  for (std::size_t i = 0; i < n; ++i)
    if (visible[i] && defs[i].Align == 1 && HasButtonImage(defs[i]))
      reserve = std::max(reserve, defs[i].Xcoord);
  return reserve;
}

int CaptionButtonFrame(TNCState state, bool enabled, int frames, bool menu_bar_button) {
  int frame = static_cast<int>(state);
  if (!enabled)
    frame = frames > 3 ? 4 : 1;
  else if (menu_bar_button && state == TNCState::ncsHot)
    frame = 4;
  return std::clamp(frame, 1, std::max(frames, 1));
}

int TitleBitmapButtonFrame(bool active, bool enabled, int frames) {
  return frames >= 4 && (!active || !enabled) ? 4 : 1;
}

bool IsIconAction(int action) {
  return action == 3 || action == 11;
}

const char* CaptionHintText(int action) {
  switch (CaptionActionOf(action)) {
    case TCaptionAction::caClose:
    case TCaptionAction::caMdiClose:
      return "Close";
    case TCaptionAction::caMaximizeRestore:
      return "Maximize";
    case TCaptionAction::caMinimize:
    case TCaptionAction::caMdiMinimize:
      return "Minimize";
    case TCaptionAction::caMdiRestore:
      return "Restore";
    default:
      return "";
  }
}

TCaptionAction CaptionActionOf(int action) {
  switch (action) {
    case 0:
      return TCaptionAction::caClose;
    case 1:
    case 22:
      return TCaptionAction::caMaximizeRestore;
    case 2:
    case 23:
      return TCaptionAction::caMinimize;
    case 3:
    case 11:
    case 12:
      return TCaptionAction::caSystemMenu;
    case 4:
      return TCaptionAction::caContextHelp;
    case 7:
    case 60:
      return TCaptionAction::caMdiMinimize;
    case 8:
    case 61:
      return TCaptionAction::caMdiRestore;
    case 9:
    case 62:
      return TCaptionAction::caMdiClose;
    default:
      return TCaptionAction::caCustom;
  }
}

THintStep CaptionHintStep(int hover_ms, int hint_pause_ms, int hint_hide_pause_ms) {
  const int from = 2 * hint_pause_ms;
  if (hover_ms < from) return THintStep::hsWait;
  return hover_ms < from + hint_hide_pause_ms ? THintStep::hsShow : THintStep::hsHide;
}

int CaptionButtonAt(std::span<const TRect> rects, std::span<const bool> visible, std::span<const int> actions,
                    int x, int y) {
  const std::size_t n = std::min({rects.size(), visible.size(), actions.size()});
  for (std::size_t i = 0; i < n; ++i)
    if (visible[i] && actions[i] >= 0 && Contains(rects[i], x, y)) return static_cast<int>(i);
  return -1;
}

TTitleDoubleClick TitleDoubleClickAction(TShowState show, bool has_maximize_box) {
  if (show != TShowState::ssNormal) return TTitleDoubleClick::tdRestore;
  return has_maximize_box ? TTitleDoubleClick::tdMaximize : TTitleDoubleClick::tdForward;
}

int TitleButtonDownHitCode(int hit_code, bool maximized, bool active) {
  return maximized && active && hit_code == kHtCaption ? kHtMenu : hit_code;
}

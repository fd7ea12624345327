#pragma once
// Caption buttons as decisions on plain data: visibility, enabled state,
// placement, image frame, the action a click runs, the hint and the button
// under a point. Rectangles are in window coordinates, Right and Bottom
// exclusive; a point is inside when Left <= x < Right and Top <= y < Bottom.

#include <functional>
#include <span>

#include "skin/data/image/image_rect.h"
#include "skin/windows/frame_geometry.h"

// One caption-button definition of the skin. Frames counts the frames side by
// side in the image (icon buttons: 1); ImageWidth and ImageHeight are the
// image's size after an empty icon image took the window icon.
struct TCaptionButtonDef {
  int Action = 0, Align = 0, Xcoord = 0, Ycoord = 0, Visibility = 0, Visibility1 = 0, Frames = 1,
      ImageWidth = 0, ImageHeight = 0;
};
// A frame of ImageWidth / Frames x ImageHeight (Frames below 1 count as 1); none when that is empty.
bool HasButtonImage(const TCaptionButtonDef& def);

// The form state the visibility codes test.
struct TCaptionFormState {
  bool Maximized = false, Minimized = false, Active = false;
  bool HasMinimizeBox = false, HasMaximizeBox = false, HasSystemMenu = false, HasHelpButton = false;
  // Visibility 100: an MDI parent whose active child is maximised, with a skinned menu bar.
  bool MdiParentWithMaximizedChild = false, HasMenuBar = false;
  TFrameKind Kind = TFrameKind::fkFixed;
  bool DialogClass = false;
};

// Codes 1000 to 2000 ask the window itself (message 0x3515, wParam = the code,
// lParam = the action); the answer counts when above 0.
using TCustomVisibilityQuery = std::function<int(int code, int action)>;
// Both visibility conditions hold, a close button needs a system menu, icon
// buttons (3, 11, 12) are hidden in dialog frames, and a button without image
// is never visible. The query is asked only for a button with an image.
bool CaptionButtonVisible(const TCaptionButtonDef& def, const TCaptionFormState& form,
                          const TCustomVisibilityQuery& query);
// Maximise (1) needs a maximise box and a system menu, minimise (2) a minimise
// box and a system menu; everything else is enabled.
bool CaptionButtonEnabled(const TCaptionButtonDef& def, const TCaptionFormState& form);

// The button's rectangle by its Align rule: 0 from the left, 1 from the right
// edge, 2/8 left of the title text, 3/9 right of it, 100 on the menu bar (right
// border and the MenuBar element's LeftWidth kept clear, centred in the bar's
// height); any other at (0, 0).
TRect CaptionButtonRect(const TCaptionButtonDef& def, int window_width, const TRect& title_text,
                        const TFrameMetrics& m, int menubar_left_width);
// The space the title text leaves for right-aligned buttons: the largest
// Xcoord of the visible Align 1 buttons with an image; 0 when there is none.
int RightReserve(std::span<const TCaptionButtonDef> defs, std::span<const bool> visible);

enum class TNCState { ncsNormal = 1, ncsPressed = 2, ncsHot = 3 };
// The frame a live button shows: its state's number; disabled: 4 when the
// image has more than 3 frames, else 1; a hot menu-bar button: 4. Never beyond
// the image's last frame, which a skin with fewer frames would leave blank.
int CaptionButtonFrame(TNCState state, bool enabled, int frames, bool menu_bar_button);
// The frame a button shows when the whole title is painted: 4 when the image
// has at least 4 frames and the window is inactive or the button disabled, else 1.
int TitleBitmapButtonFrame(bool active, bool enabled, int frames);

// The buttons that show the window icon (3 and 11); a double click on them closes the window.
bool IsIconAction(int action);
// "Close", "Maximize", "Minimize", "Restore" or "" for actions without a hint.
const char* CaptionHintText(int action);

enum class TCaptionAction {
  caClose,            // 0
  caMaximizeRestore,  // 1, 22
  caMinimize,         // 2, 23
  caSystemMenu,       // 3, 11, 12
  caContextHelp,      // 4
  caMdiMinimize,      // 7, 60
  caMdiRestore,       // 8, 61
  caMdiClose,         // 9, 62
  caCustom            // anything else: message 0x3514 with the action
};
TCaptionAction CaptionActionOf(int action);

// The hover timer grows hover_ms in its steps: the hint shows from 2 x
// hint_pause on, for hint_hide_pause, and is hidden after that.
enum class THintStep { hsWait, hsShow, hsHide };
THintStep CaptionHintStep(int hover_ms, int hint_pause_ms, int hint_hide_pause_ms);

// The first button in definition order that is visible, has an action of 0 or
// more and contains the point; -1 when none.
int CaptionButtonAt(std::span<const TRect> rects, std::span<const bool> visible, std::span<const int> actions,
                    int x, int y);

// A double click on the bare title: restore a maximised or minimised window,
// maximise one with a maximise box, otherwise leave it to the window.
enum class TTitleDoubleClick { tdRestore, tdMaximize, tdForward };
TTitleDoubleClick TitleDoubleClickAction(TShowState show, bool has_maximize_box);
// The hit code a button-down outside the buttons is forwarded with: an active,
// maximised window turns HTCAPTION into HTMENU so that it can't be dragged.
int TitleButtonDownHitCode(int hit_code, bool maximized, bool active);

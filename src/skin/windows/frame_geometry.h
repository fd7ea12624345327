#pragma once
// The skinned frame of a top-level window as plain numbers: which frame a
// window gets, how thick its borders are, where the client area, the border
// pieces and the region go, and which point is caption or menu bar.
// Rectangles are in window coordinates (origin at the window's top-left),
// Right and Bottom exclusive. Halves are integer divisions toward zero.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/data/image/image_rect.h"

enum class TFrameKind { fkSizeable = 0, fkFixed = 1, fkNoCaption = 2, fkDialog = 3 };
enum class TShowState { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };
// The form skin's life: 5 while it resizes the window to the skin frame,
// 6 once the window is gone (the manager frees such objects on its next purge).
enum class TFormLifeState {
  flsCreated = 0,
  flsRunning = 1,
  flsReapplying = 3,
  flsDestroying = 4,
  flsResizing = 5,
  flsDestroyed = 6
};

// Border thicknesses of the skin frame and the height of the skinned menu bar.
struct TFrameMetrics {
  int Left = 0, Top = 0, Right = 0, Bottom = 0, MenuBar = 0;
};
// A border element's bitmap and its frame count.
struct TBorderImageSize {
  int Width = 0, Height = 0, Frames = 1;
};

// The dialog classes: "#32770" and "TMessageForm", compared exactly.
bool IsDialogClass(std::string_view class_name);
// A window lacking either caption bit gets no skinned frame; otherwise a thick
// frame makes it sizeable, the modal-frame style bit a dialog, anything else
// fixed. A modal-frame extended style or a dialog class makes it a dialog
// whatever the styles said.
TFrameKind FrameKindOf(std::uint32_t style, std::uint32_t ex_style, bool dialog_class);
// From WINDOWPLACEMENT.showCmd: the minimising commands -> minimised,
// SW_SHOWMAXIMIZED -> maximised, anything else normal.
TShowState ShowStateFromShowCmd(unsigned show_cmd);
// From WM_SIZE: restored, minimised, maximised; other size types change nothing.
std::optional<TShowState> ShowStateFromSizeType(unsigned size_type);
// The show state a WM_SYSCOMMAND leads to (minimise, maximise, restore), if any.
std::optional<TShowState> ShowStateFromSysCommand(unsigned command);

// Styles are never toggled for these windows: on NT with major version above 4
// and minor 0 for app windows, and on any such version for unowned windows
// that are not MDI children.
bool KeepsStyles(bool nt_family, int major_version, int minor_version, std::uint32_t ex_style, bool has_owner,
                 bool mdi_child);

// Top = BorderTop height / frames (frames stacked), Left and Right = width /
// frames (side by side), Bottom = BorderBottom height / frames. A frame count
// below 1 counts as 1. No-caption frames have no skinned border and no menu bar.
TFrameMetrics FrameMetricsOf(TFrameKind kind, TBorderImageSize left, TBorderImageSize top,
                             TBorderImageSize right, TBorderImageSize bottom, int menu_bar_height);

// WM_NCCALCSIZE: window_pos is the proposed window rectangle (x, y, x + cx,
// y + cy) in parent coordinates; the client area is inset by the borders and
// the menu bar. A window smaller than its frame gets an empty client area at
// the inset corner rather than an inverted one.
TRect SkinClientRect(const TRect& window_pos, const TFrameMetrics& m);

// WM_NCHITTEST after the saved procedure answered saved_code; x, y in window
// coordinates. Any answer but HTNOWHERE and HTCAPTION stands; otherwise
// y > 3 is caption, and y > Top with a menu bar is menu.
int SkinHitTest(int saved_code, int x, int y, const TFrameMetrics& m);

struct TSkinFrameSize {
  int Width, Height;
};
// Outer size that keeps a client area of client_width x client_height (the
// menu bar not included) inside the skin frame.
TSkinFrameSize SkinFrameSize(int client_width, int client_height, const TFrameMetrics& m);
// Outer size that keeps the client area when the default frame comes back:
// width + default_nc_width - Left - Right, height + default_nc_height - Top -
// Bottom (the native menu bar returns with the default frame).
TSkinFrameSize RestoredFrameSize(int width, int height, int default_nc_width, int default_nc_height,
                                 const TFrameMetrics& m);

// A dialog is at least text_shift + text_width + text_right_clip wide so that
// its caption fits; when widened, its children move right by half the growth.
struct TDialogWiden {
  int Width;
  int ChildShift;
};
TDialogWiden WidenDialogForCaption(int window_width, int text_width, int text_shift, int text_right_clip);

// The four border pieces of a width x height window: the columns take the full
// height, the bottom and top strips run between them.
struct TBorderPieces {
  TRect Left, Right, Bottom, Top;
};
TBorderPieces BorderPieces(int width, int height, const TFrameMetrics& m);
// The whole title of a minimised window: BorderTop over the full width.
TRect MinimizedTitleRect(int width, const TFrameMetrics& m);
// Frame 1 when active or when the element has a single frame, else frame 2.
int BorderFrameIndex(bool active, int frames);

// The window region: the whole window when none of the left, right and top
// borders is transparent; otherwise the client rectangle (menu bar included)
// united with the four border pieces (none for no-caption frames). A piece
// whose border is transparent and tall enough (columns: height > 1, top: Top >
// 1, bottom: Bottom >= 2) is cut from its drawn image; any other piece is its
// full rectangle.
struct TRegionPlan {
  enum TBorder { rbLeft = 0, rbRight = 1, rbBottom = 2, rbTop = 3 };
  struct Piece {
    TRect Rect;
    TBorder Border;
    bool FromImage;
  };
  bool WholeWindow = true;
  TRect Client;
  std::vector<Piece> Pieces;  // in the order left, right, bottom, top
};
TRegionPlan PlanWindowRegion(int width, int height, const TFrameMetrics& m, TFrameKind kind, bool left_trans,
                             bool right_trans, bool top_trans, bool bottom_trans);

// What decides whether a region request builds a new region.
struct TRegionRequest {
  bool FrameSkinning = false;
  int Width = 0, Height = 0;  // the window's size now
  bool MdiChild = false;
  TShowState Show = TShowState::ssNormal;
  int LastWidth = 0, LastHeight = 0;  // the size the current region was built for
  TFormLifeState Life = TFormLifeState::flsRunning;
};
// Needs frame skinning, a window not being destroyed, of non-zero area and, for an MDI child,
// the normal show state. A window of the size of its last region keeps it,
// except an MDI child or a form re-applying its skin.
bool RegionNeedsRebuild(const TRegionRequest& r);
// WM_SIZE rebuilds the region when the window is not minimised, is not an MDI
// child (or is a normal one while no MDI child is maximised) and the form runs
// or re-applies its skin.
bool SizeRebuildsRegion(TShowState show, bool mdi_child, bool mdi_child_maximized, TFormLifeState life);

#include "skin/windows/frame_geometry.h"

#include <algorithm>

#include "skin/windows/win32_values.h"

bool IsDialogClass(std::string_view class_name) {
  return class_name == "#32770" || class_name == "TMessageForm";
}

TFrameKind FrameKindOf(std::uint32_t style, std::uint32_t ex_style, bool dialog_class) {
  TFrameKind kind = TFrameKind::fkFixed;
  if ((style & kWsCaption) != kWsCaption)
    kind = TFrameKind::fkNoCaption;
  else if (style & kWsThickFrame)
    kind = TFrameKind::fkSizeable;
  else if (style & kDsModalFrame)
    kind = TFrameKind::fkDialog;
  if ((ex_style & kWsExDlgModalFrame) || dialog_class) kind = TFrameKind::fkDialog;
  return kind;
}

TShowState ShowStateFromShowCmd(unsigned show_cmd) {
  switch (show_cmd) {
    case kSwShowMinimized:
    case kSwMinimize:
    case kSwShowMinNoActive:
      return TShowState::ssMinimized;
    case kSwShowMaximized:
      return TShowState::ssMaximized;
    default:
      return TShowState::ssNormal;
  }
}

std::optional<TShowState> ShowStateFromSizeType(unsigned size_type) {
  switch (size_type) {
    case kSizeRestored:
      return TShowState::ssNormal;
    case kSizeMinimized:
      return TShowState::ssMinimized;
    case kSizeMaximized:
      return TShowState::ssMaximized;
    default:
      return std::nullopt;
  }
}

std::optional<TShowState> ShowStateFromSysCommand(unsigned command) {
  switch (command & kScCommandMask) {
    case kScRestore:
      return TShowState::ssNormal;
    case kScMinimize:
      return TShowState::ssMinimized;
    case kScMaximize:
      return TShowState::ssMaximized;
    default:
      return std::nullopt;
  }
}

bool KeepsStyles(bool nt_family, int major_version, int minor_version, std::uint32_t ex_style, bool has_owner,
                 bool mdi_child) {
  const bool version = major_version > 4 && minor_version == 0;
  if (!version) return false;
  return (nt_family && (ex_style & kWsExAppWindow)) || (!has_owner && !mdi_child);
}

namespace {
int PerFrame(int size, int frames) {
  return size / std::max(frames, 1);
}
}  // namespace

TFrameMetrics FrameMetricsOf(TFrameKind kind, TBorderImageSize left, TBorderImageSize top,
                             TBorderImageSize right, TBorderImageSize bottom, int menu_bar_height) {
  if (kind == TFrameKind::fkNoCaption) return {};
  return {PerFrame(left.Width, left.Frames), PerFrame(top.Height, top.Frames),
          PerFrame(right.Width, right.Frames), PerFrame(bottom.Height, bottom.Frames), menu_bar_height};
}

TRect SkinClientRect(const TRect& window_pos, const TFrameMetrics& m) {
  TRect r{window_pos.Left + m.Left, window_pos.Top + m.Top + m.MenuBar, window_pos.Right - m.Right,
          window_pos.Bottom - m.Bottom};
  // The system takes an inverted client rectangle at its word; keep it empty instead.
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

int SkinHitTest(int saved_code, int /*x*/, int y, const TFrameMetrics& m) {
  if (saved_code != kHtNowhere && saved_code != kHtCaption) return saved_code;
  int code = saved_code;
  if (y > 3) code = kHtCaption;
  if (y > m.Top && m.MenuBar > 0) code = kHtMenu;
  return code;
}

TSkinFrameSize SkinFrameSize(int client_width, int client_height, const TFrameMetrics& m) {
  return {client_width + m.Left + m.Right, client_height + m.Top + m.Bottom + m.MenuBar};
}

TSkinFrameSize RestoredFrameSize(int width, int height, int default_nc_width, int default_nc_height,
                                 const TFrameMetrics& m) {
  return {width + default_nc_width - m.Left - m.Right, height + default_nc_height - m.Top - m.Bottom};
}

TDialogWiden WidenDialogForCaption(int window_width, int text_width, int text_shift, int text_right_clip) {
  const int minimum = text_shift + text_width + text_right_clip;
  if (window_width >= minimum) return {window_width, 0};
  return {minimum, (minimum - window_width) / 2};
}

TBorderPieces BorderPieces(int width, int height, const TFrameMetrics& m) {
  return {{0, 0, m.Left, height},
          {width - m.Right, 0, width, height},
          {m.Left, height - m.Bottom, width - m.Right, height},
          {m.Left, 0, width - m.Right, m.Top}};
}

TRect MinimizedTitleRect(int width, const TFrameMetrics& m) {
  return {0, 0, width, m.Top};
}

int BorderFrameIndex(bool active, int frames) {
  return active || frames <= 1 ? 1 : 2;
}

TRegionPlan PlanWindowRegion(int width, int height, const TFrameMetrics& m, TFrameKind kind, bool left_trans,
                             bool right_trans, bool top_trans, bool bottom_trans) {
  TRegionPlan plan;
  // The bottom border alone never asks for a cut region.
  if (!left_trans && !right_trans && !top_trans) return plan;
  plan.WholeWindow = false;
  plan.Client = {m.Left, m.Top, width - m.Right, height - m.Bottom};
  if (kind == TFrameKind::fkNoCaption) return plan;
  const TBorderPieces p = BorderPieces(width, height, m);
  plan.Pieces = {{p.Left, TRegionPlan::rbLeft, left_trans && height > 1},
                 {p.Right, TRegionPlan::rbRight, right_trans && height > 1},
                 {p.Bottom, TRegionPlan::rbBottom, bottom_trans && m.Bottom >= 2},
                 {p.Top, TRegionPlan::rbTop, top_trans && m.Top > 1}};
  return plan;
}

bool RegionNeedsRebuild(const TRegionRequest& r) {
  if (!r.FrameSkinning) return false;
  if (r.Life == TFormLifeState::flsDestroying || r.Life == TFormLifeState::flsDestroyed) return false;
  if (r.Width <= 0 || r.Height <= 0) return false;
  if (r.MdiChild && r.Show != TShowState::ssNormal) return false;
  const bool same_size = r.Width == r.LastWidth && r.Height == r.LastHeight;
  return !same_size || r.MdiChild || r.Life == TFormLifeState::flsReapplying;
}

bool SizeRebuildsRegion(TShowState show, bool mdi_child, bool mdi_child_maximized, TFormLifeState life) {
  if (show == TShowState::ssMinimized) return false;
  if (mdi_child && (mdi_child_maximized || show != TShowState::ssNormal)) return false;
  return life == TFormLifeState::flsRunning || life == TFormLifeState::flsReapplying;
}

#pragma once
// The two user-interface functions the skin engine uses when the system has
// them: GetScrollBarInfo and TrackMouseEvent, looked up by name in user32 so
// that the program still starts on systems without them.

#include <windows.h>

class TOptionalUserFunctions {
 public:
  TOptionalUserFunctions();
  ~TOptionalUserFunctions();
  TOptionalUserFunctions(const TOptionalUserFunctions&) = delete;
  TOptionalUserFunctions& operator=(const TOptionalUserFunctions&) = delete;

  bool HasScrollBarInfo() const { return get_scroll_bar_info_ != nullptr; }
  // GetScrollBarInfo when the system has it; false otherwise.
  bool QueryScrollBarInfo(HWND window, LONG object_id, SCROLLBARINFO& info) const;
  // Asks for WM_MOUSELEAVE on `window`, when the system can.
  void TrackMouseLeave(HWND window) const;

 private:
  using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TTrackMouseEvent = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

  HMODULE user32_;
  TGetScrollBarInfo get_scroll_bar_info_ = nullptr;
  TTrackMouseEvent track_mouse_event_ = nullptr;
};

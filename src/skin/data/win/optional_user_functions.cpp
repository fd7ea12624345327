#include "skin/data/win/optional_user_functions.h"

namespace {

// GetProcAddress answers a generic function pointer; the cast to the real
// signature goes through void* so that the compiler sees it is intended.
template <class F>
F Lookup(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

TOptionalUserFunctions::TOptionalUserFunctions()
    : user32_(LoadLibraryA("user32.dll")),
      get_scroll_bar_info_(Lookup<TGetScrollBarInfo>(user32_, "GetScrollBarInfo")),
      track_mouse_event_(Lookup<TTrackMouseEvent>(user32_, "TrackMouseEvent")) {}

TOptionalUserFunctions::~TOptionalUserFunctions() {
  if (user32_ != nullptr) FreeLibrary(user32_);
}

bool TOptionalUserFunctions::QueryScrollBarInfo(HWND window, LONG object_id, SCROLLBARINFO& info) const {
  return get_scroll_bar_info_ != nullptr && get_scroll_bar_info_(window, object_id, &info) != FALSE;
}

void TOptionalUserFunctions::TrackMouseLeave(HWND window) const {
  if (track_mouse_event_ == nullptr) return;
  TRACKMOUSEEVENT request{};
  request.cbSize = sizeof(request);
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = window;
  track_mouse_event_(&request);
}

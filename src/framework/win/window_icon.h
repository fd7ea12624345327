#pragma once
// An icon at the two sizes a window shows: big (task bar, task switcher)
// and small (title bar), each from the icon's own image for its size.

#include "framework/win/win_api.h"

#include "framework/win/gdi.h"

class TWindowIcon {
 public:
  TWindowIcon() = default;
  // Takes ownership of both handles.
  TWindowIcon(HICON big_icon, HICON small_icon) : big_(big_icon), small_(small_icon) {}

  // The icon resource `name` of `module` at the system's icon sizes; empty
  // when the module has no such resource.
  static TWindowIcon FromResource(HINSTANCE module, const wchar_t* name);

  bool Empty() const { return !big_ && !small_; }
  HICON Big() const { return big_.get(); }
  HICON Small() const { return small_.get(); }

  // Makes this the window's big and small icon (none for an empty one). The
  // window keeps using the handles: this icon must outlive its use there.
  void AssignTo(HWND wnd) const;

 private:
  UniqueIcon big_;
  UniqueIcon small_;
};

// The icon a window shows of its own: its small icon, else its big one, else
// its class's; null when it has none.
HICON WindowIconOf(HWND wnd);

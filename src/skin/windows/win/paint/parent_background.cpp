#include "skin/windows/win/paint/parent_background.h"

#include "framework/win/gdi.h"
#include "framework/win/win_control.h"

namespace {

RECT ClientRectOf(TControl* control) {
  RECT r{0, 0, control->Width(), control->Height()};
  if (auto* windowed = dynamic_cast<TWinControl*>(control);
      windowed != nullptr && windowed->HandleAllocated())
    GetClientRect(windowed->WindowHandle(), &r);
  return r;
}

}  // namespace

void PaintParentBackground(TControl* control, HDC dc) {
  auto* parent = dynamic_cast<TWinControl*>(control->Parent());
  if (parent == nullptr || !parent->HandleAllocated()) return;
  const SavedDC saved(dc);
  OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
  // In the parent's coordinates now: only the part under the control.
  RECT clip = ClientRectOf(control);
  OffsetRect(&clip, control->Left(), control->Top());
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  const auto wparam = reinterpret_cast<WPARAM>(dc);
  SendMessageW(parent->WindowHandle(), WM_ERASEBKGND, wparam, 0);
  SendMessageW(parent->WindowHandle(), WM_PAINT, wparam, 0);
}

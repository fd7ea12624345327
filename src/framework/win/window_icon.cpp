#include "framework/win/window_icon.h"

namespace {

HICON LoadIconAt(HINSTANCE module, const wchar_t* name, int width_metric, int height_metric) {
  return static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, GetSystemMetrics(width_metric),
                                       GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

TWindowIcon TWindowIcon::FromResource(HINSTANCE module, const wchar_t* name) {
  // Loaded at each size on its own, so that the title bar gets the image
  // drawn for it rather than the big one shrunk.
  return {LoadIconAt(module, name, SM_CXICON, SM_CYICON), LoadIconAt(module, name, SM_CXSMICON, SM_CYSMICON)};
}

void TWindowIcon::AssignTo(HWND wnd) const {
  SendMessageW(wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Big()));
  SendMessageW(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Small()));
}

HICON WindowIconOf(HWND wnd) {
  if (wnd == nullptr) return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICONSM));
  if (icon == nullptr) icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICON));
  return icon;
}

#include "mdi_bar_buttons.h"

#include <stdexcept>

#include "skin/data/win/dib_image.h"

namespace {

const TDataSkinSysButton& ButtonOf(const TSkinData& skin, int action, int visibility) {
  for (const auto& b : skin.SysButtons)
    if (b->Action == action && b->Visibility == visibility && !b->Bitmap.Empty()) return *b;
  throw std::runtime_error("the skin has no such button");
}

}  // namespace

TSkinBitmap ScreenPixels(const RECT& r) {
  HDC dc = GetDC(nullptr);
  const TSkinBitmap image = CaptureImage(dc, r);
  ReleaseDC(nullptr, dc);
  return image;
}

POINT TitleButtonCentre(const TSkinData& skin, HWND window, int action, int visibility) {
  const TDataSkinSysButton& b = ButtonOf(skin, action, visibility);
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - b.Xcoord + b.Bitmap.Width() / b.Frame / 2, r.top + b.Ycoord + b.Bitmap.Height() / 2};
}

RECT MdiBarButtonRect(const TSkinData& skin, HWND parent, int action) {
  const TDataSkinSysButton& b = ButtonOf(skin, action, 100);
  RECT w{};
  GetWindowRect(parent, &w);
  const int width = b.Bitmap.Width() / b.Frame, height = b.Bitmap.Height();
  const int right = skin.BorderRight->Bitmap.Width() / skin.BorderRight->Frame;
  const int top = skin.BorderTop->Bitmap.Height() / skin.BorderTop->Frame;
  const int margin = skin.MenuBar ? skin.MenuBar->LeftWidth : 0;
  const int left = w.right - b.Xcoord - right - margin;
  const int y = w.top + top + (GetSystemMetrics(SM_CYMENU) - height) / 2;
  return {left, y, left + width, y + height};
}

POINT MdiBarButtonCentre(const TSkinData& skin, HWND parent, int action) {
  const RECT r = MdiBarButtonRect(skin, parent, action);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

int MdiBarButtonMismatches(const TSkinData& skin, HWND parent, int action, int frame) {
  const TDataSkinSysButton& b = ButtonOf(skin, action, 100);
  const TSkinBitmap shown = ScreenPixels(MdiBarButtonRect(skin, parent, action));
  const int width = b.Bitmap.Width() / b.Frame;
  int mismatches = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < width; ++x) {
      const TColor want = b.Bitmap.Pixel((frame - 1) * width + x, y);
      mismatches += want != clFuchsia && shown.Pixel(x, y) != want;
    }
  return mismatches;
}

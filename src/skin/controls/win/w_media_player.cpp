#include "skin/controls/win/w_media_player.h"

#include <windowsx.h>

#include "framework/win/wide.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/controls/win/scroll_bar_paint.h"
#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_window.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/skin_messages.h"

namespace {

constexpr wchar_t kClassName[] = L"TWMediaPlayer";

TMediaButtonSet ButtonsOf(const TObject* player, std::string_view name) {
  return MediaButtonsIn(FromWide(GetTextPropByName(player, name)));
}

}  // namespace

TWMediaPlayer::TWMediaPlayer(const TSkinControl& owner, TWinControl& player)
    : owner_(owner), player_(player) {
  RegisterSkinWindowClass(kClassName, SkinWindowProcedure<TWMediaPlayer>, 0);
  const HWND target = player_.Handle();
  window_.reset(CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, GetParent(target),
                                nullptr, GetModuleHandleW(nullptr), this));
  Place();
}

TWMediaPlayer::~TWMediaPlayer() {
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void TWMediaPlayer::WindowGone() {
  // Destroyed with its parent: it must not be destroyed again.
  (void)window_.release();
}

LRESULT TWMediaPlayer::WndProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case SKM_ISSKINNED:
      return 1;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const PaintScope paint(window);
      Paint(paint.dc());
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(wparam, lparam);
      return 0;
    case WM_LBUTTONUP:
      ButtonUp(wparam, lparam);
      return 0;
    default:
      return DefWindowProcW(window, msg, wparam, lparam);
  }
}

void TWMediaPlayer::Place() {
  if (!window_) return;
  const TSkinData* data = owner_.SkinData();
  const bool skinned = data != nullptr && data->Buttons != nullptr && !data->Buttons->Bitmap.Empty();
  // Without faces to draw the player keeps its own look.
  if (!skinned || !player_.Visible() || !player_.HandleAllocated()) return Hide();
  const HWND target = player_.Handle();
  RECT r;
  GetWindowRect(target, &r);
  MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&r), 2);
  const HWND above = GetWindow(target, GW_HWNDPREV);
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (above == window_.get()) flags |= SWP_NOZORDER;
  SetWindowPos(window_.get(), above != nullptr ? above : HWND_TOP, r.left, r.top, r.right - r.left,
               r.bottom - r.top, flags);
  Invalidate();
}

void TWMediaPlayer::Hide() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
}

void TWMediaPlayer::Invalidate() const {
  if (window_) InvalidateRect(window_.get(), nullptr, FALSE);
}

std::vector<TMediaButtonFace> TWMediaPlayer::Faces() const {
  RECT client;
  GetClientRect(window_.get(), &client);
  return LayOutMediaPlayer(client.right, client.bottom, ButtonsOf(&player_, "VisibleButtons"),
                           ButtonsOf(&player_, "EnabledButtons"), ButtonsOf(&player_, "ColoredButtons"),
                           pressed_);
}

void TWMediaPlayer::Paint(HDC dc) const {
  const TSkinData* data = owner_.SkinData();
  RECT client;
  GetClientRect(window_.get(), &client);
  if (data == nullptr || data->Buttons == nullptr || client.right <= 0 || client.bottom <= 0) return;
  const TDataSkinButton& buttons = *data->Buttons;
  TSkinBitmap image(client.right, client.bottom, SkinFaceColour(*data));
  if (image.Empty()) return;
  // The player's glyph images are not part of this program: faces only.
  for (const TMediaButtonFace& face : Faces())
    DrawSkinElement(image, face.Rect, buttons.Bitmap, buttons.Margins(), face.Frame, buttons.Frame,
                    buttons.Trans == 1, buttons.Tile == 1, false);
  BlitImage(dc, 0, 0, image);
}

void TWMediaPlayer::ButtonDown(WPARAM wparam, LPARAM lparam) {
  SendMessageW(player_.Handle(), WM_LBUTTONDOWN, wparam, lparam);
  if (!window_) return;
  pressed_ = MediaButtonAt(Faces(), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
  SetCapture(window_.get());
  Invalidate();
}

void TWMediaPlayer::ButtonUp(WPARAM wparam, LPARAM lparam) {
  const std::optional<int> was = pressed_;
  pressed_.reset();
  if (GetCapture() == window_.get()) ReleaseCapture();
  const std::optional<int> over = MediaButtonAt(Faces(), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
  Invalidate();
  if (was && over == was) SendMessageW(player_.Handle(), WM_LBUTTONUP, wparam, lparam);
}

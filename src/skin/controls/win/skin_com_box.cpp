#include "skin/controls/win/skin_com_box.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/gdi.h"
#include "skin/controls/combo_box_geometry.h"
#include "skin/controls/control_geometry.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/element_paint.h"

namespace {

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

bool HasImage(const TDataSkinObject* element) {
  return element != nullptr && !element->Bitmap.Empty();
}

// Where the client area's origin lies in the window.
POINT ClientOrigin(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - frame.left, origin.y - frame.top};
}

}  // namespace

TSkinComBox::TSkinComBox(TComponent* owner, bool extended_combo)
    : TSkinControl(owner), extended_combo_(extended_combo) {}

TSkinComBox::~TSkinComBox() = default;

void TSkinComBox::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  if (SkinState() != TSkinState::ssNew) return;
  TSkinControl::AttachControl(form, data, change_color);
  if (SkinState() == TSkinState::ssAttached) AttachParts(true);
}

void TSkinComBox::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  if (SkinState() != TSkinState::ssNew) return;
  TSkinControl::AttachWindow(window, data, form);
  if (SkinState() == TSkinState::ssAttached) AttachParts(false);
}

void TSkinComBox::AttachParts(bool list_bar) {
  const auto style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  const bool have_info = GetComboBoxInfo(Handle(), &info) != 0;
  // The parts are this object's own, outside the form's list: they go with it.
  if ((style & 3) != CBS_SIMPLE) {
    if (list_bar && have_info && info.hwndList != nullptr) {
      list_bar_ = std::make_unique<TComboxScrollBar>(nullptr);
      list_bar_->AttachWindow(info.hwndList, *SkinData(), nullptr);
      if (list_bar_->SkinState() != TSkinState::ssAttached) list_bar_.reset();
    }
    // A Unicode combo repaints its face after its edit does; an ANSI one's
    // edit must be followed to keep the face drawn and the button pressed.
    if (!IsWindowUnicode(Handle())) {
      if (const HWND edit = GetWindow(Handle(), GW_CHILD))
        edit_hook_.Hook(edit, [this](TMessage& m) { EditMessage(m); });
    }
    return;
  }
  if (!have_info || info.hwndList == nullptr) return;
  const bool child = (GetWindowLongW(info.hwndList, GWL_STYLE) & WS_CHILD) != 0;
  if (!child || IsPopupWindow(info.hwndList)) return;
  simple_list_ = std::make_unique<TSkinScrollbarH>(nullptr);
  simple_list_->AttachWindow(info.hwndList, *SkinData(), nullptr);
  if (simple_list_->SkinState() != TSkinState::ssAttached) simple_list_.reset();
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  edit_hook_.Unhook();
  if (list_bar_) list_bar_->Detach();
  list_bar_.reset();
  if (simple_list_) simple_list_->Detach();
  simple_list_.reset();
  mouse_state_ = 0;
}

void TSkinComBox::EditMessage(TMessage& message) {
  edit_hook_.CallSaved(message);
  switch (message.Msg) {
    case WM_PAINT:
      PaintWindow(nullptr);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetMouse(kMouseDown, true);
      break;
    case WM_LBUTTONUP:
      SetMouse(kMouseDown, false);
      break;
    default:
      break;
  }
}

void TSkinComBox::SetMouse(std::uint8_t bit, bool on) {
  mouse_state_ = on ? (mouse_state_ | bit) : (mouse_state_ & ~bit);
  Redraw();
}

void TSkinComBox::TrackHot(LPARAM client_point) {
  const POINT origin = ClientOrigin(Handle());
  const POINT p{GET_X_LPARAM(client_point) + origin.x, GET_Y_LPARAM(client_point) + origin.y};
  const bool over = PtInRect(&button_, p) != 0 && IsWindowEnabled(Handle());
  if (over != ((mouse_state_ & kMouseHot) != 0)) SetMouse(kMouseHot, over);
}

void TSkinComBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // The combo repaints itself on focus changes; a redraw here would only flicker.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_MOUSEMOVE:
      TrackHot(message.LParam);
      break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Redraw();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetMouse(kMouseDown, true);
      break;
    case WM_LBUTTONUP:
      SetMouse(kMouseDown, false);
      break;
    case CM_MOUSELEAVE:
      if (mouse_state_ & kMouseHot) SetMouse(kMouseHot, false);
      break;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_DROPDOWN) dropped_down_ = true;
      if (HIWORD(message.WParam) == CBN_CLOSEUP) dropped_down_ = false;
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* button = SkinData()->ComboButton.get();
  if (!HasImage(button)) return;
  const auto style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE));
  const bool left_scroll_bar = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  button_ = {};
  if (GetComboBoxInfo(Handle(), &info)) {
    // A simple combo has no button: its face stays native.
    if (info.stateButton & STATE_SYSTEM_INVISIBLE) return;
    const POINT origin = ClientOrigin(Handle());
    button_ = info.rcButton;
    OffsetRect(&button_, origin.x, origin.y);
  }
  if (button->Style == 1) return DrawSimple(dc, rect, left_scroll_bar);

  const HWND focus = GetFocus();
  const bool focused = focus != nullptr && (focus == Handle() || IsChild(Handle(), focus));
  const int frame = ComboButtonFrame(mouse_state_, focused, (style & WS_DISABLED) == 0);
  if (extended_combo_) return DrawExtended(dc, rect, frame);
  if (button->Style == 2) {
    const TDataSkinObject& face = left_scroll_bar && HasImage(SkinData()->SunkEdge.get())
                                      ? *SkinData()->SunkEdge
                                      : static_cast<const TDataSkinObject&>(*button);
    DrawSkinElement(dc, rect, face.Bitmap, face.Margins(), frame, face.Frame, true, false, false);
    return;
  }
  DrawFace(dc, rect, frame, left_scroll_bar);
}

void TSkinComBox::DrawFace(HDC dc, const RECT& rect, int frame, bool left_scroll_bar) {
  const TDataSkinBorder& button = *SkinData()->ComboButton;
  const TComboLayout layout = LayOutCombo(FromRect(rect), GetSystemMetrics(SM_CXHSCROLL), left_scroll_bar);
  const SavedDC saved(dc);
  // The text stays the combo's own.
  ExcludeClipRect(dc, layout.TextArea.Left, layout.TextArea.Top, layout.TextArea.Right,
                  layout.TextArea.Bottom);
  if (const TDataSkinObject* edge = SkinData()->SunkEdge.get(); HasImage(edge))
    DrawElementFrame(dc, rect, edge->Frame, frame, *edge);
  DrawStripFrame(dc, ToRect(layout.Button), button.Frame, frame,
                 left_scroll_bar ? button.Bitmap2 : button.Bitmap);
  button_ = ToRect(layout.Button);
  const TDataSkinObject* glyph = SkinData()->ExtraImages.get();
  if (!HasImage(glyph)) return;
  const int count = std::max(glyph->Frame, 1);
  const TRect at =
      ComboGlyphRect(layout.Button, glyph->Bitmap.Width() / count, glyph->Bitmap.Height(), left_scroll_bar);
  DrawStripFrame(dc, ToRect(at), count, frame, glyph->Bitmap);
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& rect, bool left_scroll_bar) {
  const TDataSkinBorder& button = *SkinData()->ComboButton;
  const auto style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
  const HWND focus = GetFocus();
  const bool focused = focus != nullptr && (focus == Handle() || IsChild(Handle(), focus));
  const int frame = SimpleComboButtonFrame(mouse_state_, focused, (style & WS_DISABLED) == 0);
  const int count = std::max(button.Frame, 1);
  const TSimpleComboLayout layout =
      LayOutSimpleCombo(FromRect(rect), GetSystemMetrics(SM_CYVTHUMB), button.Bitmap.Width() / count,
                        button.Bitmap.Height(), left_scroll_bar);
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT ring = rect;
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, brush);
  const RECT column = ToRect(layout.Column);
  FillRect(dc, &column, brush);
  const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
  FrameRect(dc, &rect, shadow.get());
  button_ = ToRect(layout.Button);
  DrawStripFrame(dc, button_, count, frame, button.Bitmap);
}

void TSkinComBox::DrawExtended(HDC dc, const RECT& rect, int frame) {
  RECT client;
  GetClientRect(Handle(), &client);
  if (client.right != rect.right - rect.left && client.bottom != rect.bottom - rect.top) {
    const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
    FrameRect(dc, &rect, shadow.get());
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  const HWND child = GetWindow(Handle(), GW_CHILD);
  const TDataSkinObject* arrow = SkinData()->ComboxArrow.get();
  if (child == nullptr || !HasImage(arrow)) return;
  RECT at;
  GetWindowRect(child, &at);
  RECT frame_rect;
  GetWindowRect(Handle(), &frame_rect);
  OffsetRect(&at, -frame_rect.left, -frame_rect.top);
  FillSkinColor(dc, at);
  DrawStripFrame(dc, at, std::max(arrow->Frame, 1), frame, arrow->Bitmap);
}

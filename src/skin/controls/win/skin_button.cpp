#include "skin/controls/win/skin_button.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "framework/font.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/draw_text_auto.h"
#include "skin/windows/win/paint/element_paint.h"
#include "skin/windows/win/paint/parent_background.h"

namespace {

constexpr std::intptr_t kTransparentTag = 5555;
constexpr UINT_PTR kNativeTimer = 1;

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

bool PropertyIsTrue(const TObject* object, std::string_view name) {
  AnsiString value = GetEnumPropByName(object, name);
  std::transform(value.begin(), value.end(), value.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value == "true";
}

std::string WindowClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

}  // namespace

void TSkinButton::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  if (Control() == nullptr) return;
  transparent_ = Control()->Tag() == kTransparentTag || data.Options().Contains(TSkinOption::xoTransparent);
  skip_mouse_down_ = ButtonSkipsForwardedMouseDown(Control()->ClassName());
}

bool TSkinButton::HasFaces() const {
  const TDataSkinButton* buttons = SkinData()->Buttons.get();
  return buttons != nullptr && !buttons->Bitmap.Empty();
}

bool TSkinButton::BeforeMessage(TMessage& m) {
  // Without faces the button keeps its own look, and so its own press: a
  // press it never showed must not click.
  if (!HasFaces()) return TSkinControl::BeforeMessage(m);
  switch (m.Msg) {
    case WM_PAINT:
      PaintMessage(m);
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_TIMER:
      // The native button's own animation would paint over the face.
      KillTimer(Handle(), kNativeTimer);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The native button never sees the press: it would capture the mouse
      // and click on a release the skin has not agreed to.
      if (GetFocus() != Handle()) SetFocus(Handle());
      mouse_state_ |= kMouseDown;
      PaintWindow(nullptr);
      if (!skip_mouse_down_) ForwardMouseDown(m);
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      PaintWindow(nullptr);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      if (m.Msg == WM_KEYDOWN)
        mouse_state_ |= kMouseDown;
      else
        mouse_state_ &= static_cast<std::uint8_t>(~kMouseDown);
      Redraw();
      break;
    case WM_MOUSEMOVE:
      if (enabled_ && (mouse_state_ & kMouseHot) == 0) {
        mouse_state_ |= kMouseHot;
        Redraw();
      }
      {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
      }
      break;
    case WM_MOUSELEAVE:
      mouse_state_ &= static_cast<std::uint8_t>(~(kMouseHot | kMouseDown));
      Redraw();
      break;
    case WM_LBUTTONUP:
      if ((mouse_state_ & kMouseDown) == 0) break;
      mouse_state_ &= static_cast<std::uint8_t>(~kMouseDown);
      Redraw();
      Click();
      break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
    // The native button paints these changes at once, outside WM_PAINT.
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
      Redraw();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinButton::Click() {
  // Last thing done: the handler may free the button and this object with it.
  if (Control() != nullptr) return Control()->Click();
  const HWND parent = GetParent(Handle());
  const int id = GetDlgCtrlID(Handle());
  PostMessageW(parent, WM_COMMAND, ButtonClickCommand(id, WindowClassName(Handle())),
               reinterpret_cast<LPARAM>(Handle()));
}

TButtonFrame TSkinButton::ReadButtonFrame() {
  ReadWindowState();
  // A dialog's own buttons have no property: the dialog manager marks its
  // default button by style, moving it with the focus.
  const bool is_default = Control() != nullptr
                              ? PropertyIsTrue(Control(), "Default")
                              : (GetWindowLongW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  return ButtonFrame(mouse_state_, focused_, is_default, !enabled_);
}

void TSkinButton::DrawFace(HDC dc, int width, int height, TButtonFrame frame) const {
  const RECT whole{0, 0, width, height};
  if (!transparent_)
    FillSkinColor(dc, whole);
  else if (Control() != nullptr)
    PaintParentBackground(Control(), dc);
  else
    FillParentColor(dc, whole);
  const TDataSkinButton& buttons = *SkinData()->Buttons;
  DrawElementFrame(dc, whole, buttons.Frame, static_cast<int>(frame), buttons);
}

void TSkinButton::SetUpCaption(HDC dc, TButtonFrame frame, bool normal_only_in_frame1) const {
  SelectObject(dc, CaptionFont());
  const TColor font_colour =
      Control() != nullptr ? Control()->Font()->Color() : SkinData()->Colours[scButtonText];
  const TColor colour =
      ButtonCaptionColour(font_colour, *SkinData()->Buttons, frame, !enabled_, normal_only_in_frame1);
  SetTextColor(dc, static_cast<COLORREF>(SkinData()->Environment().SystemColours().Resolve(colour)));
  SetBkMode(dc, TRANSPARENT);
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasFaces()) return;
  const TRect client{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const HBITMAP face = face_.Get(client.Width(), client.Height());
  if (face == nullptr) return;
  const TButtonFrame frame = ReadButtonFrame();
  const MemoryDC memory(face);
  DrawFace(memory.get(), client.Width(), client.Height(), frame);
  SetUpCaption(memory.get(), frame);
  DrawCentredCaption(memory.get(), client, true);
  BitBlt(dc, rect.left, rect.top, client.Width(), client.Height(), memory.get(), 0, 0, SRCCOPY);
}

void TSkinButton::DrawCentredCaption(HDC dc, const TRect& client, bool focus_rect) {
  const std::wstring caption = ButtonCaptionLines(caption_);
  RECT measured = ToRect(Deflate(client, 2, 2));
  DrawTextAuto(dc, caption, measured, DT_CENTER | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  RECT text =
      ToRect(PushButtonCaptionRect(client, measured.right - measured.left, measured.bottom - measured.top));
  DrawTextAuto(dc, caption, text, TextFlags(DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK));
  if (focus_rect && focused_ && !SkinData()->Options().Contains(TSkinOption::xoNoFocusRect)) {
    const RECT focus = ToRect(Deflate(FromRect(text), -2, -2));
    DrawFocusRect(dc, &focus);
  }
}

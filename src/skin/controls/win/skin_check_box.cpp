#include "skin/controls/win/skin_check_box.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "framework/font.h"
#include "framework/properties.h"
#include "skin/controls/check_box_geometry.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/image/colour.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/draw_text_auto.h"
#include "skin/windows/win/paint/parent_background.h"

namespace {

constexpr std::intptr_t kTransparentTag = 5555;
// Sent by data-aware check boxes when their field's value changes.
constexpr unsigned kDataStateChanged = 0xB0D0;
constexpr TColor kBtnShadow = SystemColour(16);

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

// The lower-cased identifier of an enumeration property; nullopt when absent.
std::optional<std::string> LoweredProperty(const TObject* object, std::string_view name) {
  if (object == nullptr || FindPropInfo(object, name) == nullptr) return std::nullopt;
  std::string value = GetEnumPropByName(object, name);
  std::transform(value.begin(), value.end(), value.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value;
}

bool HasProperty(const TObject* object, std::string_view name) {
  return object != nullptr && FindPropInfo(object, name) != nullptr;
}

int OsMajorVersion() {
  return static_cast<int>(LOBYTE(LOWORD(GetVersion())));
}

}  // namespace

void TSkinCheckBox::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  if (Control() == nullptr) return;
  transparent_ = Control()->Tag() == kTransparentTag || data.Options().Contains(TSkinOption::xoTransparent);
  ReadSkinMode();
}

void TSkinCheckBox::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  TSkinControl::AttachWindow(window, data, form);
  if (Handle() == nullptr) return;
  // A bare window is painted whole as well, so that it does not flicker
  // through its native look first.
  transparent_ = data.Options().Contains(TSkinOption::xoTransparent);
  ReadSkinMode();
}

void TSkinCheckBox::SkinChanged() {
  // A new skin may bring a check image the old one lacked, or drop it.
  if (SkinData() != nullptr) ReadSkinMode();
  TSkinControl::SkinChanged();
}

void TSkinCheckBox::ReadSkinMode() {
  const TDataSkinButton* buttons = SkinData()->Buttons.get();
  variant_ = buttons != nullptr && !ToggleImage(*buttons).Bitmap->Empty() ? 1 : 0;
}

TSkinCheckBox::TToggleImage TSkinCheckBox::ToggleImage(const TDataSkinButton& buttons) const {
  return {&buttons.CheckBitmap, buttons.CheckButtonFrame, false};
}

int TSkinCheckBox::ToggleFrame(int frame_count) const {
  TCheckBoxState state;
  state.NativeState = static_cast<unsigned>(SendMessageW(Handle(), BM_GETSTATE, 0, 0));
  state.State = LoweredProperty(Control(), "State");
  if (!state.State) state.Checked = LoweredProperty(Control(), "Checked");
  state.HasDataField = HasProperty(Control(), "DataField");
  state.RememberedCheck = remembered_check_;
  state.HasDataBinding = HasProperty(Control(), "DataBinding");
  state.Disabled = !enabled_;
  return CheckBoxFrame(state, frame_count);
}

bool TSkinCheckBox::BeforeMessage(TMessage& m) {
  if (!TSkinControl::BeforeMessage(m)) return false;
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (variant_ != 1) return true;
      PaintMessage(m);
      return false;
    case WM_ERASEBKGND:
      if (!transparent_) return true;
      EraseToParent(m);
      return false;
    default:
      return true;
  }
}

void TSkinCheckBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case BM_SETCHECK:
      remembered_check_ = static_cast<int>(m.WParam) + 1;
      Redraw();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kDataStateChanged:
    // The native box paints these changes at once, outside WM_PAINT.
    case BM_SETSTATE:
    case WM_UPDATEUISTATE:
      Redraw();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinCheckBox::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* buttons = SkinData()->Buttons.get();
  const TToggleImage image = buttons != nullptr ? ToggleImage(*buttons) : TToggleImage{};
  if (image.Bitmap == nullptr || image.Bitmap->Empty()) {
    variant_ = 0;
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const HBITMAP bitmap = canvas_.Get(width, height);
  if (bitmap == nullptr) return;
  ReadWindowState();
  const MemoryDC memory(bitmap);
  const RECT whole{0, 0, width, height};
  if (!transparent_)
    FillSkinColor(memory.get(), whole);
  else if (Control() != nullptr)
    PaintParentBackground(Control(), memory.get());
  else
    FillParentColor(memory.get(), whole);

  const int count = std::max(image.FrameCount, 1);
  const bool right_button = (GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_RIGHTBUTTON) != 0;
  const bool right_to_left = (TextFlags(0) & DT_RTLREADING) != 0;
  const TCheckLayout layout =
      LayOutCheckBox(FromRect(whole), image.Bitmap->Width() / count, image.Bitmap->Height(), right_button,
                     image.Radio, right_to_left);
  DrawStripFrame(memory.get(), ToRect(layout.Box), count, ToggleFrame(count), *image.Bitmap);
  DrawCaptionBeside(memory.get(), ToRect(layout.Text), layout.Flags);
  BitBlt(dc, rect.left, rect.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

void TSkinCheckBox::DrawCaptionBeside(HDC dc, const RECT& text_area, unsigned flags) {
  SelectObject(dc, CaptionFont());
  const auto& colours = SkinData()->Environment().SystemColours();
  if (!enabled_)
    SetTextColor(dc, static_cast<COLORREF>(colours.Resolve(kBtnShadow)));
  else if (Control() != nullptr)
    SetTextColor(dc, static_cast<COLORREF>(colours.Resolve(Control()->Font()->Color())));
  SetBkMode(dc, TRANSPARENT);

  const unsigned text_flags = flags | DT_EXPANDTABS | DT_WORDBREAK;
  RECT measured = text_area;
  DrawTextAuto(dc, caption_, measured, text_flags | DT_CALCRECT | DT_NOCLIP);
  RECT text = ToRect(CentreCaptionVertically(FromRect(text_area), measured.bottom - measured.top));
  if (CheckBoxShowsFocus(focused_, caption_.empty(), OsMajorVersion())) DrawFocusFrame(dc, text_flags, text);
  DrawTextAuto(dc, caption_, text, text_flags);
}

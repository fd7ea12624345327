#include "skin/controls/win/skin_speed_button.h"

#include <algorithm>
#include <cctype>

#include "framework/font.h"
#include "framework/win/font_handle.h"
#include "framework/win/graphic_control.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/parent_background.h"

namespace {

constexpr std::intptr_t kTransparentTag = 5555;

bool PropertyIsTrue(const TObject* object, std::string_view name) {
  AnsiString value = GetEnumPropByName(object, name);
  std::transform(value.begin(), value.end(), value.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value == "true";
}

}  // namespace

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner, std::string_view glyph_property)
    : TSkinBitButton(owner, glyph_property) {}

void TSkinSpeedButton::AttachControl(TWinSkinForm* form, TSkinData& data, bool) {
  auto* button = ObjectAs<TGraphicControl>(Owner());
  if (button == nullptr || SkinState() == TSkinState::ssAttached) return;
  AttachGraphic(form, data, *button);
  transparent_ = button->Tag() == kTransparentTag || data.Options().Contains(TSkinOption::xoTransparent);
  button->Invalidate();
}

void TSkinSpeedButton::Detach() {
  const bool attached = SkinState() == TSkinState::ssAttached;
  TSkinBitButton::Detach();
  // No window of its own: its place on the parent shows the native look again.
  if (attached) {
    if (auto* button = ObjectAs<TGraphicControl>(Control())) button->Invalidate();
  }
}

HFONT TSkinSpeedButton::CaptionFont() const {
  font_ = Control() != nullptr ? CreateFontHandle(*Control()->Font()) : UniqueFont();
  return font_.get();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!painting_) {
        painting_ = true;
        Compose(reinterpret_cast<HDC>(m.WParam));
        painting_ = false;
      }
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The button takes its own press (capture, group, Down); the skin only shows it.
      CallDefault(m);
      mouse_state_ |= kMouseDown;
      Repaint();
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      break;
    case CM_RELEASE:
      Detach();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) break;
      if (m.Msg == WM_KEYDOWN)
        mouse_state_ |= kMouseDown;
      else
        mouse_state_ &= static_cast<std::uint8_t>(~kMouseDown);
      Repaint();
      break;
    case WM_LBUTTONUP:
      mouse_state_ &= static_cast<std::uint8_t>(~kMouseDown);
      Repaint();
      break;
    case CM_MOUSEENTER:
      mouse_state_ |= kMouseHot;
      Repaint();
      break;
    case CM_MOUSELEAVE:
      mouse_state_ &= static_cast<std::uint8_t>(~(kMouseHot | kMouseDown));
      if (Control()->Visible()) Repaint();
      break;
    case WM_MOUSEMOVE:
      // Hot comes with CM_MOUSEENTER: the button has no window to track.
      break;
    default:
      TSkinBitButton::AfterMessage(m);
      break;
  }
}

void TSkinSpeedButton::Repaint() {
  PaintWindow(nullptr);
}

void TSkinSpeedButton::PaintWindow(HDC) {
  const TControl* button = Control();
  auto* parent = button != nullptr ? ObjectAs<TWinControl>(button->Parent()) : nullptr;
  if (parent == nullptr || !parent->HandleAllocated() || !button->Visible()) return;
  const WindowDC dc(parent->Handle());
  IntersectClipRect(dc.get(), button->Left(), button->Top(), button->Left() + button->Width(),
                    button->Top() + button->Height());
  SetViewportOrgEx(dc.get(), button->Left(), button->Top(), nullptr);
  if (painting_) return;
  painting_ = true;
  try {
    Compose(dc.get());
  } catch (...) {
  }
  painting_ = false;
}

void TSkinSpeedButton::Compose(HDC dc) {
  TControl* button = Control();
  if (!HasFaces() || button == nullptr || !button->Visible()) return;
  const TRect client{0, 0, button->Width(), button->Height()};
  if (client.Width() <= 0 || client.Height() <= 0) return;
  const HBITMAP face = face_.Get(client.Width(), client.Height());
  if (face == nullptr) return;
  enabled_ = button->Enabled();
  focused_ = false;
  caption_ = GetTextPropByName(button, "Caption");
  const bool down = PropertyIsTrue(button, "Down");
  const TButtonFrame frame = SpeedButtonFrame(mouse_state_, enabled_, down);

  const MemoryDC memory(face);
  const RECT whole{0, 0, client.Width(), client.Height()};
  if (transparent_)
    PaintParentBackground(button, memory.get());
  else
    FillSkinColor(memory.get(), whole);
  if (SpeedButtonFaceDrawn(frame, PropertyIsTrue(button, "Flat"))) {
    const TDataSkinButton& buttons = *SkinData()->Buttons;
    DrawElementFrame(memory.get(), whole, buttons.Frame, static_cast<int>(frame), buttons);
  }
  const TGlyph glyph = ReadGlyph();
  if (glyph.Width > 0 && glyph.Height > 0) {
    DrawGlyphAndCaption(memory.get(), client, glyph, frame, SpeedButtonGlyphIndex(frame, down), true);
  } else {
    SetUpCaption(memory.get(), frame);
    DrawCentredCaption(memory.get(), client, false);
  }
  BitBlt(dc, 0, 0, client.Width(), client.Height(), memory.get(), 0, 0, SRCCOPY);
}

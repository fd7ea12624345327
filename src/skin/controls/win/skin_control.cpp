#include "skin/controls/win/skin_control.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "framework/properties.h"
#include "framework/win/gdi.h"
#include "framework/win/graphic_control.h"
#include "framework/win/image_list.h"
#include "framework/win/mouse_message.h"
#include "framework/win/win_control.h"
#include "skin/controls/control_geometry.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_elements.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/paint/draw_text_auto.h"
#include "skin/windows/win/paint/element_paint.h"
#include "skin/windows/win/paint/parent_background.h"
#include "skin/windows/win/win_skin_form.h"

namespace {

constexpr TColor kBtnShadow = static_cast<TColor>(0xFF000010u);

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

AnsiString Lower(AnsiString text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  Unhook();
  if (form_ != nullptr) form_->RemoveControlSkin(*this);
}

template <class F>
void TSkinControl::Guarded(F&& work) {
  if (guard_depth_ == 0) control_failure_ = nullptr;
  ++guard_depth_;
  try {
    work();
  } catch (...) {
    --guard_depth_;
    if (control_failure_) std::rethrow_exception(std::exchange(control_failure_, nullptr));
    return;
  }
  --guard_depth_;
}

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  auto* control = ObjectAs<TWinControl>(Owner());
  if (attached_ || control == nullptr) return;
  change_color_ = change_color;
  data_ = &data;
  form_ = form;
  control_ = control;
  handle_ = control->Handle();
  if (hooks_control_) control_hook_.Hook(*control, [this](TMessage& m) { SkinWndProc(m); });
  if (form_ != nullptr) form_->AddControlSkin(*this);
  if (change_color_) {
    SetParentBackground(true);
    saved_color_ = control->Color();
    control->SetColor(data.Colours[scButtonFace]);
  }
  if (parent_background_cleared_) variant_ = 1;
  InvalidateRect(handle_, nullptr, TRUE);
  attached_ = true;
  state_ = TSkinState::ssAttached;
}

void TSkinControl::AttachGraphic(TWinSkinForm* form, TSkinData& data, TControl& control) {
  if (attached_) return;
  data_ = &data;
  form_ = form;
  control_ = &control;
  control_hook_.Hook(control, [this](TMessage& m) { SkinWndProc(m); });
  if (form_ != nullptr) form_->AddControlSkin(*this);
  attached_ = true;
  state_ = TSkinState::ssAttached;
}

void TSkinControl::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  if (attached_) return;
  data_ = &data;
  form_ = form;
  enabled_ = true;
  variant_ = 0;
  caption_ = ReadWindowText(window);
  // A window another skin object owns already stays with it.
  if (!window_hook_.Hook(window, [this](TMessage& m) { SkinWndProc(m); })) return;
  handle_ = window;
  if (form_ != nullptr) form_->AddControlSkin(*this);
  InvalidateRect(handle_, nullptr, TRUE);
  attached_ = true;
  state_ = TSkinState::ssAttached;
}

void TSkinControl::Detach() {
  if (!attached_) return;
  attached_ = false;
  active_ = false;
  // A destroyed window's control may be half gone: its properties stay untouched.
  if (state_ != TSkinState::ssWindowGone && change_color_ && control_ != nullptr) {
    SetParentBackground(false);
    control_->SetColor(saved_color_);
  }
  Unhook();
  if (state_ != TSkinState::ssWindowGone && handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

void TSkinControl::Unhook() {
  control_hook_.Unhook();
  window_hook_.Unhook();
}

void TSkinControl::SkinChanged() {
  if (!attached_) return;
  if (change_color_ && control_ != nullptr) control_->SetColor(data_->Colours[scButtonFace]);
  Redraw();
}

void TSkinControl::SkinWndProc(TMessage& message) {
  if (message.Msg == SKM_SKINENABLE) {
    active_ = message.WParam > 0;
    if (active_) Guarded([this] { Redraw(); });
    return;
  }
  if (!active_) return CallDefault(message);
  bool pass_on = true;
  const unsigned forwards = forwards_;
  Guarded([&] { pass_on = BeforeMessage(message); });
  // A skin that failed after passing the message on must not pass it twice.
  if (!pass_on || forwards_ != forwards) return;
  CallDefault(message);
  Guarded([&] { AfterMessage(message); });
}

void TSkinControl::CallDefault(TMessage& message) {
  ++forwards_;
  try {
    if (control_ != nullptr)
      control_hook_.CallSaved(message);
    else
      window_hook_.CallSaved(message);
  } catch (...) {
    if (guard_depth_ > 0) control_failure_ = std::current_exception();
    throw;
  }
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      state_ = TSkinState::ssWindowGone;
      CallDefault(message);
      if (active_) Detach();
      return false;
    case SKM_ISSKINNED:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Redraw();
      break;
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      break;
    default:
      break;
  }
}

void TSkinControl::PaintWindow(HDC dc) {
  RECT r;
  if (!GetWindowRect(handle_, &r)) return;
  window_rect_ = r;
  OffsetRect(&r, -r.left, -r.top);
  // A broken skin element must never break the control's message flow.
  try {
    if (dc != nullptr) {
      DrawSkin(dc, r);
    } else {
      const WindowDC window_dc(handle_, WindowDC::kWholeWindow);
      DrawSkin(window_dc.get(), r);
    }
  } catch (...) {
  }
}

void TSkinControl::DrawSkin(HDC, const RECT&) {}

void TSkinControl::Redraw() {
  if (handle_ == nullptr) return;
  InvalidateRect(handle_, nullptr, TRUE);
  UpdateWindow(handle_);
}

void TSkinControl::NotifyMouseLeave() {
  if (handle_ != nullptr) SendMessageW(handle_, CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::ReadWindowState() {
  enabled_ = (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_DISABLED) == 0;
  focused_ = GetFocus() == handle_;
  caption_ = control_ != nullptr ? GetTextPropByName(control_, "Caption") : ReadWindowText(handle_);
  if (control_ != nullptr && caption_.empty()) caption_ = ReadWindowText(handle_);
}

COLORREF TSkinControl::SkinColour(int slot) const {
  return static_cast<COLORREF>(data_->Environment().SystemColours().Resolve(data_->Colours[slot]));
}

void TSkinControl::FillSkinColor(HDC dc, const RECT& rect) const {
  const UniqueBrush brush(CreateSolidBrush(SkinColour(scButtonFace)));
  FillRect(dc, &rect, brush.get());
}

COLORREF TSkinControl::GetParentColor(COLORREF fallback) const {
  if (control_ == nullptr) return fallback;
  const std::int64_t colour = GetOrdPropByName(control_->Parent(), "Color");
  if (colour == -1) return fallback;
  return static_cast<COLORREF>(data_->Environment().SystemColours().Resolve(static_cast<TColor>(colour)));
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
  const UniqueBrush brush(CreateSolidBrush(GetParentColor(SkinColour(scButtonFace))));
  FillRect(dc, &rect, brush.get());
}

unsigned TSkinControl::TextFlags(unsigned flags) const {
  const bool right_to_left = Lower(GetEnumPropByName(control_, "BiDiMode")) == "bdrighttoleft";
  return ::TextFlags(flags, right_to_left);
}

HFONT TSkinControl::CaptionFont() const {
  if (auto* control = ObjectAs<TWinControl>(control_)) return control->FontHandle();
  return reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
}

void TSkinControl::PaintGraphicChildren(HDC dc) const {
  auto* parent = ObjectAs<TWinControl>(control_);
  if (parent == nullptr) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* graphic = ObjectAs<TGraphicControl>(parent->Controls(i));
    if (graphic == nullptr || !graphic->Visible()) continue;
    const SavedDC saved(dc);
    IntersectClipRect(dc, graphic->Left(), graphic->Top(), graphic->Left() + graphic->Width(),
                      graphic->Top() + graphic->Height());
    SetViewportOrgEx(dc, graphic->Left(), graphic->Top(), nullptr);
    graphic->Perform(WM_PAINT, reinterpret_cast<std::uintptr_t>(dc));
  }
}

void TSkinControl::DrawElementFrame(HDC dc, const RECT& rect, int frame_count, int frame,
                                    const TDataSkinObject& element) const {
  DrawSkinElement(dc, rect, element.Bitmap, element.Margins(), frame, frame_count, element.Trans == 1,
                  element.Tile == 1, false);
}

void TSkinControl::DrawStripFrame(HDC dc, const RECT& rect, int frame_count, int frame,
                                  const TSkinBitmap& strip) const {
  // A frame outside the strip draws nothing rather than pixels beside it.
  const TRect source = StripFrameSource(strip.Width(), strip.Height(), frame_count, frame);
  if (source.Width() <= 0 || source.Height() <= 0) return;
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  DrawElementStretched(dc, rect, strip, frame, std::max(frame_count, 1), true);
}

void TSkinControl::PaintMessage(TMessage& message) {
  RECT r;
  const bool have_rect = GetWindowRect(handle_, &r) != 0;
  if (have_rect) {
    window_rect_ = r;
    OffsetRect(&r, -r.left, -r.top);
  }
  if (message.WParam != 0) {
    if (have_rect) DrawSkin(reinterpret_cast<HDC>(message.WParam), r);
    return;
  }
  const PaintScope paint(handle_);
  if (have_rect) DrawSkin(paint.dc(), r);
}

void TSkinControl::EraseToParent(TMessage& message) {
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (control_ != nullptr) {
    PaintParentBackground(control_, dc);
  } else {
    RECT client;
    GetClientRect(handle_, &client);
    FillParentColor(dc, client);
  }
  message.Result = 1;
}

void TSkinControl::DrawCaption(HDC dc, const RECT& rect, unsigned alignment, bool enabled,
                               std::wstring_view text) const {
  LOGFONTW plain{};
  HFONT base = CaptionFont();
  if (base == nullptr || GetObjectW(base, sizeof(plain), &plain) == 0) base = nullptr;
  plain.lfWeight = FW_NORMAL;
  plain.lfItalic = plain.lfUnderline = plain.lfStrikeOut = FALSE;
  const UniqueFont font(base != nullptr ? CreateFontIndirectW(&plain) : nullptr);
  const SelectedObject selected(dc,
                                font ? static_cast<HGDIOBJ>(font.get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  std::wstring copy(text);
  RECT measured = rect;
  DrawTextW(dc, copy.data(), static_cast<int>(copy.size()), &measured,
            DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | alignment);
  RECT block = ToRect(CaptionBlockRect(FromRect(rect), measured.right - measured.left,
                                       measured.bottom - measured.top, alignment == DT_CENTER));
  SetTextColor(dc, enabled ? SkinColour(scButtonText)
                           : static_cast<COLORREF>(data_->Environment().SystemColours().Resolve(kBtnShadow)));
  DrawTextW(dc, copy.data(), static_cast<int>(copy.size()), &block, TextFlags(alignment | DT_EXPANDTABS));
}

void TSkinControl::DrawImageCaption(HDC dc, const RECT& rect, THeaderAlign alignment, std::wstring_view text,
                                    int image_index, const TImageList* images) const {
  THeaderLabelInput in;
  in.ItemWidth = rect.right - rect.left;
  in.ItemHeight = rect.bottom - rect.top;
  in.Align = alignment;
  in.HasImage = image_index != -1 && images != nullptr;
  in.ImageWidth = images != nullptr ? images->Width() : 0;

  LOGFONTW plain{};
  const bool have_font = GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(plain), &plain) != 0;
  plain.lfWeight = FW_NORMAL;
  plain.lfItalic = plain.lfUnderline = plain.lfStrikeOut = FALSE;
  const UniqueFont font(have_font ? CreateFontIndirectW(&plain) : nullptr);
  const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font.get()) : GetCurrentObject(dc, OBJ_FONT));
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = GetTextColor(dc);
  if (data_->ColourGiven[scWindowText]) SetTextColor(dc, SkinColour(scWindowText));

  constexpr unsigned kFlags = DT_END_ELLIPSIS | DT_EXPANDTABS;
  if (!text.empty()) {
    RECT measured = ToRect(HeaderTextArea(in));
    DrawTextAuto(dc, text, measured, kFlags | DT_CALCRECT | DT_NOCLIP);
    in.TextWidth = measured.right - measured.left;
    in.TextHeight = measured.bottom - measured.top;
  }
  const THeaderLabel label = LayOutHeaderLabel(in);
  if (label.ImageShown) images->Draw(dc, rect.left + label.ImageX, rect.top + label.ImageY, image_index);
  RECT place = ToRect(Offset(label.Text, rect.left, rect.top));
  if (!text.empty()) DrawTextAuto(dc, text, place, TextFlags(kFlags));
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

void TSkinControl::DrawFocusFrame(HDC dc, unsigned flags, const RECT& rect) const {
  RECT measured = rect;
  DrawTextAuto(dc, caption_, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const RECT frame = ToRect(FocusFrameRect(FromRect(rect), FromRect(measured), flags));
  DrawFocusRect(dc, &frame);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) {
  if (control_ == nullptr) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(handle_, &cursor);
  const TSmallPoint at = ForwardedMouseDownPoint(static_cast<std::int64_t>(message.LParam), control_->Width(),
                                                 control_->Height(), {cursor.x, cursor.y});
  control_->MouseDown(TMouseButton::mbLeft, KeysToShiftState(message.WParam), at.X, at.Y);
}

void TSkinControl::SetParentBackground(bool attaching) {
  if (data_ == nullptr || data_->Options().Contains(TSkinOption::xoParentBackGround)) return;
  if (control_ == nullptr || FindPropInfo(control_, "ParentBackground") == nullptr) return;
  if (attaching) {
    parent_background_cleared_ = Lower(GetEnumPropByName(control_, "ParentBackground")) == "true";
    if (parent_background_cleared_) SetPropByName(control_, "ParentBackground", "False");
  } else if (parent_background_cleared_) {
    SetPropByName(control_, "ParentBackground", "True");
  }
}

#include "skin/controls/win/skin_scrollbar.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "framework/properties.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/win_skin_form.h"

namespace {

bool Bordered(const TControl& control) {
  AnsiString style = GetEnumPropByName(&control, "BorderStyle");
  std::transform(style.begin(), style.end(), style.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return style != "bsnone";
}

bool HasIntegerFixedColor(const TControl& control) {
  const TPropInfo* prop = FindPropInfo(&control, "FixedColor");
  return prop != nullptr && GetOrdPropByName(&control, "FixedColor") != -1;
}

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachScrolling(TWinControl& control, TSkinData& data, TWinSkinForm* form) {
  if (&control == Owner()) AttachControl(form, data, false);
}

void TSkinScrollbar::AttachControl(TWinSkinForm* form, TSkinData& data, bool) {
  auto* control = ObjectAs<TWinControl>(Owner());
  if (control == nullptr || SkinState() != TSkinState::ssNew) return;
  border_ =
      Bordered(*control) && std::string_view(control->ClassName()) != "TImageScrollBox" && variant_ != 1;
  if (HasIntegerFixedColor(*control)) {
    saved_fixed_color_ = static_cast<TColor>(GetOrdPropByName(control, "FixedColor"));
    fixed_color_changed_ = true;
    SetPropByName(control, "FixedColor", std::to_string(data.Colours[scButtonFace]));
  }
  TSkinControl::AttachControl(form, data, false);
  if (SkinState() != TSkinState::ssAttached) return;
  horizontal_ = std::make_unique<TWScrollbar>(*this);
  vertical_ = std::make_unique<TWScrollbar>(*this);
  horizontal_->AttachToWindow(Handle(), TWScrollbar::skHorizontal);
  vertical_->AttachToWindow(Handle(), TWScrollbar::skVertical);
  horizontal_->SetEnabled(control->Enabled());
  vertical_->SetEnabled(control->Enabled());
}

void TSkinScrollbar::Detach() {
  if (SkinState() == TSkinState::ssNew) return;
  if (fixed_color_changed_ && SkinState() != TSkinState::ssWindowGone && Control() != nullptr)
    SetPropByName(Control(), "FixedColor", std::to_string(saved_fixed_color_));
  fixed_color_changed_ = false;
  TSkinControl::Detach();
  if (SkinState() != TSkinState::ssWindowGone) {
    horizontal_.reset();
    vertical_.reset();
  } else {
    // The parent may be going too and take the overlays with it; if it
    // stays, they must not cover whatever comes in the control's place.
    if (horizontal_) horizontal_->Hide();
    if (vertical_) vertical_->Hide();
  }
}

void TSkinScrollbar::SkinChanged() {
  // Detached (overlays gone) or destroyed: the control is no longer ours to colour.
  if (!vertical_ || SkinState() == TSkinState::ssWindowGone) return;
  if (Control() != nullptr && HasIntegerFixedColor(*Control()))
    SetPropByName(Control(), "FixedColor", std::to_string(SkinData()->Colours[scButtonFace]));
  TSkinControl::SkinChanged();
}

bool TSkinScrollbar::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_NCPAINT && border_) {
    CallDefault(message);
    const WindowDC dc(Handle(), WindowDC::kWholeWindow);
    DrawBorder(dc.get());
    return false;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      PlaceBars();
      break;
    case WM_HSCROLL:
      if (horizontal_) horizontal_->ScrollCode(static_cast<unsigned>(message.WParam));
      break;
    case WM_VSCROLL:
      if (vertical_) vertical_->ScrollCode(static_cast<unsigned>(message.WParam));
      break;
    case WM_MOUSEWHEEL:
      for (const TWScrollbar* bar : {horizontal_.get(), vertical_.get()})
        if (bar != nullptr && bar->Shown()) bar->Invalidate();
      break;
    case CM_VISIBLECHANGED:
      if (message.WParam != 0) {
        PlaceBars();
      } else {
        if (horizontal_) horizontal_->Hide();
        if (vertical_) vertical_->Hide();
      }
      break;
    case CM_ENABLEDCHANGED:
      for (const TWScrollbar* bar : {horizontal_.get(), vertical_.get()})
        if (bar != nullptr && Control() != nullptr) bar->SetEnabled(Control()->Enabled());
      TSkinControl::AfterMessage(message);
      break;
    case CM_RECREATEWND:
      // The overlays cover the old window: the form builds this skin anew
      // once the new window exists.
      if (Form() != nullptr)
        PostMessageW(Form()->Window(), SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(Handle()), 0);
      break;
    case SKM_PAINTPART:
      if (message.LParam == kSkinMagic) {
        if (message.WParam != 0) DrawBorder(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinMagic;
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT&) {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  for (const auto& [bar, bit] :
       {std::pair{vertical_.get(), WS_VSCROLL}, std::pair{horizontal_.get(), WS_HSCROLL}}) {
    if (bar == nullptr) continue;
    if (bar->Shown())
      bar->Invalidate();
    else if (style & bit)
      bar->Place();
  }
  if (vertical_ && horizontal_ && vertical_->Shown() && horizontal_->Shown()) {
    const RECT corner =
        ToRect(ScrollCornerBordered(vertical_->BarClientRect(), horizontal_->BarClientRect()));
    FillSkinColor(dc, corner);
  }
}

void TSkinScrollbar::PlaceBars() const {
  if (vertical_) vertical_->Place();
  if (horizontal_) horizontal_->Place();
}

void TSkinScrollbar::DrawBorder(HDC dc) const {
  RECT r;
  GetWindowRect(Handle(), &r);
  OffsetRect(&r, -r.left, -r.top);
  const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
  FrameRect(dc, &r, shadow.get());
  InflateRect(&r, -1, -1);
  const UniqueBrush face(CreateSolidBrush(SkinColour(scButtonFace)));
  FrameRect(dc, &r, face.get());
}

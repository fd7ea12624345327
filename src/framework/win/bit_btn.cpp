#include "framework/win/bit_btn.h"

#include <algorithm>

#include "framework/published.h"
#include "framework/win/font_handle.h"
#include "framework/win/glyph_draw.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kKindNames[] = {"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                                      "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
constexpr const char* kKindCaptions[] = {"",       "OK",    "Cancel", "&Help",   "&Yes", "&No",
                                         "&Close", "Abort", "&Retry", "&Ignore", "&All"};
}  // namespace

const TEnumInfo kBitBtnKindInfo{"TBitBtnKind", kKindNames};

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
  glyph_->SetOnChange([this] { Invalidate(); });
}

const TClassInfo& TBitBtn::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Glyph", &TBitBtn::Glyph),
      PublishInteger("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
      PublishEnum("Layout", kButtonLayoutInfo, &TBitBtn::Layout, &TBitBtn::SetLayout),
      PublishInteger("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin),
      PublishInteger("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing),
      PublishEnum("Kind", kBitBtnKindInfo, &TBitBtn::Kind, &TBitBtn::SetKind),
  };
  static const TClassInfo info = MakeClassInfo<TBitBtn, TButton>("TBitBtn", properties);
  return info;
}

void TBitBtn::SetNumGlyphs(int num_glyphs) {
  num_glyphs_ = std::clamp(num_glyphs, 1, 4);
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TBitBtn::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  // A description gives the caption and roles it wants after the kind.
  if (kind == TBitBtnKind::bkCustom || HasState(TComponentStateFlag::csLoading)) return;
  SetCaption(kKindCaptions[static_cast<int>(kind)]);
  SetDefault(kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes);
  SetCancel(kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo);
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.window_class = {L"TBitBtn", L"BUTTON"};
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      return CnDrawItem(m);
    default:
      return TButton::WndProc(m);
  }
}

void TBitBtn::CnDrawItem(TMessage& m) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT r = item.rcItem;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
  TGlyphButtonContent content;
  content.Glyph = glyph_.get();
  content.NumGlyphs = num_glyphs_;
  content.GlyphIndex = disabled ? 1 : pressed ? 2 : 0;
  content.Layout = layout_;
  content.Margin = margin_;
  content.Spacing = spacing_;
  content.Caption = ToWide(Caption());
  content.Font = FontHandle();
  content.TextColour = disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(Font()->Color());
  content.Offset = pressed ? 1 : 0;
  DrawGlyphButtonContent(item.hDC, r, content);
  if ((item.itemState & ODS_FOCUS) != 0) {
    InflateRect(&r, -1, -1);
    DrawFocusRect(item.hDC, &r);
  }
  m.Result = 1;
}

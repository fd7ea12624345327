#include "framework/win/label.h"

#include "framework/published.h"
#include "framework/win/font_handle.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
}  // namespace

const TEnumInfo kAlignmentInfo{"TAlignment", kAlignmentNames};

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

const TClassInfo& TLabel::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishEnum("Alignment", kAlignmentInfo, &TLabel::Alignment, &TLabel::SetAlignment),
      PublishBoolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
      PublishBoolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
      PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
  };
  static const TClassInfo info = MakeClassInfo<TLabel, TGraphicControl>("TLabel", properties);
  return info;
}

void TLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  AdjustSize();
}

void TLabel::SetText(std::string_view text) {
  TGraphicControl::SetText(text);
  AdjustSize();
}

void TLabel::AdjustSize() {
  if (!auto_size_ || HasState(TComponentStateFlag::csLoading)) return;
  const WindowDC screen(nullptr);
  const UniqueFont font = CreateFontHandle(*Font());
  const SelectedObject selected(screen.get(), font.get());
  const std::wstring text = ToWide(Caption().empty() ? AnsiString(" ") : Caption());
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
  SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  if (!transparent_) {
    const UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, brush.get());
  }
  const UniqueFont font = CreateFontHandle(*Font());
  const SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : static_cast<TColor>(0xFF000011u)));
  const std::wstring text = ToWide(Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            kAlignmentFlags[static_cast<int>(alignment_)] | DT_WORDBREAK | DT_EXPANDTABS);
}

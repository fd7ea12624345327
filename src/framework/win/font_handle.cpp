#include "framework/win/font_handle.h"

#include <algorithm>

#include "framework/win/wide.h"

UniqueFont CreateFontHandle(const TFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.Height();
  lf.lfWeight = font.Style().Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Style().Contains(TFontStyle::fsItalic);
  lf.lfUnderline = font.Style().Contains(TFontStyle::fsUnderline);
  lf.lfStrikeOut = font.Style().Contains(TFontStyle::fsStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(font.Charset());
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = ToWide(font.Name());
  std::copy_n(face.c_str(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
  return UniqueFont(CreateFontIndirectW(&lf));
}

namespace {

class TWindowsSystemColours final : public TSystemColours {
 public:
  TColor Colour(int index) const override { return static_cast<TColor>(GetSysColor(index)); }
};

}  // namespace

const TSystemColours& WindowsSystemColours() {
  static const TWindowsSystemColours colours;
  return colours;
}

COLORREF ColorToRGB(TColor color) {
  return static_cast<COLORREF>(WindowsSystemColours().Resolve(color));
}

UniqueBrush CreateColorBrush(TColor color) {
  return UniqueBrush(CreateSolidBrush(ColorToRGB(color)));
}

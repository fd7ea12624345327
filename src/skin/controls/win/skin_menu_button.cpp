#include "skin/controls/win/skin_menu_button.h"

#include "framework/win/bitmap.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/image/colour.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/draw_text_auto.h"

namespace {

constexpr TColor kWindowText = SystemColour(8);
constexpr TColor kBtnShadow = SystemColour(16);

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

}  // namespace

void TSkinMenuButton::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasFaces() || Control() == nullptr) return;
  const TRect client{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const HBITMAP face = face_.Get(client.Width(), client.Height());
  if (face == nullptr) return;
  const TButtonFrame frame = ReadButtonFrame();
  const MemoryDC memory(face);
  const HDC canvas = memory.get();
  DrawFace(canvas, client.Width(), client.Height(), frame);
  SetUpCaption(canvas, frame, true);

  const TBitmap* glyph = GetObjectPropByName<TBitmap>(Control(), "Glyph");
  if (glyph != nullptr && glyph->Empty()) glyph = nullptr;
  const int glyph_width = glyph != nullptr ? glyph->Width() : 0;
  const int glyph_height = glyph != nullptr ? glyph->Height() : 0;
  const std::wstring caption = ButtonCaptionLines(caption_);
  RECT measured = ToRect(MenuButtonTextArea(client.Width(), client.Height(), glyph_width));
  int text_width = 0, text_height = 0;
  if (!caption.empty()) {
    DrawTextAuto(canvas, caption, measured, DT_CALCRECT | DT_WORDBREAK);
    text_width = measured.right - measured.left;
    text_height = measured.bottom - measured.top;
  }
  const TMenuButtonPlacement p =
      PlaceMenuButton(client.Width(), client.Height(), glyph_width, glyph_height, text_width, text_height,
                      static_cast<int>(GetOrdPropByName(Control(), "Margin")),
                      static_cast<int>(GetOrdPropByName(Control(), "Spacing")));

  if (glyph != nullptr) {
    // One picture, its bottom-left pixel's colour left out.
    const MemoryDC source(glyph->Handle());
    const COLORREF key = GetPixel(source.get(), 0, glyph_height - 1);
    TransparentBlt(canvas, p.GlyphX, p.GlyphY, glyph_width, glyph_height, source.get(), 0, 0, glyph_width,
                   glyph_height, key);
  }
  RECT text{p.TextX, p.TextY, p.TextX + text_width, p.TextY + text_height};
  DrawTextAuto(canvas, caption, text, TextFlags(DT_WORDBREAK));

  const COLORREF arrow_colour = static_cast<COLORREF>(
      SkinData()->Environment().SystemColours().Resolve(enabled_ ? kWindowText : kBtnShadow));
  const UniqueBrush brush(CreateSolidBrush(arrow_colour));
  const UniquePen pen(CreatePen(PS_SOLID, 1, arrow_colour));
  const HGDIOBJ old_brush = SelectObject(canvas, brush.get());
  const HGDIOBJ old_pen = SelectObject(canvas, pen.get());
  POINT arrow[3];
  for (int i = 0; i < 3; ++i) arrow[i] = {p.Arrow[i].X, p.Arrow[i].Y};
  Polygon(canvas, arrow, 3);
  SelectObject(canvas, old_brush);
  SelectObject(canvas, old_pen);

  if (focused_ && !SkinData()->Options().Contains(TSkinOption::xoNoFocusRect)) {
    InflateRect(&text, 2, 2);
    DrawFocusRect(canvas, &text);
  }
  BitBlt(dc, rect.left, rect.top, client.Width(), client.Height(), canvas, 0, 0, SRCCOPY);
}

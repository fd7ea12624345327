#include "framework/win/glyph_draw.h"

namespace {

void DrawGlyphFrame(HDC dc, int x, int y, const TBitmap& glyph, int num_glyphs, int index) {
  const int width = glyph.Width() / num_glyphs;
  if (index >= num_glyphs) index = 0;
  const MemoryDC source(glyph.Handle());
  const COLORREF transparent = GetPixel(source.get(), 0, glyph.Height() - 1);
  TransparentBlt(dc, x, y, width, glyph.Height(), source.get(), index * width, 0, width, glyph.Height(),
                 transparent);
}

}  // namespace

void DrawGlyphButtonContent(HDC dc, const RECT& client, const TGlyphButtonContent& c) {
  const bool has_glyph = c.Glyph != nullptr && !c.Glyph->Empty() && c.NumGlyphs > 0;
  const layout::Size glyph =
      has_glyph ? layout::Size{c.Glyph->Width() / c.NumGlyphs, c.Glyph->Height()} : layout::Size{};
  const SelectedObject font(dc, c.Font);
  RECT measured{0, 0, 0, 0};
  if (!c.Caption.empty()) {
    DrawTextW(dc, c.Caption.c_str(), static_cast<int>(c.Caption.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE);
  }
  const layout::Size text{measured.right, measured.bottom};
  const layout::Size size{client.right - client.left, client.bottom - client.top};
  const TGlyphButtonPlacement place = PlaceGlyphAndText(size, glyph, text, c.Layout, c.Margin, c.Spacing);
  const int dx = client.left + c.Offset;
  const int dy = client.top + c.Offset;
  if (has_glyph)
    DrawGlyphFrame(dc, place.Glyph.Left + dx, place.Glyph.Top + dy, *c.Glyph, c.NumGlyphs, c.GlyphIndex);
  if (c.Caption.empty()) return;
  RECT r{place.Text.Left + dx, place.Text.Top + dy, place.Text.Right + dx, place.Text.Bottom + dy};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, c.TextColour);
  DrawTextW(dc, c.Caption.c_str(), static_cast<int>(c.Caption.size()), &r, DT_SINGLELINE);
}

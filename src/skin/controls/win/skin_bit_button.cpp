#include "skin/controls/win/skin_bit_button.h"

#include <algorithm>
#include <cctype>

#include "framework/control.h"
#include "framework/win/bitmap.h"
#include "framework/win/image_list.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/image/colour.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/win/paint/draw_text_auto.h"

namespace {

constexpr TColor kBtnShadow = SystemColour(16);
constexpr TColor kBtnHighlight = SystemColour(20);
// Paints the brush where the source is white and keeps the destination
// where it is black.
constexpr DWORD kRopDspDxax = 0x00E20746;

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

std::string Lowered(AnsiString text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

int IntProperty(const TObject* object, std::string_view name) {
  return static_cast<int>(GetOrdPropByName(object, name));
}

// One frame of a glyph strip at (x, y), the colour of the bitmap's
// bottom-left pixel left out. A disabled one-frame glyph is drawn embossed in
// the highlight and shadow colours instead.
void DrawGlyph(HDC dc, int x, int y, const TBitmap& glyph, int num_glyphs, int index,
               const TSystemColours& colours) {
  const TGlyphSource frame = GlyphFrame(glyph.Width(), glyph.Height(), num_glyphs, index);
  const TRect& s = frame.Source;
  if (s.Width() <= 0 || s.Height() <= 0) return;
  const MemoryDC source(glyph.Handle());
  const COLORREF key = GetPixel(source.get(), 0, glyph.Height() - 1);
  if (!frame.Embossed) {
    TransparentBlt(dc, x, y, s.Width(), s.Height(), source.get(), s.Left, s.Top, s.Width(), s.Height(), key);
    return;
  }
  // The mask is white where the glyph has a pixel.
  const UniqueBitmap mask(CreateBitmap(s.Width(), s.Height(), 1, 1, nullptr));
  const MemoryDC mono(mask.get());
  SetBkColor(source.get(), key);
  BitBlt(mono.get(), 0, 0, s.Width(), s.Height(), source.get(), s.Left, s.Top, NOTSRCCOPY);
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF old_back = SetBkColor(dc, RGB(255, 255, 255));
  const auto stamp = [&](TColor colour, int offset) {
    const UniqueBrush brush(CreateSolidBrush(static_cast<COLORREF>(colours.Resolve(colour))));
    const HGDIOBJ old = SelectObject(dc, brush.get());
    BitBlt(dc, x + offset, y + offset, s.Width(), s.Height(), mono.get(), 0, 0, kRopDspDxax);
    SelectObject(dc, old);
  };
  stamp(kBtnHighlight, 1);
  stamp(kBtnShadow, 0);
  SetTextColor(dc, old_text);
  SetBkColor(dc, old_back);
}

}  // namespace

TSkinBitButton::TSkinBitButton(TComponent* owner, std::string_view glyph_property)
    : TSkinButton(owner), glyph_property_(glyph_property) {}

TSkinBitButton::TGlyph TSkinBitButton::ReadGlyph() const {
  TGlyph g;
  const TControl* control = Control();
  if (control == nullptr) return g;
  g.Bitmap = GetObjectPropByName<TBitmap>(control, glyph_property_.empty() ? "Glyph" : glyph_property_);
  // Another component set's graphic is one picture, not a strip.
  g.NumGlyphs = glyph_property_.empty() ? std::max(IntProperty(control, "NumGlyphs"), 1) : 1;
  g.Images = GetObjectPropByName<TImageList>(control, "Images");
  g.ImageIndex = IntProperty(control, "ImageIndex");
  g.DisabledIndex = IntProperty(control, "DisabledIndex");
  if (g.Bitmap != nullptr && !g.Bitmap->Empty()) {
    g.Width = g.Bitmap->Width() / g.NumGlyphs;
    g.Height = g.Bitmap->Height();
  } else if (g.Images != nullptr && g.ImageIndex != -1) {
    g.Bitmap = nullptr;
    g.Width = g.Images->Width();
    g.Height = g.Images->Height();
  } else {
    g.Bitmap = nullptr;
  }
  return g;
}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasFaces() || Control() == nullptr) return;
  const TRect client{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  const HBITMAP face = face_.Get(client.Width(), client.Height());
  if (face == nullptr) return;
  const TButtonFrame frame = ReadButtonFrame();
  const MemoryDC memory(face);
  DrawFace(memory.get(), client.Width(), client.Height(), frame);
  DrawGlyphAndCaption(memory.get(), client, ReadGlyph(), frame, BitButtonGlyphIndex(frame), false);
  BitBlt(dc, rect.left, rect.top, client.Width(), client.Height(), memory.get(), 0, 0, SRCCOPY);
}

void TSkinBitButton::DrawGlyphAndCaption(HDC dc, const TRect& client, const TGlyph& glyph, TButtonFrame frame,
                                         int glyph_index, bool speed) {
  const TControl* control = Control();
  SetUpCaption(dc, frame, speed);
  TBitButtonMetrics m;
  m.Layout = ButtonLayoutOf(Lowered(GetEnumPropByName(control, "Layout")));
  m.ClientWidth = client.Width();
  m.ClientHeight = client.Height();
  m.GlyphWidth = glyph.Width;
  m.GlyphHeight = glyph.Height;
  m.Margin = IntProperty(control, "Margin");
  m.Spacing = IntProperty(control, "Spacing");
  m.AlignCenter = Lowered(GetEnumPropByName(control, "Alignment")) == "tacenter";
  const std::wstring caption = ButtonCaptionLines(caption_);
  if (!caption.empty()) {
    RECT measured = ToRect(BitButtonTextArea(client, m.Layout, glyph.Width, glyph.Height));
    DrawTextAuto(dc, caption, measured, DT_CALCRECT | DT_WORDBREAK);
    m.TextWidth = measured.right - measured.left;
    m.TextHeight = measured.bottom - measured.top;
  }
  const TBitButtonPlacement p = speed ? PlaceSpeedButton(m) : PlaceBitButton(m);

  const bool disabled = frame == TButtonFrame::bfDisabled;
  if (glyph.Bitmap != nullptr) {
    DrawGlyph(dc, p.GlyphX, p.GlyphY, *glyph.Bitmap, glyph.NumGlyphs, glyph_index,
              SkinData()->Environment().SystemColours());
  } else if (glyph.Images != nullptr) {
    if (!disabled && glyph.ImageIndex != -1)
      glyph.Images->Draw(dc, p.GlyphX, p.GlyphY, glyph.ImageIndex);
    else if (disabled && glyph.DisabledIndex != -1)
      glyph.Images->Draw(dc, p.GlyphX, p.GlyphY, glyph.DisabledIndex);
    else if (disabled && glyph.ImageIndex != -1)
      glyph.Images->Draw(dc, p.GlyphX, p.GlyphY, glyph.ImageIndex, false);
  }

  RECT text{p.TextX, p.TextY, p.TextX + m.TextWidth, p.TextY + m.TextHeight};
  DrawTextAuto(dc, caption, text, TextFlags(DT_WORDBREAK | p.TextFlags));
  if (focused_ && !SkinData()->Options().Contains(TSkinOption::xoNoFocusRect)) {
    InflateRect(&text, 2, 2);
    DrawFocusRect(dc, &text);
  }
}

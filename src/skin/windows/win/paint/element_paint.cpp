#include "skin/windows/win/paint/element_paint.h"

#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/win/paint/transparent_blit_dc.h"

namespace {

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

void Put(HDC dc, const RECT& rect, const TSkinBitmap& work, bool transparent) {
  if (transparent)
    TransparentBlit(dc, rect, work, clFuchsia);
  else
    BlitImage(dc, rect.left, rect.top, work);
}

}  // namespace

void DrawSkinElement(HDC dc, const RECT& rect, const TSkinBitmap& image, const TRect& margins, int index,
                     int count, bool transparent, bool tile, bool vertical) {
  const TRect r = FromRect(rect);
  if (r.Inverted()) return;
  Put(dc, rect, BuildElementBitmap(r, image, margins, index, count, tile, vertical), transparent);
}

void DrawElementStrip(HDC dc, const RECT& rect, const TSkinBitmap& image, const TRect& margins, int index,
                      int count, bool transparent, bool vertical) {
  const TRect r = FromRect(rect);
  if (r.Inverted()) return;
  Put(dc, rect, BuildElementStrip(r, image, margins, index, count, vertical), transparent);
}

void DrawElementThreePart(HDC dc, const RECT& rect, const TSkinBitmap& image, const TRect& margins, int index,
                          int count, bool vertical) {
  const TDibImage source(image);
  if (!source.DC()) return;
  const TRect f = FrameRect(image, index, count, vertical);
  const auto stretch = [&](const TRect& to, const TRect& from) {
    StretchBlt(dc, to.Left, to.Top, to.Width(), to.Height(), source.DC(), from.Left, from.Top, from.Width(),
               from.Height(), SRCCOPY);
  };
  const TRect t = FromRect(rect);
  if (f.Width() > t.Width()) {
    stretch(t, f);
    return;
  }
  const int l = margins.Left;
  const int r = margins.Right;
  stretch({t.Left, t.Top, t.Left + l, t.Bottom}, {f.Left, f.Top, f.Left + l, f.Bottom});
  stretch({t.Left + l, t.Top, t.Right - r, t.Bottom}, {f.Left + l, f.Top, f.Right - r, f.Bottom});
  stretch({t.Right - r, t.Top, t.Right, t.Bottom}, {f.Right - r, f.Top, f.Right, f.Bottom});
}

void DrawElementStretched(HDC dc, const RECT& rect, const TSkinBitmap& image, int index, int count,
                          bool transparent) {
  const TRect r = FromRect(rect);
  if (r.Inverted()) return;
  Put(dc, rect, BuildElementStretched(r, image, index, count), transparent);
}

void DrawElementCentred(HDC dc, const RECT& rect, const TSkinBitmap& image, int index, int count,
                        bool transparent) {
  const TRect r = FromRect(rect);
  if (r.Inverted()) return;
  const TRect frame = FrameRect(image, index, count, false);
  Put(dc, ToRect(CentredFrameRect(r, image, index, count)),
      CropImage(image, {frame.Left, 0, frame.Right, image.Height()}), transparent);
}

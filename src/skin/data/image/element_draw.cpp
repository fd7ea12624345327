#include "skin/data/image/element_draw.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/image/image_blit.h"

namespace {

// Margins and frame indices come from skin files and may be anything. Images
// are far smaller than this bound, so bounding them changes no drawing and
// keeps all the coordinate arithmetic below inside int.
constexpr std::int64_t kFar = std::int64_t{1} << 28;
int Bound(std::int64_t v) {
  return static_cast<int>(std::clamp(v, -kFar, kFar));
}
TRect BoundMargins(const TRect& m) {
  return {Bound(m.Left), Bound(m.Top), Bound(m.Right), Bound(m.Bottom)};
}

TRect Offset(const TRect& r, int dx, int dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The finished work image onto the target, through the key colour or opaquely.
void Put(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& work, bool transparent) {
  if (transparent)
    TransparentBlit(target, rect, work, clFuchsia);
  else
    DrawImage(target, rect.Left, rect.Top, work);
}

}  // namespace

TRect FrameRect(const TSkinBitmap& image, int index, int count, bool vertical) {
  if (count <= 0) count = 1;
  if (vertical) {
    const int fh = image.Height() / count;
    return Bounds(0, Bound((std::int64_t{index} - 1) * fh), image.Width(), fh);
  }
  const int fw = image.Width() / count;
  return Bounds(Bound((std::int64_t{index} - 1) * fw), 0, fw, image.Height());
}

TSkinBitmap BuildElementBitmap(const TRect& target, const TSkinBitmap& image, const TRect& margins, int index,
                               int count, bool tile, bool vertical) {
  const TRect frame = FrameRect(image, index, count, vertical);
  const int fw = frame.Width();
  const int fh = frame.Height();
  const int w = target.Width();
  const int h = target.Height();
  TSkinBitmap out(w, h);
  if (out.Empty()) return out;
  const TRect m = BoundMargins(margins);
  int l = m.Left, t = m.Top, r = m.Right, b = m.Bottom;
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  const auto positive_area = [](int p, int q) { return std::int64_t{p} * q > 0; };
  // Source rectangles are relative to the frame's origin.
  const auto part = [&](const TRect& to, const TRect& from) {
    StretchCopy(out, to, image, Offset(from, frame.Left, frame.Top));
  };
  if (positive_area(l, t)) part({0, 0, l, t}, {0, 0, l, t});
  if (positive_area(l, b)) part({0, h - b, l, h}, {0, fh - b, l, fh});
  if (positive_area(r, t)) part({w - r, 0, w, t}, {fw - r, 0, fw, t});
  if (l > 0) part({0, t, l, h - b}, {0, t, l, fh - b});
  if (t > 0) part({l, 0, w - r, t}, {l, 0, fw - r, t});
  const TRect centre{l, t, w - r, h - b};
  const TRect centre_source{l, t, fw - r, fh - b};
  if (tile)
    TileDraw(out, centre, image, Offset(centre_source, frame.Left, frame.Top));
  else
    part(centre, centre_source);
  // Right and bottom parts come last: they cover the tiles that overhang the centre.
  if (positive_area(r, b)) part({w - r, h - b, w, h}, {fw - r, fh - b, fw, fh});
  if (r > 0) part({w - r, t, w, h - b}, {fw - r, t, fw, fh - b});
  if (b > 0) part({l, h - b, w - r, h}, {l, fh - b, fw - r, fh});
  return out;
}

void DrawSkinElement(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, const TRect& margins,
                     int index, int count, bool transparent, bool tile, bool vertical) {
  if (rect.Inverted()) return;
  Put(target, rect, BuildElementBitmap(rect, image, margins, index, count, tile, vertical), transparent);
}

TSkinBitmap BuildElementStrip(const TRect& rect, const TSkinBitmap& image, const TRect& margins, int index,
                              int count, bool vertical) {
  const TRect frame = FrameRect(image, index, count, vertical);
  const int fw = frame.Width();
  const int fh = frame.Height();
  const int w = rect.Width();
  const int h = rect.Height();
  TSkinBitmap work(w, h);
  if (work.Empty()) return work;
  const int l = Bound(margins.Left);
  const int r = Bound(margins.Right);
  const auto part = [&](const TRect& to, const TRect& from) {
    StretchCopy(work, to, image, Offset(from, frame.Left, frame.Top));
  };
  part({0, 0, l, h}, {0, 0, l, fh});
  const int m = fw - l - r;
  if (m > 0)
    for (int x = l; x < w - r; x += m) part({x, 0, x + m, h}, {l, 0, l + m, fh});
  part({w - r, 0, w, h}, {fw - r, 0, fw, fh});
  return work;
}

void DrawElementStrip(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, const TRect& margins,
                      int index, int count, bool transparent, bool vertical) {
  if (rect.Inverted()) return;
  Put(target, rect, BuildElementStrip(rect, image, margins, index, count, vertical), transparent);
}

void DrawElementThreePart(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image,
                          const TRect& margins, int index, int count, bool vertical) {
  const TRect frame = FrameRect(image, index, count, vertical);
  const int x0 = frame.Left;
  const int y0 = frame.Top;
  const int fw = frame.Width();
  const int fh = frame.Height();
  if (fw > rect.Width()) {
    StretchCopy(target, rect, image, frame);
    return;
  }
  const int l = Bound(margins.Left);
  const int r = Bound(margins.Right);
  StretchCopy(target, {rect.Left, rect.Top, rect.Left + l, rect.Bottom}, image, {x0, y0, x0 + l, y0 + fh});
  StretchCopy(target, {rect.Left + l, rect.Top, rect.Right - r, rect.Bottom}, image,
              {x0 + l, y0, x0 + fw - r, y0 + fh});
  StretchCopy(target, {rect.Right - r, rect.Top, rect.Right, rect.Bottom}, image,
              {x0 + fw - r, y0, x0 + fw, y0 + fh});
}

TSkinBitmap BuildElementStretched(const TRect& rect, const TSkinBitmap& image, int index, int count) {
  TSkinBitmap work(rect.Width(), rect.Height());
  const TRect frame = FrameRect(image, index, count, false);
  StretchCopy(work, work.BoundsRect(), image, {frame.Left, 0, frame.Right, image.Height()});
  return work;
}

void DrawElementStretched(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, int index,
                          int count, bool transparent) {
  if (rect.Inverted()) return;
  Put(target, rect, BuildElementStretched(rect, image, index, count), transparent);
}

TRect CentredFrameRect(const TRect& rect, const TSkinBitmap& image, int index, int count) {
  const TRect frame = FrameRect(image, index, count, false);
  return Bounds(rect.Left + (rect.Width() - frame.Width()) / 2,
                rect.Top + (rect.Height() - image.Height()) / 2, frame.Width(), image.Height());
}

void DrawElementCentred(TSkinBitmap& target, const TRect& rect, const TSkinBitmap& image, int index,
                        int count, bool transparent) {
  if (rect.Inverted()) return;
  const TRect frame = FrameRect(image, index, count, false);
  Put(target, CentredFrameRect(rect, image, index, count),
      CropImage(image, {frame.Left, 0, frame.Right, image.Height()}), transparent);
}

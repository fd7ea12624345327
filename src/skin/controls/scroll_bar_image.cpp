#include "skin/controls/scroll_bar_image.h"

#include "skin/data/image/element_draw.h"

namespace {

// Frames in the strip of arrows and grips; four in a track image.
constexpr int kStripFrames = 23;
constexpr int kTrackFrames = 4;

bool Drawable(const TRect& r) {
  return r.Width() > 0 && r.Height() > 0;
}

}  // namespace

bool HasScrollBarStrip(const TSkinDefinition& skin) {
  return skin.Scrollbar && !skin.Scrollbar->Bitmap.Empty();
}

TSkinBitmap ComposeScrollBar(const TScrollBarPaint& paint, bool vertical, int width, int height,
                             const TSkinDefinition& skin, TColor face) {
  TSkinBitmap image(width, height, face);
  if (image.Empty() || !HasScrollBarStrip(skin)) return image;
  const TSkinBitmap& strip = skin.Scrollbar->Bitmap;

  const auto& track = vertical ? skin.VertScroll : skin.HorzScroll;
  if (track && Drawable(paint.Track))
    DrawSkinElement(image, paint.Track, track->Bitmap, track->Margins(), paint.TrackFrame, kTrackFrames,
                    track->Trans == 1, track->Tile == 1, false);
  if (Drawable(paint.FirstArrow))
    DrawElementStretched(image, paint.FirstArrow, strip, paint.FirstArrowFrame, kStripFrames, true);
  if (Drawable(paint.SecondArrow))
    DrawElementStretched(image, paint.SecondArrow, strip, paint.SecondArrowFrame, kStripFrames, true);

  const auto& thumb = vertical ? skin.VertScrollThumb : skin.HorzScrollThumb;
  if (thumb && paint.ThumbShown && Drawable(paint.Thumb))
    DrawSkinElement(image, paint.Thumb, thumb->Bitmap, thumb->Margins(), paint.ThumbFrame, thumb->Frame,
                    thumb->Trans == 1, false, false);
  if (paint.GripShown && Drawable(paint.Grip))
    DrawElementStretched(image, paint.Grip, strip, paint.GripFrame, kStripFrames, true);
  return image;
}

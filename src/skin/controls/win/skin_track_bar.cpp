#include "skin/controls/win/skin_track_bar.h"

#include <commctrl.h>

#include "framework/win/gdi.h"
#include "skin/controls/track_bar_geometry.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;

}  // namespace

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NOTIFY:
    case CN_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header == nullptr || header->code != static_cast<UINT>(NM_CUSTOMDRAW) ||
          header->hwndFrom != Handle())
        break;
      message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
      return false;
    }
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  switch (draw.dwItemSpec) {
    case TBCD_THUMB:
      DrawThumb(draw.hdc);
      return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL:
      return DrawChannel(draw.hdc) ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

bool TSkinTrackBar::Vertical() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & TBS_VERT) != 0;
}

bool TSkinTrackBar::DrawChannel(HDC dc) const {
  const bool vertical = Vertical();
  const TDataSkinObject* track = vertical ? SkinData()->TrackVert.get() : SkinData()->Track.get();
  if (track == nullptr || track->Bitmap.Empty()) return false;
  RECT r{};
  SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
  // The control reports a vertical channel as if it lay down.
  if (vertical) r = {r.top, r.left, r.bottom, r.right};
  const int first = vertical ? track->TopHeight : track->LeftWidth;
  const int last = vertical ? track->BottomHeight : track->RightWidth;
  const auto parts = LayOutTrackChannel({r.left, r.top, r.right, r.bottom}, track->Bitmap.Width(),
                                        track->Bitmap.Height(), first, last, vertical);
  const TRect bounds = TrackChannelBounds(parts);
  TSkinBitmap channel(bounds.Width(), bounds.Height());
  if (channel.Empty()) return true;
  for (const TImagePart& part : parts) {
    const TRect target{part.Target.Left - bounds.Left, part.Target.Top - bounds.Top,
                       part.Target.Right - bounds.Left, part.Target.Bottom - bounds.Top};
    StretchCopy(channel, target, track->Bitmap, part.Source);
  }
  BlitImage(dc, bounds.Left, bounds.Top, channel);
  return true;
}

void TSkinTrackBar::DrawThumb(HDC dc) const {
  const TDataSkinObject* thumb =
      Vertical() ? SkinData()->TrackbarThumbVert.get() : SkinData()->TrackbarThumbHorz.get();
  RECT r{};
  SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  if (thumb != nullptr && !thumb->Bitmap.Empty()) {
    DrawStripFrame(dc, r, kThumbFrames, kThumbFrame, thumb->Bitmap);
    return;
  }
  // The native thumb is not drawn, so the box is filled rather than left see-through.
  FillSkinColor(dc, r);
  const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
  FrameRect(dc, &r, shadow.get());
}

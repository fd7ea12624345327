#include "skin/controls/win/skin_progress.h"

#include <commctrl.h>

#include "skin/controls/progress_geometry.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

constexpr TColor kKey = 0xFF00FF;

}  // namespace

bool TSkinProgress::HasImage() const {
  return SkinData()->Progress != nullptr && !SkinData()->Progress->Bitmap.Empty();
}

bool TSkinProgress::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasImage()) break;
      PaintMessage(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinProgress::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // The native bar paints a new position at once, outside WM_PAINT.
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
      Redraw();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasImage()) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const bool vertical = (GetWindowLongPtrW(Handle(), GWL_STYLE) & PBS_VERTICAL) != 0;
  const int length = vertical ? height : width;
  const int thickness = vertical ? width : height;

  PBRANGE range{};
  SendMessageW(Handle(), PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
  const int position = static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
  const bool chunks = SkinData()->Progress->Style == 1;
  const int filled = ProgressFilledLength(length, position, range.iLow, range.iHigh, !chunks);

  TSkinBitmap bar(length, thickness, static_cast<TColor>(SkinColour(scButtonFace)));
  if (chunks)
    ComposeChunks(bar, filled);
  else
    ComposeFrames(bar, filled);
  // Lying down, the start of the bar is its left end; turned, its bottom.
  if (vertical) RotateBitmapLeft(bar);
  BlitImage(dc, rect.left, rect.top, bar);
}

void TSkinProgress::ComposeFrames(TSkinBitmap& bar, int filled) const {
  const TDataSkinBorder& progress = *SkinData()->Progress;
  const bool trans = progress.Trans == 1;
  const bool tile = progress.Tile == 1;
  DrawSkinElement(bar, bar.BoundsRect(), progress.Bitmap, progress.Margins(), 1, progress.Frame, trans, tile,
                  false);
  if (filled > 0)
    DrawSkinElement(bar, {0, 0, filled, bar.Height()}, progress.Bitmap, progress.Margins(), 2, progress.Frame,
                    trans, tile, false);
}

void TSkinProgress::ComposeChunks(TSkinBitmap& bar, int filled) const {
  const TDataSkinBorder& progress = *SkinData()->Progress;
  const TSkinBitmap track = BuildElementBitmap(bar.BoundsRect(), progress.Bitmap, progress.Margins(), 1, 1,
                                               progress.Tile == 1, false);
  TransparentBlit(bar, bar.BoundsRect(), track, kKey);
  const TDataSkinObject* chunk = SkinData()->ProgressChunk.get();
  if (chunk == nullptr || chunk->Bitmap.Empty() || filled <= 0) return;
  if (chunk->Tile == 1) {
    const TSkinBitmap& image = chunk->Bitmap;
    TSkinBitmap row(filled, image.Height());
    TileDraw(row, row.BoundsRect(), image, image.BoundsRect());
    DrawImage(bar, chunk->LeftWidth + 2, (bar.Height() - image.Height()) / 2, row);
    return;
  }
  if (bar.Height() <= 4) return;
  DrawImage(bar, 2, 2,
            BuildElementBitmap({0, 0, filled, bar.Height() - 4}, chunk->Bitmap, chunk->Margins(), 1,
                               chunk->Frame, false, false));
}

#include "skin/controls/win/skin_date_time.h"

#include <algorithm>

#include "framework/win/gdi.h"
#include "skin/controls/win/arrow_button.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

void TSkinDateTime::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  if (SkinState() == TSkinState::ssAttached) return;
  TSkinControl::AttachControl(form, data, change_color);
  auto* picker = dynamic_cast<TWinControl*>(Control());
  if (SkinState() != TSkinState::ssAttached || picker == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) {
    SetWindowLongPtrW(Handle(), GWL_STYLE, style | WS_CLIPCHILDREN);
    clip_added_ = true;
  }
  arrow_ = new TArrowButton(this);
  arrow_->Attach(*this, *picker);
}

void TSkinDateTime::Detach() {
  const bool window_stays = SkinState() == TSkinState::ssAttached;
  TSkinControl::Detach();
  if (!window_stays) return;
  if (arrow_ != nullptr) arrow_->Free();
  arrow_ = nullptr;
  if (clip_added_)
    SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_CLIPCHILDREN);
  clip_added_ = false;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TSkinDateTime::SkinChanged() {
  TSkinControl::SkinChanged();
  if (arrow_ != nullptr) InvalidateRect(arrow_->Handle(), nullptr, FALSE);
}

void TSkinDateTime::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      if (arrow_ != nullptr) {
        arrow_->Reposition();
        InvalidateRect(arrow_->Handle(), nullptr, FALSE);
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
  if (arrow_ != nullptr) arrow_->Reposition();
  RECT client;
  GetClientRect(Handle(), &client);
  // A picker without a border keeps its look.
  if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top) return;
  const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
  RECT ring = rect;
  FrameRect(dc, &ring, shadow.get());
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TSkinDateTime::PaintArrow(HDC dc, const RECT& rect, bool hot) const {
  TSkinBitmap face(rect.right - rect.left, rect.bottom - rect.top,
                   static_cast<TColor>(SkinColour(scButtonFace)));
  if (face.Empty()) return;
  const TDataSkinObject* arrow = SkinData()->ComboxArrow.get();
  if (arrow != nullptr && !arrow->Bitmap.Empty())
    DrawElementStretched(face, face.BoundsRect(), arrow->Bitmap, hot ? 4 : 1, std::max(arrow->Frame, 1),
                         true);
  BlitImage(dc, rect.left, rect.top, face);
}

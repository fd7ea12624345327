#include "skin/controls/win/skin_edit.h"

#include <cctype>
#include <string>

#include "framework/win/gdi.h"
#include "skin/controls/combo_box_geometry.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_definition.h"
#include "skin/windows/skin_messages.h"

namespace {

RECT WindowAtOrigin(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  OffsetRect(&r, -r.left, -r.top);
  return r;
}

bool IsDeviceContext(std::uintptr_t handle) {
  const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(handle));
  return type == OBJ_DC || type == OBJ_MEMDC;
}

}  // namespace

void TSkinEdit::Detach() {
  const bool frame_stays = SkinState() == TSkinState::ssAttached;
  TSkinControl::Detach();
  if (up_down_) up_down_->Detach();
  if (frame_stays) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TSkinEdit::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      break;
    // The edit's own frame painting would otherwise leave the native border
    // until the client area is painted again.
    case WM_NCPAINT:
      PaintWindow(nullptr);
      break;
    case WM_PRINT:
      // Only a printed frame has room for the border; over a client-only
      // image it would cover the text.
      if (message.LParam & PRF_NONCLIENT)
        PrintBorder(reinterpret_cast<HDC>(message.WParam), WindowAtOrigin(Handle()));
      break;
    case SKM_PAINTCLIENT:
      if (message.LParam != kSkinMagic) break;
      if (IsDeviceContext(message.WParam)) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallDefault(paint);
      }
      message.Result = kSkinMagic;
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinEdit::FindUpDown() {
  if (up_down_searched_ || !SkinData()->SkinControls().Contains(TSkinControlType::xcSpin)) return;
  for (HWND child = GetTopWindow(Handle()); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[256]{};
    GetClassNameA(child, name, static_cast<int>(sizeof(name)));
    std::string lowered(name);
    for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!IsSpinClass(lowered)) continue;
    up_down_searched_ = true;
    auto skin = std::make_unique<TSkinUpDown>(nullptr);
    skin->SetBuddy(true);
    skin->AttachWindow(child, *SkinData(), nullptr);
    if (skin->SkinState() == TSkinState::ssAttached) up_down_ = std::move(skin);
    return;
  }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  FindUpDown();
  RECT client;
  GetClientRect(Handle(), &client);
  // An edit without a border keeps its look.
  if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top) return;
  const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
  const auto white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RECT ring = rect;
  FrameRect(dc, &ring, shadow.get());
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, white);
  InflateRect(&ring, -1, -1);
  FrameRect(dc, &ring, white);
}

void TSkinEdit::PrintBorder(HDC dc, const RECT& rect) const {
  RECT client;
  GetClientRect(Handle(), &client);
  if (client.right + 2 >= rect.right - rect.left || client.bottom + 2 >= rect.bottom - rect.top) return;
  // The edit's own printing may leave its client clip on the DC.
  const SavedDC saved(dc);
  SelectClipRgn(dc, nullptr);
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  const UniqueBrush shadow(CreateSolidBrush(SkinColour(scButtonShadow)));
  FrameRect(dc, &rect, shadow.get());
}

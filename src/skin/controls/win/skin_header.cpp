#include "skin/controls/win/skin_header.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "framework/win/gdi.h"
#include "skin/controls/header_geometry.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_data_part_win.h"

namespace {

// Item texts are read into a buffer of this many characters, the end included.
constexpr int kTextBuffer = 201;

RECT ToRect(const TRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

// The header's font in its plain style; null when the header has none.
UniqueFont PlainFont(HWND header) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0));
  LOGFONTW plain{};
  if (font == nullptr || GetObjectW(font, sizeof(plain), &plain) == 0) return UniqueFont(nullptr);
  plain.lfWeight = FW_NORMAL;
  plain.lfItalic = plain.lfUnderline = plain.lfStrikeOut = FALSE;
  return UniqueFont(CreateFontIndirectW(&plain));
}

}  // namespace

void TSkinHeader::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  hot_item_ = -1;
}

void TSkinHeader::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  TSkinControl::AttachWindow(window, data, form);
  hot_item_ = -1;
}

bool TSkinHeader::HasImage() const {
  return SkinData()->Headerbar != nullptr && !SkinData()->Headerbar->Bitmap.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintMessage(message);
      return false;
    case WM_ERASEBKGND:
      if (!HasImage()) break;
      message.Result = 1;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinHeader::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      const int x = GET_X_LPARAM(message.LParam);
      const int y = GET_Y_LPARAM(message.LParam);
      if (const auto hot = HeaderNewHotItem(hot_rects_, hot_item_, x, y)) {
        hot_item_ = *hot;
        Redraw();
      }
      if (const TWinSkinDataPart* part = WinPart(*SkinData())) part->TrackMouseLeave(Handle());
      break;
    }
    case WM_MOUSELEAVE:
      hot_item_ = -1;
      Redraw();
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasImage()) return;
  const TDataSkinObject& bar = *SkinData()->Headerbar;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const auto face = [&bar](int w, int h, int frame) {
    return BuildElementBitmap({0, 0, w, h}, bar.Bitmap, bar.Margins(), frame, bar.Frame, bar.Tile == 1,
                              false);
  };

  // Composed off-screen and copied once: the header never flickers.
  const TDibImage strip(TSkinBitmap(width, height));
  if (strip.DC() == nullptr) return;
  const UniqueFont font = PlainFont(Handle());
  const SelectedObject selected(strip.DC(),
                                font ? static_cast<HGDIOBJ>(font.get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(strip.DC(), TRANSPARENT);
  if (SkinData()->ColourGiven[scWindowText]) SetTextColor(strip.DC(), SkinColour(scWindowText));

  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, static_cast<int>(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0)));
  hot_rects_.assign(static_cast<std::size_t>(count), TRect{});
  int rightmost = 0;
  for (int i = 0; i < count; ++i) {
    RECT item;
    if (!SendMessageW(Handle(), HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
    wchar_t text[kTextBuffer] = {};
    HDITEMW header_item{};
    header_item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    header_item.pszText = text;
    header_item.cchTextMax = kTextBuffer;
    if (!SendMessageW(Handle(), HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&header_item))) text[0] = 0;
    if (item.right > item.left && item.bottom > item.top) {
      BlitImage(strip.DC(), item.left, item.top,
                face(item.right - item.left, item.bottom - item.top, HeaderItemFrame(i, hot_item_)));
      if (text[0] != 0) DrawLabel(strip.DC(), item, header_item, images);
    }
    hot_rects_[static_cast<std::size_t>(i)] = HeaderHotRect({item.left, item.top, item.right, item.bottom});
    rightmost = std::max(rightmost, static_cast<int>(item.right));
  }
  if (const auto rest = HeaderRest({0, 0, width, height}, rightmost))
    BlitImage(strip.DC(), rest->Left, rest->Top, face(rest->Width(), rest->Height(), 1));
  BitBlt(dc, rect.left, rect.top, width, height, strip.DC(), 0, 0, SRCCOPY);
}

void TSkinHeader::DrawLabel(HDC dc, const RECT& item, const HDITEMW& header_item, HIMAGELIST images) const {
  const int image = HeaderImageIndex(header_item.fmt, header_item.iImage);
  int image_width = 0;
  int image_height = 0;
  if (images != nullptr) ImageList_GetIconSize(images, &image_width, &image_height);
  THeaderLabelInput in;
  in.ItemWidth = item.right - item.left;
  in.ItemHeight = item.bottom - item.top;
  in.Align = HeaderAlignOf(static_cast<unsigned>(header_item.fmt));
  in.HasImage = image >= 0 && images != nullptr;
  in.ImageWidth = image_width;

  std::wstring text(header_item.pszText);
  RECT measured = ToRect(HeaderTextArea(in));
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &measured,
            DT_END_ELLIPSIS | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP);
  in.TextWidth = measured.right - measured.left;
  in.TextHeight = measured.bottom - measured.top;

  const THeaderLabel label = LayOutHeaderLabel(in);
  if (label.ImageShown)
    ImageList_Draw(images, image, dc, item.left + label.ImageX, item.top + label.ImageY, ILD_NORMAL);
  RECT place = ToRect(label.Text);
  OffsetRect(&place, item.left, item.top);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &place,
            TextFlags(DT_END_ELLIPSIS | DT_EXPANDTABS));
}

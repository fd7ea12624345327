#include "skin/controls/win/skin_tab.h"

#include <commctrl.h>

#include <cctype>
#include <string>

#include "framework/win/gdi.h"
#include "skin/controls/skin_mapping.h"
#include "skin/controls/win/skin_up_down.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

// Tab texts are read into a buffer of this many characters, the end included.
constexpr int kTextBuffer = 80;

void Turn(TSkinBitmap& image, TTabTurn turn) {
  switch (turn) {
    case TTabTurn::ttFlip:
      FlipBitmap(image);
      break;
    case TTabTurn::ttLeft:
      RotateBitmapLeft(image);
      break;
    case TTabTurn::ttRight:
      RotateBitmapRight(image);
      break;
    default:
      break;
  }
}

bool IsUpDown(HWND window) {
  char name[64]{};
  GetClassNameA(window, name, static_cast<int>(sizeof(name)));
  std::string lowered(name);
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered == "msctls_updown32";
}

}  // namespace

TSkinTab::TSkinTab(TComponent* owner, int variant)
    : TSkinControl(owner), page_control_(variant == kTabPageControl) {}

TSkinTab::~TSkinTab() = default;

void TSkinTab::AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) {
  TSkinControl::AttachControl(form, data, change_color);
  if (SkinState() != TSkinState::ssAttached) return;
  PrepareImages();
  FindUpDown();
}

void TSkinTab::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  TSkinControl::AttachWindow(window, data, form);
  if (SkinState() != TSkinState::ssAttached) return;
  PrepareImages();
  FindUpDown();
}

void TSkinTab::Detach() {
  if (up_down_) up_down_->Detach();
  up_down_.reset();
  TSkinControl::Detach();
  tab_image_ = TSkinBitmap();
  pane_image_ = TSkinBitmap();
}

void TSkinTab::SkinChanged() {
  if (SkinState() == TSkinState::ssAttached) PrepareImages();
  if (up_down_) up_down_->SkinChanged();
  TSkinControl::SkinChanged();
}

bool TSkinTab::HasImage() const {
  return SkinData()->Tabs != nullptr && !SkinData()->Tabs->Bitmap.Empty();
}

void TSkinTab::PrepareImages() {
  tab_image_ = TSkinBitmap();
  pane_image_ = TSkinBitmap();
  if (!HasImage()) return;
  const TDataSkinBorder& tabs = *SkinData()->Tabs;
  const TTabPosition position =
      TabPositionOf(static_cast<std::uint32_t>(GetWindowLongPtrW(Handle(), GWL_STYLE)));
  tab_image_ = tabs.Bitmap;
  if (tabs.Style == 1) {
    if (SkinData()->TabPane != nullptr) pane_image_ = SkinData()->TabPane->Bitmap;
  } else {
    pane_image_ = tabs.Bitmap2;
  }
  Turn(tab_image_, TabImageTurn(position));
  if (!pane_image_.Empty()) Turn(pane_image_, TabPaneTurn(position));
}

void TSkinTab::FindUpDown() {
  if (up_down_ || Handle() == nullptr) return;
  for (HWND child = GetTopWindow(Handle()); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUpDown(child)) continue;
    auto skin = std::make_unique<TSkinUpDown>(nullptr);
    // Kept out of the form's list: the form frees what is in it, and this
    // object frees the scroller's skin itself.
    skin->AttachWindow(child, *SkinData(), nullptr);
    if (skin->SkinState() == TSkinState::ssAttached) up_down_ = std::move(skin);
    return;
  }
}

bool TSkinTab::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasImage()) break;
      PaintMessage(message);
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinTab::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // The images are turned for where the tabs stand; a moved tab row
    // would otherwise be drawn with the old turn.
    case WM_STYLECHANGED:
      if (message.WParam == static_cast<WPARAM>(GWL_STYLE)) {
        PrepareImages();
        Redraw();
      }
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasImage()) return;
  FindUpDown();
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const TTabPosition position =
      TabPositionOf(static_cast<std::uint32_t>(GetWindowLongPtrW(Handle(), GWL_STYLE)));
  RECT client;
  GetClientRect(Handle(), &client);
  RECT display = client;
  SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TRect pane = TabPaneRect({display.left, display.top, display.right, display.bottom}, position);
  const TTabStrip strip = TabStripOf(width, height, pane, position);

  // The whole control is composed off-screen and copied once; what neither
  // the strip nor the pane covers shows the parent's colour.
  const auto ground = static_cast<TColor>(GetParentColor(SkinColour(scButtonFace)));
  TSkinBitmap whole(width, height, ground);
  if (strip.Width > 0) {
    TSkinBitmap lying(strip.Width, strip.Height, ground);
    DrawTabs(lying, strip, position);
    if (position == TTabPosition::tpLeft) RotateBitmapLeft(lying);
    if (position == TTabPosition::tpRight) RotateBitmapRight(lying);
    DrawImage(whole, strip.Place.Left, strip.Place.Top, lying);
  }
  if (!pane_image_.Empty()) {
    const TRect pane_margins = TabPaneMargins(
        SkinData()->Tabs->Style, SkinData()->TabPane != nullptr ? SkinData()->TabPane->Margins() : TRect{});
    DrawSkinElement(whole, pane, pane_image_, pane_margins, 1, 1, false, false, false);
  }

  // The scroller paints itself; the copy goes around it.
  const int saved = SaveDC(dc);
  if (up_down_ && IsWindowVisible(up_down_->Handle())) {
    RECT r;
    GetWindowRect(up_down_->Handle(), &r);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  BlitImage(dc, rect.left, rect.top, whole);
  RestoreDC(dc, saved);
  if (page_control_) PaintGraphicChildren(dc);
}

void TSkinTab::DrawTabs(TSkinBitmap& lying, const TTabStrip& strip, TTabPosition position) const {
  const TDataSkinBorder& tabs = *SkinData()->Tabs;
  const int count = static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0));
  const int focus = static_cast<int>(SendMessageW(Handle(), TCM_GETCURFOCUS, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT item;
    if (!SendMessageW(Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
    const TRect place = TabInStrip({item.left, item.top, item.right, item.bottom}, strip, position);
    DrawSkinElement(lying, place, tab_image_, tabs.Margins(), i == focus ? 2 : 1, tabs.Frame, tabs.Trans == 1,
                    tabs.Tile == 1, false);
  }

  // Labels need GDI: drawn on a DIB copy of the faces.
  const TDibImage canvas(lying);
  if (canvas.DC() == nullptr) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const SelectedObject selected(
      canvas.DC(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas.DC(), TRANSPARENT);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), TCM_GETIMAGELIST, 0, 0));
  int image_width = 0;
  int image_height = 0;
  if (images != nullptr) ImageList_GetIconSize(images, &image_width, &image_height);
  const auto& system = SkinData()->Environment().SystemColours();
  for (int i = 0; i < count; ++i) {
    RECT item;
    if (!SendMessageW(Handle(), TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
    wchar_t text[kTextBuffer] = {};
    TCITEMW tab_item{};
    tab_item.mask = TCIF_TEXT | TCIF_IMAGE;
    tab_item.pszText = text;
    tab_item.cchTextMax = kTextBuffer;
    if (!SendMessageW(Handle(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&tab_item))) continue;
    // The label lies along the strip, so it is measured and placed there.
    const TRect lying_tab = TabInStrip({item.left, item.top, item.right, item.bottom}, strip, position);
    const std::wstring label_text(text);
    RECT measured{0, 0, 0, 0};
    DrawTextW(canvas.DC(), label_text.data(), static_cast<int>(label_text.size()), &measured,
              DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    const bool has_image = images != nullptr && tab_item.iImage >= 0;
    const TTabLabel label = LayOutTabLabel(lying_tab, has_image, image_width, image_height,
                                           measured.right - measured.left, measured.bottom - measured.top);
    if (has_image)
      ImageList_Draw(images, tab_item.iImage, canvas.DC(), label.ImageX, label.ImageY, ILD_TRANSPARENT);
    SetTextColor(canvas.DC(), static_cast<COLORREF>(
                                  system.Resolve(i == focus ? tabs.MouseOverColour2 : tabs.NormalColour2)));
    RECT place{label.Text.Left, label.Text.Top, label.Text.Right, label.Text.Bottom};
    DrawTextW(canvas.DC(), label_text.data(), static_cast<int>(label_text.size()), &place,
              DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
  lying = canvas.ToImage();
}

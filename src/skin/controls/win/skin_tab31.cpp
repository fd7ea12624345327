#include "skin/controls/win/skin_tab31.h"

#include <vector>

#include "framework/string_list.h"
#include "framework/win/gdi.h"
#include "framework/win/wide.h"
#include "framework/win/win_control.h"
#include "skin/controls/tab_set_geometry.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/img_util.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"

namespace {

int OrdOr(const TObject* object, std::string_view name, int fallback) {
  const std::int64_t value = GetOrdPropByName(object, name);
  return value < 0 ? fallback : static_cast<int>(value);
}

}  // namespace

void TSkinTab31::AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) {
  TSkinControl::AttachWindow(window, data, form);
  if (SkinState() == TSkinState::ssAttached) PrepareImage();
}

void TSkinTab31::SkinChanged() {
  if (SkinState() == TSkinState::ssAttached) PrepareImage();
  TSkinControl::SkinChanged();
}

bool TSkinTab31::HasImage() const {
  return SkinData() != nullptr && SkinData()->Tabs != nullptr && !SkinData()->Tabs->Bitmap.Empty();
}

void TSkinTab31::PrepareImage() {
  tab_image_ = TSkinBitmap();
  if (!HasImage()) return;
  // The tabs hang from the top edge: the image's tabs point down.
  tab_image_ = SkinData()->Tabs->Bitmap;
  FlipBitmap(tab_image_);
}

HFONT TSkinTab31::CaptionFont() const {
  if (auto* control = ObjectAs<TWinControl>(Owner())) return control->FontHandle();
  return TSkinControl::CaptionFont();
}

bool TSkinTab31::ScrollerShown() const {
  for (HWND child = GetWindow(Handle(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child)) return true;
  return false;
}

bool TSkinTab31::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!HasImage()) break;
      PaintMessage(message);
      // The tab set still sees its paint; the update region is spent, so it
      // draws nothing over the skin.
      return true;
    case WM_ERASEBKGND:
      if (!HasImage()) break;
      message.Result = 1;
      return false;
    default:
      break;
  }
  return TSkinControl::BeforeMessage(message);
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasImage() || tab_image_.Empty()) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  const TObject* tab_set = Owner();
  const auto* tabs = GetObjectPropByName<TStrings>(tab_set, "Tabs");
  const int count = tabs != nullptr ? tabs->Count() : 0;
  const int selected = static_cast<int>(GetOrdPropByName(tab_set, "TabIndex"));

  TSkinBitmap faces(width, height, static_cast<TColor>(SkinColour(scButtonFace)));
  const TDibImage measure(faces);
  if (measure.DC() == nullptr) return;
  const HFONT font = CaptionFont();
  const SelectedObject measured_font(
      measure.DC(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  std::vector<std::wstring> texts;
  TTabSetView view;
  view.Width = width;
  view.Height = height;
  view.StartMargin = OrdOr(tab_set, "StartMargin", 5);
  view.EndMargin = OrdOr(tab_set, "EndMargin", 5);
  view.FirstIndex = OrdOr(tab_set, "FirstIndex", 0);
  view.ScrollerShown = ScrollerShown();
  for (int i = 0; i < count; ++i) {
    texts.push_back(ToWide((*tabs)[i]));
    SIZE size{};
    GetTextExtentPoint32W(measure.DC(), texts.back().c_str(), static_cast<int>(texts.back().size()), &size);
    view.TextWidths.push_back(size.cx);
  }
  const std::vector<TTabSetTab> laid = LayOutTabSet(view);

  const TDataSkinBorder& element = *SkinData()->Tabs;
  for (const TTabSetTab& tab : laid)
    DrawSkinElement(faces, tab.Rect, tab_image_, element.Margins(), tab.Index == selected ? 2 : 1,
                    element.Frame, element.Trans == 1, element.Tile == 1, false);

  const TDibImage canvas(faces);
  if (canvas.DC() == nullptr) return;
  const SelectedObject selected_font(
      canvas.DC(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas.DC(), TRANSPARENT);
  const auto& system = SkinData()->Environment().SystemColours();
  for (const TTabSetTab& tab : laid) {
    const bool on = tab.Index == selected;
    SetTextColor(canvas.DC(), static_cast<COLORREF>(
                                  system.Resolve(on ? element.MouseOverColour2 : element.NormalColour2)));
    std::wstring& text = texts[static_cast<std::size_t>(tab.Index)];
    RECT place{tab.Rect.Left, tab.Rect.Top, tab.Rect.Right, tab.Rect.Bottom};
    DrawTextW(canvas.DC(), text.data(), static_cast<int>(text.size()), &place,
              TextFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX));
  }
  BlitImage(dc, rect.left, rect.top, canvas.ToImage());
}

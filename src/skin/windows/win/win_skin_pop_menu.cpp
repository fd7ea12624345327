#include "skin/windows/win/win_skin_pop_menu.h"

#include "framework/win/gdi.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/win/skin_manage.h"

namespace {
// The width of a popup menu window's frame.
constexpr int kPopupBorder = 3;
}  // namespace

void TWinSkinPopMenu::Attach(HWND window, TSkinData& data) {
  window_ = window;
  data_ = &data;
  // Menu windows are hooked with the A calls whatever they are.
  hook_.Hook(
      window, [this](TMessage& m) { WndProc(m); }, true);
}

void TWinSkinPopMenu::Detach() {
  hook_.Unhook();
  background_ = TSkinBitmap();
}

void TWinSkinPopMenu::ComposeBackground() {
  RECT r{};
  GetWindowRect(window_, &r);
  const TDataSkinObject& element = *data_->MenuBackground;
  background_ = BuildElementBitmap(TRect{0, 0, r.right - r.left, r.bottom - r.top}, element.Bitmap,
                                   element.Margins(), 1, 1, element.Tile != 0, false);
}

void TWinSkinPopMenu::WndProc(TMessage& m) {
  const TSkinManage* manager = SkinManager();
  const bool skinned = manager != nullptr && manager->Active() && !data_->NotLoaded &&
                       data_->MenuBackground && !data_->MenuBackground->Bitmap.Empty();
  if (!skinned) return hook_.CallSaved(m);
  switch (m.Msg) {
    case WM_NCPAINT:
      if (m.WParam == 1) return WmNcPaint(m);
      break;
    case WM_PRINT:
      return WmPrint(m);
    case WM_ERASEBKGND:
      if (!data_->Options().Contains(TSkinOption::xoMenuBG)) hook_.CallSaved(m);
      m.Result = 1;
      return;
    case WM_DESTROY:
      Detach();
      break;
    default:
      break;
  }
  hook_.CallSaved(m);
}

void TWinSkinPopMenu::WmNcPaint(TMessage& m) {
  ComposeBackground();
  const TDibImage image(background_);
  if (image.DC() == nullptr) return hook_.CallSaved(m);
  const WindowDC dc(window_, WindowDC::kWholeWindow);
  const int w = image.Width(), h = image.Height();
  // The frame strips first (they are what shows at once), then the rest.
  BitBlt(dc.get(), 0, 0, w, kPopupBorder, image.DC(), 0, 0, SRCCOPY);
  BitBlt(dc.get(), 0, h - kPopupBorder, w, kPopupBorder, image.DC(), 0, h - kPopupBorder, SRCCOPY);
  BitBlt(dc.get(), 0, 0, kPopupBorder, h, image.DC(), 0, 0, SRCCOPY);
  BitBlt(dc.get(), w - kPopupBorder, 0, kPopupBorder, h, image.DC(), w - kPopupBorder, 0, SRCCOPY);
  m.Result = 0;
}

void TWinSkinPopMenu::WmPrint(TMessage& m) {
  ComposeBackground();
  const auto dc = reinterpret_cast<HDC>(m.WParam);
  BlitImage(dc, 0, 0, background_);
  const SavedDC saved(dc);
  IntersectClipRect(dc, kPopupBorder, kPopupBorder, background_.Width() - kPopupBorder,
                    background_.Height() - kPopupBorder);
  SetBkMode(dc, TRANSPARENT);
  hook_.CallSaved(m);
}

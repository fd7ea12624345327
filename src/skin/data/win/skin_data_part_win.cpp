#include "skin/data/win/skin_data_part_win.h"

#include <cstddef>

#include "framework/win/font_handle.h"
#include "framework/win/hint_window.h"
#include "framework/win/wide.h"
#include "framework/win/win_control.h"
#include "framework/win/window_icon.h"
#include "skin/data/win/dib_image.h"

namespace {

// What DrawText lays a hint out with, as the hint window paints it.
constexpr UINT kHintFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
constexpr int kHintMargin = 3;

// A font of our own: the caption font is deleted with the component.
UniqueFont DefaultFont() {
  LOGFONTW font{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font) == 0) return {};
  return UniqueFont(CreateFontIndirectW(&font));
}

// The window whose icon stands for the application: the form the component
// sits on, once it has a window.
HWND ApplicationWindow(const TSkinData& data) {
  auto* form = dynamic_cast<TWinControl*>(data.Owner());
  return form != nullptr && form->HandleAllocated() ? form->WindowHandle() : nullptr;
}

HICON WindowIcon(HWND wnd) {
  if (wnd == nullptr) return nullptr;
  // A window without an icon of its own shows the system's default one.
  if (HICON icon = WindowIconOf(wnd)) return icon;
  return LoadIconA(nullptr, IDI_APPLICATION);
}

}  // namespace

TWinSkinDataPart::TWinSkinDataPart(const TOptionalUserFunctions& functions)
    : functions_(functions),
      caption_font_(DefaultFont()),
      face_brush_(CreateSolidBrush(0)),
      hint_window_(std::make_unique<THintWindow>(nullptr)) {}

TWinSkinDataPart::~TWinSkinDataPart() = default;

void TWinSkinDataPart::SkinRead(const TSkinData& data) {
  // The face colour defaults to the system's button face.
  face_brush_ = CreateColorBrush(data.Colours[scButtonFace]);
}

void TWinSkinDataPart::Loaded(const TSkinData& data) {
  MakeCaptionFont();
  if (data.SkinFormtype() == TSkinFormType::sfMainform) icon_source_ = &data;
}

void TWinSkinDataPart::MakeCaptionFont() {
  // Systems before Vista know the structure without its last field (340
  // bytes) and refuse the full size; later ones take either. Ask with the
  // full size first, then with the older one.
  NONCLIENTMETRICSW metrics{};
  for (const UINT size : {static_cast<UINT>(sizeof(metrics)),
                          static_cast<UINT>(offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth))}) {
    metrics.cbSize = size;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, size, &metrics, 0) == FALSE) continue;
    if (HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont)) caption_font_.reset(font);
    return;
  }
}

const TSkinBitmap& TWinSkinDataPart::AppIcon() const {
  if (app_icon_.Empty() && icon_source_ != nullptr) {
    if (const HWND form = ApplicationWindow(*icon_source_)) MakeAppIcon(form);
  }
  return app_icon_;
}

void TWinSkinDataPart::MakeAppIcon(HWND form) const {
  const HICON icon = WindowIcon(form);
  if (icon == nullptr) return;
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  const TDibImage canvas(TSkinBitmap(width, height, clFuchsia));
  if (canvas.DC() == nullptr) return;
  DrawIconEx(canvas.DC(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  app_icon_ = canvas.ToImage();
  app_icon_transparent_ = true;
}

void TWinSkinDataPart::ShowHint(const TRect& rect, const AnsiString& text) {
  const std::wstring wide = ToWide(text);
  RECT r{0, 0, kHintMaxWidth, 0};
  {
    const WindowDC screen(nullptr);
    const SelectedObject font(screen.get(), hint_window_->FontHandle());
    DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &r, kHintFormat | DT_CALCRECT);
  }
  const int width = r.right + 2 * kHintMargin + 2, height = r.bottom + 2 * kHintMargin;
  hint_window_->ActivateHint(POINT{rect.Left, rect.Top}, text);
  hint_window_->SetBounds(rect.Left, rect.Top, width, height);
  // The hint window sizes itself for ordinary control hints; caption hints
  // may run wider.
  SetWindowPos(hint_window_->Handle(), HWND_TOPMOST, rect.Left, rect.Top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TWinSkinDataPart::HideHint() {
  hint_window_->ReleaseHandle();
}

TWinSkinDataPart* WinPart(const TSkinData& data) {
  return dynamic_cast<TWinSkinDataPart*>(data.SystemPart());
}

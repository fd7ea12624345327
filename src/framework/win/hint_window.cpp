#include "framework/win/hint_window.h"

#include "framework/published.h"
#include "framework/win/application.h"
#include "framework/win/font_handle.h"
#include "framework/win/wide.h"

namespace {
constexpr int kHintMargin = 3;
constexpr UINT kHintFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}  // namespace

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  Font()->SetName("宋体");
  Font()->SetHeight(-12);
  Font()->SetCharset(GB2312_CHARSET);
}

const TClassInfo& THintWindow::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<THintWindow, TWinControl>("THintWindow");
  return info;
}

void THintWindow::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"THintWindow", nullptr, CS_SAVEBITS};
  params.style = WS_POPUP | WS_BORDER;
  params.ex_style = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.parent = nullptr;
}

void THintWindow::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:
      m.Result = HTTRANSPARENT;
      return;
    case WM_TIMER:
      return Application().HintTimerExpired();
    default:
      return TWinControl::WndProc(m);
  }
}

void THintWindow::ActivateHint(POINT p, const AnsiString& text) {
  SetColor(Application().HintColor());
  SetText(text);
  const std::wstring wide = ToWide(text);
  RECT r{0, 0, 300, 0};
  {
    const WindowDC screen(nullptr);
    const SelectedObject font(screen.get(), FontHandle());
    DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &r, kHintFormat | DT_CALCRECT);
  }
  const int width = r.right + 2 * kHintMargin + 2, height = r.bottom + 2 * kHintMargin;
  SetBounds(p.x, p.y, width, height);
  SetWindowPos(Handle(), HWND_TOPMOST, p.x, p.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  TControl::SetVisible(true);
  InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated() && Visible()) ShowWindow(WindowHandle(), SW_HIDE);
  TControl::SetVisible(false);
}

bool THintWindow::Showing() const {
  return HandleAllocated() && IsWindowVisible(WindowHandle());
}

void THintWindow::PaintWindow(HDC dc) {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  InflateRect(&r, -kHintMargin, -kHintMargin);
  const SelectedObject font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  const std::wstring text = ToWide(Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kHintFormat);
}

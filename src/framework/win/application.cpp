#include "framework/win/application.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "framework/published.h"
#include "framework/win/control_link.h"
#include "framework/win/form.h"
#include "framework/win/hint_window.h"
#include "framework/win/message_box.h"
#include "framework/win/screen.h"
#include "framework/win/wide.h"

namespace {
constexpr UINT_PTR kHintTimer = 1;
// Where the hint shows below the mouse pointer.
constexpr int kHintOffset = 20;
}  // namespace

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  FreeForms();
}

const TClassInfo& TApplication::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TApplication, TComponent>("TApplication");
  return info;
}

TApplication& Application() {
  static TApplication application;
  return application;
}

void HandleWindowException(std::exception_ptr e) {
  Application().HandleException(e);
}

void TApplication::Initialize() {
  SetDefaultLocale(locale_);
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  if (hint_window_ == nullptr) hint_window_ = new THintWindow(this);
  if (icon_.Empty()) icon_ = TWindowIcon::FromResource(GetModuleHandleW(nullptr), L"MAINICON");
}

void TApplication::SetIcon(TWindowIcon icon) {
  // The old handles go only once no window shows them any more.
  const TWindowIcon old = std::exchange(icon_, std::move(icon));
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TCustomForm* form = Screen().Forms(i);
    if (form->HandleAllocated()) icon_.AssignTo(form->WindowHandle());
  }
}

void TApplication::SetShowHint(bool show_hint) {
  show_hint_ = show_hint;
  if (!show_hint_) CancelHint();
}

void TApplication::Run() {
  if (main_form_ == nullptr) return;
  main_form_->Show();
  MSG msg;
  while (!terminated_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) break;
    ProcessMessage(msg);
  }
  terminated_ = true;
  FreeForms();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    ProcessMessage(msg);
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg) {
  NoteMouse(msg);
  if (IsKeyMsg(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

bool TApplication::IsKeyMsg(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
  CancelHint();
  auto* control = ObjectAs<TWinControl>(ControlOfWindow(msg.hwnd));
  if (control == nullptr) return false;
  TControl* form = control;
  while (form->Parent() != nullptr) form = form->Parent();
  if (msg.message == WM_SYSCHAR) return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
  // Tab and the arrows move the focus, Enter and Escape press the default and
  // cancel buttons, unless the control wants the key itself.
  std::intptr_t wants = 0;
  switch (msg.wParam) {
    case VK_TAB:
      wants = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      wants = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_ESCAPE:
      wants = DLGC_WANTALLKEYS | DLGC_WANTMESSAGE;
      break;
    default:
      return false;
  }
  if ((control->Perform(WM_GETDLGCODE, msg.wParam, reinterpret_cast<std::intptr_t>(&msg)) & wants) != 0) {
    return false;
  }
  return form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
}

// Follows the mouse across controls: CM_MOUSELEAVE and CM_MOUSEENTER as it
// moves from one to another, and the hint of the one it rests on.
void TApplication::NoteMouse(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
      break;
    case WM_MOUSELEAVE:
      return MouseLeft(msg.hwnd);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
      return CancelHint();
    default:
      return;
  }
  TControl* control = ControlOfWindow(msg.hwnd);
  // The hint window's own mouse messages say nothing of the controls.
  if (control != nullptr && control == hint_window_) return;
  if (auto* windowed = ObjectAs<TWinControl>(control)) {
    control = windowed->ControlAtPos({GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, msg.hwnd, 0};
    TrackMouseEvent(&track);
  }
  SetHintControl(control);
}

// A window reports the mouse gone also when another window (the hint) shows
// above it; only a pointer that really left takes the hint away.
void TApplication::MouseLeft(HWND wnd) {
  POINT p;
  GetCursorPos(&p);
  if (WindowFromPoint(p) != wnd) SetHintControl(nullptr);
}

void TApplication::SetHintControl(TControl* control) {
  if (control == hint_control_) return;
  if (hint_control_ != nullptr) hint_control_->Perform(CM_MOUSELEAVE);
  CancelHint();
  hint_control_ = control;
  if (control == nullptr) return;
  control->Perform(CM_MOUSEENTER);
  if (show_hint_ && control->ShowHint() && !control->Hint().empty() && hint_window_ != nullptr) {
    SetTimer(hint_window_->Handle(), kHintTimer, static_cast<UINT>(hint_pause_), nullptr);
  }
}

void TApplication::HintTimerExpired() {
  KillTimer(hint_window_->Handle(), kHintTimer);
  if (hint_control_ == nullptr) return;
  POINT p;
  GetCursorPos(&p);
  hint_window_->ActivateHint({p.x, p.y + kHintOffset}, hint_control_->Hint());
}

void TApplication::CancelHint() {
  if (hint_window_ == nullptr) return;
  if (hint_window_->HandleAllocated()) KillTimer(hint_window_->WindowHandle(), kHintTimer);
  hint_window_->ReleaseHandle();
}

void TApplication::ControlDestroying(TControl* control) {
  if (control == hint_control_) {
    CancelHint();
    hint_control_ = nullptr;
  }
  for (int i = 0; i < Screen().FormCount(); ++i) Screen().Forms(i)->ForgetControl(control);
}

void TApplication::ShowException(const std::exception& e) {
  ShowMessageBox(e.what(), title_, MB_OK | MB_ICONERROR);
}

void TApplication::HandleException(std::exception_ptr e) {
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowMessageBox("Unknown error", title_, MB_OK | MB_ICONERROR);
  }
}

void TApplication::FreeForms() {
  hint_control_ = nullptr;
  main_form_ = nullptr;
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (auto* form = ObjectAs<TCustomForm>(Components(i))) form->Free();
  }
}

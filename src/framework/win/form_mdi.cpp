// The MDI side of forms: an MDI form's client window, its children's
// windows inside it, and the frame and child default procedures.

#include "framework/win/control_link.h"
#include "framework/win/form.h"
#include "framework/win/screen.h"

namespace {

constexpr const char* kFormStyleNames[] = {"fsNormal", "fsMDIChild", "fsMDIForm"};
// Commands of the client's window-menu entries start here, clear of the
// program's menu commands.
constexpr UINT kFirstMDIChildCommand = 0xFF00;

}  // namespace

const TEnumInfo kFormStyleInfo{"TFormStyle", kFormStyleNames};

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == form_style_) return;
  form_style_ = style;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomForm::MDIChildParams(TCreateParams& params) const {
  HWND client = nullptr;
  for (int i = 0; i < Screen().FormCount() && client == nullptr; ++i) {
    const TCustomForm* form = Screen().Forms(i);
    if (form->FormStyle() == TFormStyle::fsMDIForm) client = form->ClientHandle();
  }
  if (client == nullptr) throw Exception("Cannot create form '" + Name() + "': no MDI form is shown");
  params.parent = client;
  params.style = (params.style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD | WS_CLIPSIBLINGS;
  params.ex_style |= WS_EX_MDICHILD;
}

void TCustomForm::CreateMDIClient() {
  RECT r;
  GetClientRect(WindowHandle(), &r);
  CLIENTCREATESTRUCT ccs{nullptr, kFirstMDIChildCommand};
  client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                            WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, r.right,
                            r.bottom, WindowHandle(), nullptr, GetModuleHandleW(nullptr), &ccs);
  if (client_ == nullptr) throw Exception("Error creating the MDI client of '" + Name() + "'");
  // Below and beside the form's aligned controls, not over them.
  Realign();
  // The form's menu bar is the frame menu the client merges children into.
  if (HMENU menu = GetMenu(WindowHandle())) {
    SendMessageW(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), 0);
    DrawMenuBar(WindowHandle());
  }
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (client_ == nullptr) return nullptr;
  auto active = reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0));
  return ObjectAs<TCustomForm>(ControlOfWindow(active));
}

void TCustomForm::Tile() {
  if (client_ != nullptr) SendMessageW(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void TCustomForm::Cascade() {
  if (client_ != nullptr) SendMessageW(client_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::DefaultHandler(TMessage& m) {
  HWND wnd = WindowHandle();
  if (wnd != nullptr && form_style_ == TFormStyle::fsMDIForm) {
    m.Result = DefFrameProcW(wnd, client_, m.Msg, m.WParam, m.LParam);
  } else if (wnd != nullptr && form_style_ == TFormStyle::fsMDIChild &&
             (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    m.Result = DefMDIChildProcW(wnd, m.Msg, m.WParam, m.LParam);
  } else {
    TWinControl::DefaultHandler(m);
  }
}

void TCustomForm::DestroyWnd() {
  HWND wnd = WindowHandle();
  HWND client = wnd != nullptr ? GetParent(wnd) : nullptr;
  if (client != nullptr && (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(wnd), 0);
  }
  TWinControl::DestroyWnd();
}

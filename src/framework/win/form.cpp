#include "framework/win/form.h"

#include <windowsx.h>

#include "framework/layout.h"
#include "framework/published.h"
#include "framework/win/application.h"
#include "framework/win/form_resource.h"
#include "framework/win/main_menu.h"
#include "framework/win/screen.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr const char* kPositionNames[] = {"poDesigned", "poDefault", "poScreenCenter"};

bool Focusable(const TWinControl* control) {
  return control->CanFocus() && control->HandleAllocated();
}

// Focuses the control after (or before) `current` among `candidates`, round
// past the end; the first (or the last) when `current` is not among them.
void FocusNextOf(const std::vector<TWinControl*>& candidates, TWinControl* current, bool forward) {
  if (candidates.empty()) return;
  const std::size_t n = candidates.size();
  const auto found = std::find(candidates.begin(), candidates.end(), current);
  std::size_t index = forward ? 0 : n - 1;
  if (found != candidates.end()) {
    const auto at = static_cast<std::size_t>(found - candidates.begin());
    index = forward ? (at + 1) % n : (at + n - 1) % n;
  }
  candidates[index]->SetFocus();
}
}  // namespace

const TEnumInfo kBorderIconInfo{"TBorderIcon", kBorderIconNames};
const TEnumInfo kPositionInfo{"TPosition", kPositionNames};

const TClassInfo& TSizeConstraints::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth),
      PublishInteger("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight),
  };
  static const TClassInfo info = MakeClassInfo<TSizeConstraints, TPersistent>("TSizeConstraints", properties);
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
  // The window outlives this part of the form: its menu comes off now.
  if (HandleAllocated()) menu_.WindowDestroying(WindowHandle());
  Screen().RemoveForm(this);
}

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomForm, TWinControl>("TCustomForm");
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishSet("BorderIcons", kBorderIconInfo, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
      PublishEnum("Position", kPositionInfo, &TCustomForm::Position, &TCustomForm::SetPosition),
      PublishEnum("FormStyle", kFormStyleInfo, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle),
      PublishObject("Constraints", &TCustomForm::Constraints),
      PublishObject("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
      PublishEvent("OnCreate", &TCustomForm::OnCreate, &TCustomForm::SetOnCreate),
      PublishEvent("OnDestroy", &TCustomForm::OnDestroy, &TCustomForm::SetOnDestroy),
  };
  static const TClassInfo info = MakeClassInfo<TForm, TCustomForm>("TForm", properties);
  return info;
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  border_icons_ = icons;
  RecreateWnd();
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
  const layout::Size size =
      layout::ClampToMinimum({width, height}, {constraints_->MinWidth(), constraints_->MinHeight()});
  TWinControl::SetBounds(left, top, size.cx, size.cy);
}

void TCustomForm::InitForm(const char* resource_name, const TClassRegistry& classes) {
  ReadFormResource(*this, resource_name, classes);
}

void TCustomForm::Loaded() {
  if (position_ == TPosition::poScreenCenter) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const layout::Rect r =
        layout::CentredBounds({work.left, work.top, work.right, work.bottom}, {Width(), Height()});
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
  }
  TWinControl::Loaded();
}

void TCustomForm::AdjustClientRect(layout::Rect& rect) const {
  if (HandleAllocated()) return;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  rect = {0, 0, rect.Width() - (frame.right - frame.left), rect.Height() - (frame.bottom - frame.top)};
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  window_class_name_ = ToWide(ClassName());
  params.window_class = {window_class_name_.c_str(), nullptr, CS_DBLCLKS};
  params.style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
  if (border_icons_.Contains(TBorderIcon::biSystemMenu)) params.style |= WS_SYSMENU;
  if (border_icons_.Contains(TBorderIcon::biMinimize)) params.style |= WS_MINIMIZEBOX;
  if (border_icons_.Contains(TBorderIcon::biMaximize)) params.style |= WS_MAXIMIZEBOX;
  if (Visible()) params.style |= WS_VISIBLE;
  params.parent = nullptr;
  if (form_style_ == TFormStyle::fsMDIChild) MDIChildParams(params);
}

void TCustomForm::InitializeWnd() {
  menu_.WindowCreated(WindowHandle());
  if (!Application().Icon().Empty()) Application().Icon().AssignTo(WindowHandle());
  if (form_style_ == TFormStyle::fsMDIForm) CreateMDIClient();
}

void TCustomForm::Show() {
  SetVisible(true);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  if (active_control_ == nullptr) SelectNext(nullptr, true);
}

void TCustomForm::Close() {
  if (!CloseQuery()) return;
  const bool main_form = Application().MainForm() == this;
  TCloseAction action = main_form ? TCloseAction::caFree : TCloseAction::caHide;
  if (on_close_) on_close_(this, action);
  if (action == TCloseAction::caNone) return;
  if (main_form) return Application().Terminate();
  switch (action) {
    case TCloseAction::caHide:
      return SetVisible(false);
    case TCloseAction::caMinimize:
      ShowWindow(Handle(), SW_MINIMIZE);
      return;
    default:
      return Release();
  }
}

bool TCustomForm::CloseQuery() {
  bool can_close = true;
  if (on_close_query_) on_close_query_(this, can_close);
  return can_close;
}

void TCustomForm::Free() {
  if (!destroying_) {
    destroying_ = true;
    on_destroy_(this);
  }
  TWinControl::Free();
}

void TCustomForm::Release() {
  PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::ForgetControl(TControl* control) {
  if (control == active_control_) active_control_ = nullptr;
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> candidates = TabOrderList();
  std::erase_if(candidates,
                [current](TWinControl* c) { return c != current && !(c->TabStop() && Focusable(c)); });
  FocusNextOf(candidates, current, forward);
}

void TCustomForm::WndProc(TMessage& m) {
  if (WindowHandle() != nullptr && menu_.HandleMessage(WindowHandle(), m)) return;
  switch (m.Msg) {
    case WM_DESTROY:
      menu_.WindowDestroying(WindowHandle());
      return TWinControl::WndProc(m);
    case WM_GETMINMAXINFO:
      return WmGetMinMaxInfo(m);
    case WM_CLOSE:
      return WmClose(m);
    case WM_SYSCOMMAND:
      return WmSysCommand(m);
    case WM_ACTIVATE:
      return WmActivate(m);
    case CM_DIALOGKEY:
      return CmDialogKey(m);
    case CM_DIALOGCHAR:
      return CmDialogChar(m);
    case CM_FOCUSCHANGED:
      return CmFocusChanged(m);
    case CM_RELEASE:
      return FreeAfterDispatch();
    default:
      return TWinControl::WndProc(m);
  }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == menu_.Menu()) menu_.Forget(WindowHandle());
  ForgetMenuReferences(*this, component);
}

void TCustomForm::WmGetMinMaxInfo(TMessage& m) {
  DefaultHandler(m);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  if (constraints_->MinWidth() > 0) info->ptMinTrackSize.x = constraints_->MinWidth();
  if (constraints_->MinHeight() > 0) info->ptMinTrackSize.y = constraints_->MinHeight();
}

void TCustomForm::WmSysCommand(TMessage& m) {
  // Without its maximise button the form is never maximised.
  if ((m.WParam & 0xFFF0) == SC_MAXIMIZE && !border_icons_.Contains(TBorderIcon::biMaximize)) return;
  DefaultHandler(m);
}

void TCustomForm::WmClose(TMessage&) {
  Close();
}

void TCustomForm::WmActivate(TMessage& m) {
  DefaultHandler(m);
  if (LOWORD(m.WParam) != WA_INACTIVE && active_control_ != nullptr && active_control_->CanFocus()) {
    active_control_->SetFocus();
  }
}

void TCustomForm::CmDialogKey(TMessage& m) {
  switch (m.WParam) {
    case VK_TAB:
      SelectNext(FindFocusedControl(), GetKeyState(VK_SHIFT) >= 0);
      break;
    case VK_LEFT:
    case VK_UP:
      SelectNextSibling(FindFocusedControl(), false);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      SelectNextSibling(FindFocusedControl(), true);
      break;
    case VK_RETURN:
    case VK_ESCAPE:
      // The controls say whether the key is theirs (a default or cancel button).
      for (TWinControl* c : TabOrderList()) {
        if (c->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0) {
          m.Result = 1;
          return;
        }
      }
      return;
    default:
      return;
  }
  m.Result = 1;
}

void TCustomForm::SelectNextSibling(TWinControl* current, bool forward) {
  auto* parent = current != nullptr ? ObjectAs<TWinControl>(current->Parent()) : nullptr;
  if (parent == nullptr) return;
  std::vector<TWinControl*> siblings = parent->TabSiblings();
  std::erase_if(siblings, [current](TWinControl* c) { return c != current && !Focusable(c); });
  FocusNextOf(siblings, current, forward);
}

void TCustomForm::CmDialogChar(TMessage& m) {
  for (TWinControl* c : TabOrderList()) {
    if (c->CanFocus() && c->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0) {
      m.Result = 1;
      return;
    }
  }
}

void TCustomForm::CmFocusChanged(TMessage& m) {
  active_control_ = reinterpret_cast<TWinControl*>(m.LParam);
  for (TWinControl* c : TabOrderList()) c->Perform(CM_FOCUSCHANGED, m.WParam, m.LParam);
}

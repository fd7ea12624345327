#include "framework/win/win_control.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/published.h"
#include "framework/scoped_value.h"
#include "framework/win/application.h"
#include "framework/win/control_link.h"
#include "framework/win/font_handle.h"
#include "framework/win/graphic_control.h"
#include "framework/win/mouse_message.h"
#include "framework/win/popup_menu.h"
#include "framework/win/wide.h"
#include "framework/win/window_proc.h"

namespace {

layout::AlignTo ToLayout(TAlign align) {
  switch (align) {
    case TAlign::alTop:
      return layout::AlignTo::Top;
    case TAlign::alBottom:
      return layout::AlignTo::Bottom;
    case TAlign::alLeft:
      return layout::AlignTo::Left;
    case TAlign::alRight:
      return layout::AlignTo::Right;
    case TAlign::alClient:
      return layout::AlignTo::Client;
    default:
      return layout::AlignTo::None;
  }
}

layout::Anchors ToLayout(TAnchors anchors) {
  return {anchors.Contains(TAnchorKind::akLeft), anchors.Contains(TAnchorKind::akTop),
          anchors.Contains(TAnchorKind::akRight), anchors.Contains(TAnchorKind::akBottom)};
}

layout::Rect BoundsOf(const TControl& c) {
  return layout::Bounds(c.Left(), c.Top(), c.Width(), c.Height());
}

// The child window that sent a notification, from the message's arguments.
HWND NotifyingChild(HWND parent, const TMessage& m) {
  switch (m.Msg) {
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
      return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_DELETEITEM:
      return reinterpret_cast<const DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_COMPAREITEM:
      return reinterpret_cast<const COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
    default:
      return reinterpret_cast<HWND>(m.LParam);
  }
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Only a control that was not deleted still has them here.
  Application().ControlDestroying(this);
  DestroyWnd();
}

void TWinControl::BeforeDestruction() noexcept {
  Application().ControlDestroying(this);
  DestroyWnd();
  TControl::BeforeDestruction();
}

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("PopupMenu", &TWinControl::PopupMenu, &TWinControl::SetPopupMenu),
  };
  static const TClassInfo info = MakeClassInfo<TWinControl, TControl>("TWinControl", properties);
  return info;
}

HWND TWinControl::Handle() {
  if (handle_ == nullptr) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = ToWide(Caption());
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (TabStop()) params.style |= WS_TABSTOP;
  if (auto* parent = ObjectAs<TWinControl>(Parent())) params.parent = parent->Handle();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  // Making the parent's window made its children's, this one's among them.
  if (handle_ != nullptr) return;
  if ((params.style & WS_CHILD) && params.parent == nullptr) {
    throw Exception("Control '" + Name() + "' has no parent window");
  }
  default_proc_ = RegisterWindowClass(params.window_class);
  CREATESTRUCTW cs{};
  cs.lpszName = params.caption.c_str();
  cs.style = static_cast<LONG>(params.style);
  cs.dwExStyle = params.ex_style;
  cs.x = Left();
  cs.y = Top();
  cs.cx = Width();
  cs.cy = Height();
  cs.hwndParent = params.parent;
  if (CreateControlWindow(this, params.window_class, cs) == nullptr) {
    throw Exception("Error creating window of '" + Name() + "'");
  }
  // The system puts a new child window below its siblings; a control listed
  // later is above the ones before it.
  if (params.style & WS_CHILD)
    SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
  InitializeWnd();
  CreateChildHandles();
  Realign();
}

void TWinControl::CreateChildHandles() {
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* child = ObjectAs<TWinControl>(Controls(i))) child->HandleNeeded();
  }
}

void TWinControl::DestroyWnd() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

void TWinControl::RecreateWnd() {
  if (handle_ == nullptr) return;
  Perform(CM_RECREATEWND);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // The stored places of the children are relative to this client size.
  const layout::Rect client = ClientRect();
  aligned_size_ = {client.Width(), client.Height()};
}

void TWinControl::AttachHandle(HWND wnd) {
  handle_ = wnd;
}

void TWinControl::Dispatched(TMessage& m) {
  if (m.Msg != WM_NCDESTROY || handle_ == nullptr) return;
  UnlinkControl(handle_);
  handle_ = nullptr;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (handle_ == nullptr) return;
  m.Result = CallWindowProcW(default_proc_, handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      return m.LParam != 0 ? ReflectToChild(m, reinterpret_cast<HWND>(m.LParam)) : DefaultHandler(m);
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return ReflectToChild(m, NotifyingChild(handle_, m));
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX:
      return CnCtlColor(m);
    case WM_PAINT:
      return WmPaint(m);
    case WM_ERASEBKGND:
      return WmEraseBkgnd(m);
    case WM_SIZE:
      return WmSize(m);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return WmMouse(m);
    case WM_SETCURSOR:
      return WmSetCursor(m);
    case WM_SETFOCUS:
      return WmSetFocus(m);
    case WM_KILLFOCUS:
      return WmKillFocus(m);
    case WM_CONTEXTMENU:
      if (ShowContextMenu(popup_menu_, this, handle_, m.LParam)) return;
      return DefaultHandler(m);
    case CM_RECREATEWND:
      return DestroyWnd(), CreateWnd();
    default:
      return DefaultHandler(m);
  }
}

void TWinControl::ReflectToChild(TMessage& m, HWND child) {
  TControl* control = child != handle_ ? ControlOfWindow(child) : nullptr;
  if (control == nullptr) return DefaultHandler(m);
  m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
}

void TWinControl::CnCtlColor(TMessage& m) {
  const HDC dc = reinterpret_cast<HDC>(m.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  m.Result = reinterpret_cast<LRESULT>(BrushHandle());
}

void TWinControl::WmPaint(TMessage& m) {
  if (!OwnClass() || m.WParam != 0) return DefaultHandler(m);
  const PaintScope paint(handle_);
  PaintWindow(paint.dc());
  PaintControls(paint.dc());
}

void TWinControl::PaintControls(HDC dc) {
  for (int i = 0; i < ControlCount(); ++i) {
    auto* graphic = ObjectAs<TGraphicControl>(Controls(i));
    if (graphic == nullptr || !graphic->Visible()) continue;
    const RECT r{graphic->Left(), graphic->Top(), graphic->Left() + graphic->Width(),
                 graphic->Top() + graphic->Height()};
    if (!RectVisible(dc, &r)) continue;
    const SavedDC saved(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    graphic->Perform(WM_PAINT, reinterpret_cast<std::uintptr_t>(dc));
  }
}

void TWinControl::WmEraseBkgnd(TMessage& m) {
  if (!OwnClass()) return DefaultHandler(m);
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, BrushHandle());
  m.Result = 1;
}

void TWinControl::WmSize(TMessage& m) {
  DefaultHandler(m);
  if (Parent() == nullptr && !IsIconic(handle_)) {
    RECT r;
    GetWindowRect(handle_, &r);
    // A form inside another window (an MDI child) is placed in its client.
    if (HWND owner = GetAncestor(handle_, GA_PARENT);
        owner != nullptr && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
      MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&r), 2);
    TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  Realign();
}

void TWinControl::WmMouse(TMessage& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TControl* target = captured_ != nullptr ? captured_ : ControlAtPos(p);
  if (target == this) {
    DefaultHandler(m);
    if (Enabled()) DispatchMouse(*this, m);
    return;
  }
  if (m.Msg == WM_LBUTTONDOWN) {
    captured_ = target;
    SetCapture(handle_);
  }
  const LPARAM moved = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
  const auto pass = [&] { m.Result = target->Perform(m.Msg, m.WParam, moved); };
  if (m.Msg != WM_LBUTTONUP || captured_ == nullptr) return pass();
  // The press ends however the click's handlers end.
  TryFinally(pass, [this] {
    captured_ = nullptr;
    ReleaseCapture();
  });
}

void TWinControl::WmSetCursor(TMessage& m) {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(handle_, &p);
  auto* graphic = ObjectAs<TGraphicControl>(captured_ != nullptr ? captured_ : ControlAtPos(p));
  if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT && graphic != nullptr &&
      graphic->Cursor() != nullptr) {
    SetCursor(graphic->Cursor());
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TWinControl::WmSetFocus(TMessage& m) {
  DefaultHandler(m);
  Perform(CM_ENTER);
  TControl* form = this;
  while (form->Parent() != nullptr) form = form->Parent();
  form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(this));
}

void TWinControl::WmKillFocus(TMessage& m) {
  DefaultHandler(m);
  Perform(CM_EXIT);
}

void TWinControl::SetParent(TControl* parent) {
  if (parent == Parent()) return;
  if (parent != nullptr && !::InheritsFrom<TWinControl>(parent)) {
    throw EComponentError("The parent of '" + Name() + "' must be a windowed control");
  }
  TControl* old = Parent();
  TControl::SetParent(parent);
  // A control joins its new siblings last in tab order; the ones it left
  // close the gap.
  if (auto* o = ObjectAs<TWinControl>(old)) o->RenumberTabOrder(o->TabSiblings());
  if (auto* p = ObjectAs<TWinControl>(parent)) {
    std::vector<TWinControl*> siblings = p->TabSiblings();
    std::erase(siblings, this);
    siblings.push_back(this);
    p->RenumberTabOrder(siblings);
  }
  if (handle_ != nullptr) {
    if (auto* p = ObjectAs<TWinControl>(parent); p != nullptr && p->HandleAllocated()) {
      ::SetParent(handle_, p->Handle());
    } else {
      DestroyWnd();
    }
  } else if (auto* p = ObjectAs<TWinControl>(parent); p != nullptr && p->HandleAllocated()) {
    HandleNeeded();
  }
  if (auto* o = ObjectAs<TWinControl>(old)) o->Realign();
  if (auto* p = ObjectAs<TWinControl>(parent)) p->Realign();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  const bool moved = resized || left != Left() || top != Top();
  TControl::SetBounds(left, top, width, height);
  if (Loading()) return;
  if (!moved) return;
  if (handle_ != nullptr) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (resized) {
    Realign();
  }
  auto* parent = ObjectAs<TWinControl>(Parent());
  if (parent != nullptr && Align() != TAlign::alNone && !parent->aligning_) parent->Realign();
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (handle_ != nullptr) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
  Perform(CM_VISIBLECHANGED, visible);
  if (auto* parent = ObjectAs<TWinControl>(Parent()); parent != nullptr && Align() != TAlign::alNone) {
    parent->Realign();
  }
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TControl::SetEnabled(enabled);
  if (handle_ != nullptr) EnableWindow(handle_, enabled);
  Perform(CM_ENABLEDCHANGED);
}

void TWinControl::SetText(std::string_view text) {
  TControl::SetText(text);
  if (handle_ != nullptr) SetWindowTextW(handle_, ToWide(text).c_str());
  Perform(CM_TEXTCHANGED);
}

void TWinControl::SetColor(TColor color) {
  TControl::SetColor(color);
  brush_.reset();
  Perform(CM_COLORCHANGED);
  Invalidate();
}

void TWinControl::SetAlign(TAlign align) {
  TControl::SetAlign(align);
  if (auto* parent = ObjectAs<TWinControl>(Parent()); parent != nullptr && !Loading()) parent->Realign();
}

void TWinControl::FontChanged() {
  font_handle_.reset();
  if (handle_ != nullptr) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
  }
  Perform(CM_FONTCHANGED);
  TControl::FontChanged();
}

HFONT TWinControl::FontHandle() {
  if (!font_handle_) font_handle_ = CreateFontHandle(*Font());
  return font_handle_.get();
}

HBRUSH TWinControl::BrushHandle() {
  if (!brush_) brush_.reset(CreateSolidBrush(ColorToRGB(Color())));
  return brush_.get();
}

AnsiString TWinControl::WindowText() const {
  if (handle_ == nullptr) return Text();
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()))));
  return FromWide(text);
}

bool TWinControl::Focused() const {
  return handle_ != nullptr && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c != nullptr; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

void TWinControl::SetFocus() {
  ::SetFocus(Handle());
}

void TWinControl::Invalidate() {
  if (handle_ != nullptr) InvalidateRect(handle_, nullptr, TRUE);
}

layout::Rect TWinControl::ClientRect() const {
  layout::Rect r{0, 0, Width(), Height()};
  if (handle_ != nullptr) {
    RECT c;
    GetClientRect(handle_, &c);
    r = {0, 0, c.right, c.bottom};
  }
  AdjustClientRect(r);
  return r;
}

void TWinControl::Realign() {
  if (aligning_ || Loading()) return;
  const ScopedValue aligning(aligning_, true);
  const layout::Rect client = ClientRect();
  const layout::Size size{client.Width(), client.Height()};
  std::vector<TControl*> children;
  std::vector<layout::AlignItem> items;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    layout::Rect bounds = BoundsOf(*child);
    if (child->Align() == TAlign::alNone && !(aligned_size_ == size) && aligned_size_.cx > 0) {
      bounds = layout::AnchorBounds(bounds, ToLayout(child->Anchors()), aligned_size_.cx, aligned_size_.cy,
                                    size.cx, size.cy);
    }
    children.push_back(child);
    items.push_back({ToLayout(child->Align()), child->Visible(), bounds});
  }
  aligned_size_ = size;
  const HWND rest = AlignedClientWindow();
  if (rest != nullptr) items.push_back({ToLayout(TAlign::alClient), true, client});
  layout::AlignItems(client, items);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const layout::Rect& r = items[i].bounds;
    if (!(r == BoundsOf(*children[i]))) children[i]->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  }
  if (rest != nullptr) {
    const layout::Rect& r = items.back().bounds;
    SetWindowPos(rest, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
}

TControl* TWinControl::ControlAtPos(POINT p) {
  for (int i = ControlCount() - 1; i >= 0; --i) {
    auto* graphic = ObjectAs<TGraphicControl>(Controls(i));
    if (graphic != nullptr && graphic->Visible() && p.x >= graphic->Left() &&
        p.x < graphic->Left() + graphic->Width() && p.y >= graphic->Top() &&
        p.y < graphic->Top() + graphic->Height()) {
      return graphic;
    }
  }
  return this;
}

std::vector<TWinControl*> TWinControl::TabSiblings() const {
  std::vector<TWinControl*> list;
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* child = ObjectAs<TWinControl>(Controls(i))) list.push_back(child);
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  return list;
}

void TWinControl::SetTabOrder(int tab_order) {
  auto* parent = ObjectAs<TWinControl>(Parent());
  if (parent == nullptr) return TControl::SetTabOrder(tab_order);
  std::vector<TWinControl*> siblings = parent->TabSiblings();
  std::erase(siblings, this);
  const auto count = static_cast<int>(siblings.size());
  const int at = tab_order < 0 || tab_order > count ? count : tab_order;
  siblings.insert(siblings.begin() + at, this);
  parent->RenumberTabOrder(siblings);
}

void TWinControl::RenumberTabOrder(const std::vector<TWinControl*>& children) {
  for (std::size_t i = 0; i < children.size(); ++i) children[i]->TControl::SetTabOrder(static_cast<int>(i));
}

std::vector<TWinControl*> TWinControl::TabOrderList() {
  std::vector<TWinControl*> list;
  for (TWinControl* child : TabSiblings()) {
    list.push_back(child);
    for (TWinControl* inner : child->TabOrderList()) list.push_back(inner);
  }
  return list;
}

TWinControl* FindFocusedControl() {
  return ObjectAs<TWinControl>(ControlOfWindow(GetFocus()));
}

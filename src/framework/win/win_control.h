#pragma once
// A control that wraps a real window. Its properties live in the portable
// TControl; this class carries each change to the window, creates the window
// when first needed (parents first) and routes every message of it through
// the replaceable WindowProc. Notifications that the window gets from a child
// window (WM_COMMAND, WM_NOTIFY, drawing, scrolling and colour messages) are
// sent on to that child's control as CN_ messages.

#include "framework/win/win_api.h"

#include <functional>
#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/layout.h"
#include "framework/messages.h"
#include "framework/win/gdi.h"
#include "framework/win/window_class.h"

class TPopupMenu;

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The window, created (with its parents') when there is none yet.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  HWND WindowHandle() const { return handle_; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and creates it again with the current properties.
  void RecreateWnd();

  void SetParent(TControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetText(std::string_view text) override;
  void SetColor(TColor color) override;
  void SetAlign(TAlign align) override;
  // The place among the windowed siblings: 0 first; the others move up or
  // down so that the places stay 0, 1, 2, ... (out of range: last).
  void SetTabOrder(int tab_order) override;

  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();
  void Invalidate();

  // The part of the window its children share, in client coordinates.
  layout::Rect ClientRect() const;
  // Places the aligned children and moves the anchored ones.
  void Realign();
  // The control that the mouse reaches at a client point: a windowless child
  // there, else this control.
  TControl* ControlAtPos(POINT client_point);
  // Every windowed descendant that takes the focus by Tab, in tab order.
  std::vector<TWinControl*> TabOrderList();
  // The windowed children in tab order.
  std::vector<TWinControl*> TabSiblings() const;

  // Shown on a context-menu request (right click, the menu key).
  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu) { popup_menu_ = menu; }

  HFONT FontHandle();
  HBRUSH BrushHandle();

  // A windowless child is going: it no longer holds the mouse.
  void ControlDestroying(TControl* control) {
    if (control == captured_) captured_ = nullptr;
  }

  // Called by the framework's window procedure as the window comes.
  void AttachHandle(HWND wnd);

 protected:
  struct TCreateParams {
    TWindowClass window_class{L"TWinControl", nullptr, CS_DBLCLKS};
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    DWORD ex_style = 0;
    std::wstring caption;
    HWND parent = nullptr;
  };
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The window goes while the whole control still exists, its last messages
  // passing every handler.
  void BeforeDestruction() noexcept override;
  // Lets the window go after its last message passed the whole chain.
  void Dispatched(TMessage& message) override;
  // After the window exists: what the window needs beyond its styles.
  virtual void InitializeWnd() {}
  void WndProc(TMessage& message) override;
  // The handling of the system class this control extends.
  virtual void DefaultHandler(TMessage& message);
  bool OwnClass() const { return default_proc_ == DefWindowProcW; }
  // Inner border of the client area (bevels of a panel).
  virtual void AdjustClientRect(layout::Rect& rect) const { (void)rect; }
  // A window of the control's own (not a control) that takes the area the
  // aligned children leave, as an MDI form's client does; null for none.
  virtual HWND AlignedClientWindow() const { return nullptr; }
  // Painting of a window of an own class, before the windowless children.
  virtual void PaintWindow(HDC dc) { (void)dc; }
  void FontChanged() override;
  void Loaded() override;
  // The window's text as the program's text.
  AnsiString WindowText() const;
  // Stores a text that the window changed by itself.
  void SyncText(const AnsiString& text) { TControl::SetText(text); }

 private:
  void ReflectToChild(TMessage& message, HWND child);
  void WmPaint(TMessage& message);
  void WmEraseBkgnd(TMessage& message);
  void WmSize(TMessage& message);
  void WmMouse(TMessage& message);
  void WmSetCursor(TMessage& message);
  void WmSetFocus(TMessage& message);
  void WmKillFocus(TMessage& message);
  void CnCtlColor(TMessage& message);
  void PaintControls(HDC dc);
  // Gives the children the places 0, 1, 2, ... in the given order.
  static void RenumberTabOrder(const std::vector<TWinControl*>& children);
  void CreateChildHandles();
  bool Loading() const { return HasState(TComponentStateFlag::csLoading); }

  // The window and its class.
  HWND handle_ = nullptr;
  WNDPROC default_proc_ = DefWindowProcW;

  // GDI objects made from the font and colour properties.
  UniqueFont font_handle_;
  UniqueBrush brush_;

  // Layout: the client size at the last alignment (anchors follow the change
  // from it) and whether an alignment is running.
  layout::Size aligned_size_;
  bool aligning_ = false;

  // The windowless child that holds the mouse while a button is down.
  TControl* captured_ = nullptr;

  TPopupMenu* popup_menu_ = nullptr;  // not owned
};

// The windowed control of a form that holds the keyboard focus, if any.
TWinControl* FindFocusedControl();

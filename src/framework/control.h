#pragma once
// The portable half of a visible control: placement, parent and children,
// texts, colour and font, as published properties. It keeps the values only;
// windowed controls derive from it and override the virtual setters and the
// change hooks to carry each change to their window (calling the base first
// so the stored value stays the one properties read back).
//
// A control's parent frees its child controls with itself; a child freed
// first leaves its parent. A child whose ParentFont is on follows its
// parent's font; setting any font property switches ParentFont off.

#include <functional>
#include <memory>
#include <vector>

#include "framework/colors.h"
#include "framework/component.h"
#include "framework/font.h"
#include "framework/messages.h"
#include "framework/set.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
extern const TEnumInfo kAlignInfo;

enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
extern const TEnumInfo kAnchorKindInfo;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Keys and buttons held during a mouse or key event; ssDouble marks a
// double click.
enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
// Mouse events, set in code: the sender, the button (for presses), the
// shift state and the point in the control's client coordinates.
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TWndMethod = std::function<void(TMessage&)>;

class TWindowProcHook;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Every message of the control passes through WindowProc, which sits in
  // front of the control's own handling (WndProc): code may save it, put a
  // handler of its own in its place that passes on to the saved one, and put
  // the saved one back (TWindowProcHook does both).
  TWndMethod WindowProc;
  // Sends a message through WindowProc and answers its result.
  std::intptr_t Perform(unsigned msg, std::uintptr_t wparam = 0, std::intptr_t lparam = 0);
  // Passes a message through WindowProc: Perform and the framework's window
  // procedure both come here.
  void Dispatch(TMessage& message);

  TControl* Parent() const { return parent_; }
  virtual void SetParent(TControl* parent);
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);

  TAlign Align() const { return align_; }
  virtual void SetAlign(TAlign align) { align_ = align; }
  TAnchors Anchors() const { return anchors_; }
  virtual void SetAnchors(TAnchors anchors) { anchors_ = anchors; }
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible) { visible_ = visible; }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Caption and Text are one text under two names; classes publish the one
  // the platform gives them (buttons and labels Caption, edits Text).
  const AnsiString& Caption() const { return text_; }
  void SetCaption(std::string_view caption) { SetText(caption); }
  const AnsiString& Text() const { return text_; }
  virtual void SetText(std::string_view text) { text_ = AnsiString(text); }

  const AnsiString& Hint() const { return hint_; }
  virtual void SetHint(std::string_view hint) { hint_ = AnsiString(hint); }
  bool ShowHint() const { return show_hint_; }
  virtual void SetShowHint(bool show_hint) { show_hint_ = show_hint; }
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color) { color_ = color; }
  TFont* Font() const { return font_.get(); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);
  int TabOrder() const { return tab_order_; }
  virtual void SetTabOrder(int tab_order) { tab_order_ = tab_order; }
  bool TabStop() const { return tab_stop_; }
  virtual void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }

  const TNotifyEvent& OnClick() const { return on_click_; }
  void SetOnClick(TNotifyEvent handler) { on_click_ = std::move(handler); }
  // Runs OnClick with this control as the sender.
  virtual void Click();

  void SetOnMouseDown(TMouseEvent handler) { on_mouse_down_ = std::move(handler); }
  void SetOnMouseUp(TMouseEvent handler) { on_mouse_up_ = std::move(handler); }
  void SetOnMouseMove(TMouseMoveEvent handler) { on_mouse_move_ = std::move(handler); }
  // What a press, a release or a move of the mouse does; the base runs the
  // event. The window layer calls them, and so may code that handles the
  // mouse messages itself (a skin that keeps a press from the window).
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

 protected:
  // The control's own handling of a message, behind WindowProc.
  virtual void WndProc(TMessage& message) { (void)message; }
  // After a message passed through the whole WindowProc chain.
  virtual void Dispatched(TMessage& message) { (void)message; }
  // Frees the control once every message now passing through WindowProc has
  // returned, so that no handler of the chain (the control's or one hooked in
  // front of it) runs on a freed object; at once when none is.
  void FreeAfterDispatch();
  // Hooks on WindowProc are released here, after the derived classes'
  // last messages.
  void BeforeDestruction() noexcept override;
  // After the font changed, by a property or by following the parent; the
  // base passes it on to the children that follow this font.
  virtual void FontChanged();

 private:
  friend class TWindowProcHook;
  void FollowParentFont();
  void FinishDispatch(TMessage& message);

  TControl* parent_ = nullptr;
  std::vector<TControl*> controls_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
  bool visible_ = true;
  bool enabled_ = true;
  AnsiString text_;
  AnsiString hint_;
  bool show_hint_ = false;
  TColor color_ = clBtnFace;
  std::unique_ptr<TFont> font_;
  bool parent_font_ = true;
  bool following_parent_ = false;
  int tab_order_ = -1;
  bool tab_stop_ = false;
  TNotifyEvent on_click_;
  TMouseEvent on_mouse_down_;
  TMouseEvent on_mouse_up_;
  TMouseMoveEvent on_mouse_move_;
  std::vector<TWindowProcHook*> window_proc_hooks_;  // in the order they hooked
  int dispatching_ = 0;                              // messages on their way through WindowProc
  bool free_after_dispatch_ = false;
};

#pragma once
// The base of every control skin: it sits in front of one control's messages,
// lets the control do its own work and paints the skinned look over it (or
// instead of it). A framework control is taken over through its WindowProc, a
// bare window through its window procedure; Detach gives back exactly what
// was taken. While switched off by SKM_SKINENABLE every message passes on
// untouched, so the control looks and behaves natively.
//
// The skin never reports a failure: its own painting is guarded where it is
// called. Messages the control handles itself pass through unguarded, so the
// application's exceptions reach the application as they would unskinned.

#include "framework/win/win_api.h"

#include <cstdint>
#include <exception>
#include <string>

#include "framework/component.h"
#include "framework/messages.h"
#include "framework/window_proc_hook.h"
#include "skin/controls/header_geometry.h"
#include "skin/data/image/image.h"
#include "skin/windows/win/win_subclass.h"

class TControl;
class TDataSkinObject;
class TImageList;
class TSkinData;
class TWinControl;
class TWinSkinForm;

enum class TSkinState : std::int32_t { ssNew = 0, ssAttached = 1, ssDetached = 2, ssWindowGone = 6 };

class TSkinControl : public TComponent {
 public:
  // The owner is the framework control to skin, or (for a bare window)
  // whatever keeps the skin object.
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;

  // Skins the framework control that owns this object; a second call is
  // ignored. With `change_color` the control shows the skin's face colour
  // (and no parent background) until Detach.
  virtual void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color);
  virtual void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form);
  // Undoes what the attach did: colours, then the WindowProc, then the
  // window procedure.
  virtual void Detach();
  // A new skin was loaded into the skin data.
  virtual void SkinChanged();

  void SkinWndProc(TMessage& message);
  void CallDefault(TMessage& message);
  void Redraw();
  void NotifyMouseLeave();

  HWND Handle() const { return handle_; }
  TControl* Control() const { return control_; }
  TWinSkinForm* Form() const { return form_; }
  TSkinData* SkinData() const { return data_; }
  bool Active() const { return active_; }
  TSkinState SkinState() const { return state_; }
  const RECT& WindowRect() const { return window_rect_; }
  std::uint8_t MouseState() const { return mouse_state_; }

 protected:
  // True: the control's own handling runs next, then AfterMessage. False: the
  // message is handled and its result stands.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);
  // The whole window, frame included, through DrawSkin; a DC of 0 paints on
  // the window's own DC.
  virtual void PaintWindow(HDC dc);
  // `rect` is the window rectangle moved to the origin.
  virtual void DrawSkin(HDC dc, const RECT& rect);

  // Skin colours (ButtonFace, ButtonText, ButtonShadow ...) as GDI colours.
  COLORREF SkinColour(int slot) const;
  void FillSkinColor(HDC dc, const RECT& rect) const;
  // The parent control's Color, or `fallback` without one.
  COLORREF GetParentColor(COLORREF fallback) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  unsigned TextFlags(unsigned flags) const;
  virtual HFONT CaptionFont() const;

  // Frame `frame` (1-based) of `frame_count` of an element at rect's size.
  void DrawElementFrame(HDC dc, const RECT& rect, int frame_count, int frame,
                        const TDataSkinObject& element) const;
  // Frame `frame` of a horizontal strip, stretched to rect, fuchsia left out.
  void DrawStripFrame(HDC dc, const RECT& rect, int frame_count, int frame, const TSkinBitmap& strip) const;
  // WM_PAINT for skins that draw everything themselves: the control's own
  // painting does not run.
  void PaintMessage(TMessage& message);
  // WM_ERASEBKGND for controls that show their parent through.
  void EraseToParent(TMessage& message);
  // The caption centred vertically in rect (`alignment` DT_LEFT, DT_CENTER or
  // DT_RIGHT), in the shadow colour when disabled.
  void DrawCaption(HDC dc, const RECT& rect, unsigned alignment, bool enabled, std::wstring_view text) const;
  // A label of image and text in rect (a header item, a button-like tab):
  // placed by alignment, ending in an ellipsis when too long, in the skin's
  // WindowText colour when it gives one (else the DC's), in the DC's font
  // made plain. Without an image list or with an index of -1 only the text.
  void DrawImageCaption(HDC dc, const RECT& rect, THeaderAlign alignment, std::wstring_view text,
                        int image_index, const TImageList* images) const;
  // A focus rectangle around Caption as DrawText would put it in rect.
  void DrawFocusFrame(HDC dc, unsigned flags, const RECT& rect) const;
  // Hands a press to the control's MouseDown, as the window would have.
  void ForwardMouseDown(const TMessage& message);
  void SetParentBackground(bool attaching);
  // The control's visible child graphic controls (labels and the like) into
  // dc, for skins that repaint a container's whole client area.
  void PaintGraphicChildren(HDC dc) const;

  // Refreshes Enabled, Focused and Caption from the window and the control.
  void ReadWindowState();
  void SetSkinState(TSkinState state) { state_ = state; }
  // Skins a windowless control: its WindowProc is hooked, Handle stays null
  // (the parent's window is not this object's) and Detach repaints nothing.
  void AttachGraphic(TWinSkinForm* form, TSkinData& data, TControl& control);

  // Off for skins that only recolour a control that paints itself: the
  // control's messages then never pass through the skin.
  bool hooks_control_ = true;

  std::uint8_t mouse_state_ = 0;
  bool enabled_ = true;
  bool focused_ = false;
  std::wstring caption_;
  // A per-class mode word; the base sets 1 when it switched ParentBackground off.
  int variant_ = 0;

 private:
  void Unhook();
  // Runs the skin's own handling; a failure of it is dropped, while an
  // exception of the control's own handling (through CallDefault) goes on.
  template <class F>
  void Guarded(F&& work);

  TSkinData* data_ = nullptr;
  TWinSkinForm* form_ = nullptr;
  HWND handle_ = nullptr;
  TControl* control_ = nullptr;
  TWindowProcHook control_hook_;
  TWindowHook window_hook_;
  RECT window_rect_{};
  bool active_ = true;
  bool attached_ = false;
  bool change_color_ = false;
  bool parent_background_cleared_ = false;
  TColor saved_color_ = 0;
  TSkinState state_ = TSkinState::ssNew;
  std::exception_ptr control_failure_;
  int guard_depth_ = 0;
  unsigned forwards_ = 0;  // messages passed on, to tell whether a failed skin did
};

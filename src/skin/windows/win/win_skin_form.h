#pragma once
// TWinSkinForm: the skin of one top-level window (a framework form, a system
// dialog, an MDI parent or child). It replaces the system frame by the skin's
// borders, keeps the client size while doing so, paints the title with the
// caption text and buttons, gives the window a region cut from the borders'
// transparent pixels, follows the active, maximised and minimised states,
// keeps the skin objects of the window's controls, and gives every change
// back when it detaches.
//
// Geometry and decisions are plain functions (frame_geometry.h,
// caption_text.h, caption_buttons.h); this class gathers the window's state,
// calls them, and blits.

#include "framework/win/win_api.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "framework/component.h"
#include "framework/window_proc_hook.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/caption_buttons.h"
#include "skin/windows/frame_geometry.h"
#include "skin/windows/win/form_control_skins.h"
#include "skin/windows/win/win_subclass.h"

class TCustomForm;
class TNCObject;
class TWinSysButton;
class TWinSkinMenu;
class TSkinSystemMenu;
class TFrameworkMenuSkin;

enum class TMdiRole { mrNone = 0, mrParent = 1, mrChild = 2 };

class TWinSkinForm final : public TComponent {
 public:
  // Owned by the framework form when there is one.
  TWinSkinForm(TCustomForm* form, HWND window, AnsiString class_name);
  ~TWinSkinForm() override;

  // Set-up, as the manager calls it.
  void AttachToForm(TSkinData& data, TCustomForm& form);
  void AttachToWindow(TSkinData& data);
  // Gives the window back completely: procedure, styles, size, region, menu.
  void Detach();
  // The window is being destroyed: only what must not outlive it.
  void QuickDetach();
  // The skin component is replacing its records: caption buttons go.
  void ReloadSkinData();
  // Frame metrics and caption buttons from the skin, frame repainted.
  void RefreshSkin();
  void ReapplyToControls();
  // Control skins: an attaching object joins the list once (true when it was
  // in it already); a freed one leaves it.
  bool AddControlSkin(TSkinControl& skin);
  void RemoveControlSkin(TSkinControl& skin);
  // A window made inside this one after the set-up (a size grip).
  void MapWindow(HWND window);
  void MdiMaximisedChanged(bool maximised);
  // Whether the MDI client's active child is shown maximised (MDI parent only).
  bool ActiveMdiChildMaximised() const;

  // How often the hover-and-hint timer runs while the window is active.
  static constexpr UINT kTimerInterval = 250;

  HWND Window() const { return window_; }
  // The framework form, or null for a foreign window.
  TCustomForm* Form() const { return form_; }
  TSkinData* SkinData() const { return data_; }
  TMdiRole MdiRole() const { return mdi_role_; }
  TFormLifeState LifeState() const { return life_; }
  bool Active() const { return active_; }
  bool RightToLeft() const { return right_to_left_; }
  TShowState ShowState() const { return show_state_; }
  const TFrameMetrics& Metrics() const { return metrics_; }
  // Screen point to this window's coordinates.
  POINT ToWindow(POINT screen_point) const;

  // The hot non-client object (caption or menu-bar button), if any.
  TNCObject* HotObject() const { return hot_; }
  void SetHotObject(TNCObject* object) { hot_ = object; }
  void ResetHint();
  // Repaints only the title band (a caption button changed state).
  void PaintTitle();
  // Repaints a maximised MDI child's button on the menu bar in its state.
  void PaintMenuBarButton(const TWinSysButton& button);
  // Runs a caption button's action.
  void RunCaptionAction(const TWinSysButton& button, POINT screen_point);
  void SetPopupTracking(bool tracking) { popup_tracking_ = tracking; }
  // The skinned system menu at the point; a second request within the
  // double-click time closes the window instead, when a caption button made it.
  void OpenSystemMenu(POINT screen_point, bool from_caption_button);

 private:
  // Message handling, decoded once.
  void WndProc(TMessage& m);
  void FormWndProc(TMessage& m);
  bool FrameHandled(TMessage& m);
  void WmNcCalcSize(TMessage& m);
  void WmNcHitTest(TMessage& m);
  void WmNcPaint(TMessage& m);
  void WmNcActivate(TMessage& m);
  void WmNcMouseMove(TMessage& m);
  void WmNcLButtonDown(TMessage& m);
  void WmNcLButtonUp(TMessage& m);
  void WmNcLButtonDblClk(TMessage& m);
  void WmNcRButtonDown(TMessage& m);
  void WmSize(TMessage& m);
  void WmSysCommand(TMessage& m);
  void WmCommand(TMessage& m);
  void WmTimer(TMessage& m);
  void WmEraseBkgnd(TMessage& m);
  void WmCtlColor(TMessage& m);
  void WmMeasureItem(TMessage& m);
  void WmDrawItem(TMessage& m);
  void CmMenuChanged(TMessage& m);
  void WmNcDestroy(TMessage& m);
  void FormSetText(TMessage& m);

  // The MDI client of an MDI parent, whose messages the parent's skin follows.
  void BecomeMdiParent(HWND client);
  void UnhookMdiClient();
  void MdiClientProc(TMessage& m);
  // The MDI client's active child, and whether it is maximised.
  HWND ActiveMdiChild(bool& maximised) const;
  void MdiChildDestroyed();
  void MdiChildStart();
  // A menu given to the window after the set-up becomes the skinned bar's.
  void TakeMenu(HMENU menu);

  DWORD Style() const { return static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)); }

  // Set-up and state.
  void CommonSetup(TSkinData& data);
  void StartSkin();
  void ReadShowState();
  void ResizeToSkinFrame(bool fresh_client);
  void ForceFrameChange();
  void SetTimerRunning(bool running);
  void Reapply();
  void FreeControlSkins();

  // Painting and the region.
  void PaintFrame(HDC dc, bool title_only);
  void PaintMenuBar(HDC dc, const TRect& bar);
  void BuildRegion();
  void RemoveRegion();
  void LayoutCaptionButtons(int window_width, const TRect& title_text);
  TCaptionFormState CaptionState() const;
  TRect CaptionTextRectFor(HDC dc, int width, const std::wstring& text, int right_reserve,
                           SIZE& text_size) const;
  void DropSysMenuStyle();
  void RestoreSysMenuStyle();

  // Caption buttons.
  void RebuildCaptionButtons();
  TNCObject* ObjectAt(POINT window_point) const;
  void HideHint();

  // Identity.
  HWND window_;
  AnsiString class_name_;
  TCustomForm* form_ = nullptr;
  TColor form_color_ = 0;  // the framework form's colour before skinning
  TSkinData* data_ = nullptr;

  // Switches.
  bool frame_skinning_ = false;  // frame, caption and menu bar drawn (xcMainMenu)
  bool dialog_ = false;          // "#32770" or "TMessageForm"
  bool right_to_left_ = false;
  bool child_ = false;
  bool setup_done_ = false;

  // Life and window state.
  TFormLifeState life_ = TFormLifeState::flsCreated;
  TMdiRole mdi_role_ = TMdiRole::mrNone;
  TFrameKind kind_ = TFrameKind::fkFixed;
  TShowState show_state_ = TShowState::ssNormal;
  TShowState sized_state_ = TShowState::ssNormal;  // as the last WM_SIZE said
  bool active_ = false;

  // Features of the window's frame.
  bool has_maximize_ = false;
  bool has_minimize_ = false;
  bool has_help_ = false;
  bool has_system_menu_ = false;
  bool keep_styles_ = false;
  bool sysmenu_dropped_ = false;  // WS_SYSMENU taken off while the skin paints

  // Frame metrics, and the system frame's size for giving the window back.
  TFrameMetrics metrics_;
  int default_nc_width_ = 0;
  int default_nc_height_ = 0;
  SIZE recorded_client_{0, 0};

  // The region given to the window and the size it was built for.
  bool region_set_ = false;
  SIZE region_size_{0, 0};

  // Caption buttons and the hot object; hover time for hints.
  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  TNCObject* hot_ = nullptr;
  int hover_ms_ = 0;
  bool timer_running_ = false;

  // The menu bar drawn in place of the native one, which it took off the window.
  std::unique_ptr<TWinSkinMenu> menu_bar_;
  // The skinned system menu, rebuilt at each opening, and when it last opened.
  std::unique_ptr<TSkinSystemMenu> system_menu_;
  std::optional<std::uint32_t> last_system_menu_;
  // The framework form's own menus while the skin draws their items.
  std::unique_ptr<TFrameworkMenuSkin> framework_menus_;
  bool popup_tracking_ = false;  // a popup menu of the window is being tracked

  // The skin objects of the window's controls; null when the engine makes none.
  std::unique_ptr<TFormControlSkins> controls_;

  // The window's procedure and, for framework forms, its message handler.
  TWindowHook hook_;
  TWindowProcHook form_hook_;

  // An MDI parent's client window, hooked while the skin runs, and the skin
  // component's menu updating as it was before a child was made.
  HWND mdi_client_ = nullptr;
  TWindowHook mdi_hook_;
  bool menu_update_ = true;
};

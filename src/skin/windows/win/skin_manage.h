#pragma once
// TSkinManage: the one coordinator of window skinning in the process. It
// keeps every loaded skin component, watches the creation and activation of
// the thread's windows through a CBT hook, decides which windows are skinned
// and with which skin component, attaches a form skin to each skinned
// top-level window and a popup skin to each skinned menu window, and runs
// activation, deactivation and skin changes as deferred commands from a
// one-shot timer.

#include "framework/win/win_api.h"

#include <memory>
#include <vector>

#include "framework/win/gdi.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_manager_link.h"
#include "skin/windows/skin_manager_rules.h"
#include "skin/windows/win/form_control_skins.h"

class TControl;
class TCustomForm;
class TWinSkinForm;
class TWinSkinPopMenu;

class TSkinManage final : public TSkinManagerLink {
 public:
  // `control_skins` makes each form skin's control skins; without it forms
  // are skinned without control skins.
  explicit TSkinManage(TFormControlSkinsProvider control_skins = {});
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // What skin components ask.
  void RegisterSkinData(TSkinData& data) override;
  void UnregisterSkinData(TSkinData& data) override;
  void InstallHook() override;
  void SetPendingSkinData(TSkinData* data) override { pending_data_ = data; }
  void ScheduleCommand(TSkinCommand command, unsigned delay_ms) override;
  TSkinManagerState State() const override { return state_; }
  void SetState(TSkinManagerState state) override { state_ = state; }
  void ActivateImmediately() override;
  bool SkinWindow(TWindowHandle window) override;
  void SkinDataReplacing(TSkinData& data) override;

  // The window filter and attachment; true when a form skin was attached.
  bool SkinWindow(HWND window);
  // Skins a shown, top-level framework form (nothing, and true, otherwise).
  bool SkinFormIfShown(TCustomForm& form);
  // Skins a shown MDI child form (activation brings them back with their parent).
  void SkinMdiChildIfShown(TCustomForm& form);
  // The registered skin component that skins `window`, or null.
  TSkinData* SelectSkinData(HWND window) const;
  TWinSkinForm* FindSkinForm(HWND window) const;
  // A form skin is going: it leaves the list (not while the manager goes).
  void RemoveSkinForm(TWinSkinForm* form);
  // The control skins of a new form skin; null without a provider.
  std::unique_ptr<TFormControlSkins> MakeControlSkins(TWinSkinForm& form) const;
  // Rebuilds the skin of one window from the timer (a form that must start over).
  void ReskinWindow(HWND window);

  void SkinPopupMenu(HWND window);
  bool ReleasePopupMenu(HWND window);
  bool IsPopupMenuSkinned(HWND window) const;
  // The newest popup skin that does not know its menu yet learns it; the
  // background of the popup that shows `menu`, for items drawn over it.
  void AssignPopupMenu(HMENU menu);
  const TWinSkinPopMenu* PopupShowing(HMENU menu) const;

  bool Active() const { return active_; }
  TMenuKind MenuKind() const { return menu_kind_; }
  void SetMenuKind(TMenuKind kind) { menu_kind_ = kind; }
  // The first registered component that skins main forms: its options
  // drive the window filter.
  TSkinData* MainSkinData() const { return main_data_; }
  const std::vector<TWinSkinForm*>& SkinForms() const { return forms_; }

  // An MDI child shown maximised; MDI cooperation keeps it (and the MDI
  // client of the skinned MDI parent) here.
  bool MdiChildMaximised() const { return mdi_maximised_; }
  void SetMdiMaximised(bool maximised);
  void SetMdiClient(HWND client, TCustomForm* parent_form);
  HWND MdiClient() const { return mdi_client_; }

  // The application's form with that window, else the framework control
  // linked to it, else null.
  static TControl* FindFrameworkForm(HWND window);

 private:
  static LRESULT CALLBACK CbtProcedure(int code, WPARAM wparam, LPARAM lparam);
  static void CALLBACK TimerProcedure(HWND, UINT, UINT_PTR, DWORD);
  void OnCreateWindow(HWND window, const CBT_CREATEWNDW& create);
  void RunCommand();
  void RunForOneForm(TSkinCommand command, TSkinData& data);
  void RunForAllForms(TSkinCommand command, TSkinData& data);
  void StopTimer();
  bool AcceptsClass(HWND window, const AnsiString& class_name) const;
  // Drops the form skins whose windows are gone, freeing them.
  void PurgeDestroyed();
  void FreeForm(TWinSkinForm* form);
  void DetachAndFree(TWinSkinForm* form);

  // Settings and components.
  TFormControlSkinsProvider control_skins_;
  std::vector<TSkinData*> data_;  // registration order, not owned
  TSkinData* main_data_ = nullptr;
  TSkinData* pending_data_ = nullptr;

  // Skinned windows. Form skins of framework forms are owned by their form
  // (and free themselves with it); the others are the manager's.
  std::vector<TWinSkinForm*> forms_;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> popups_;

  // State.
  bool active_ = false;
  bool scanning_ = false;  // walking the forms itself: child windows may be skinned
  TSkinManagerState state_ = TSkinManagerState::smsIdle;
  TMenuKind menu_kind_ = TMenuKind::mkContext;
  bool mdi_maximised_ = false;
  HWND mdi_client_ = nullptr;
  TCustomForm* mdi_parent_form_ = nullptr;

  // The deferred command and its one-shot timer.
  TSkinCommand pending_command_ = TSkinCommand::scmActivate;
  UINT_PTR timer_ = 0;
  HWND reskin_window_ = nullptr;

  UniqueHandle<HHOOK, UnhookWindowsHookEx> cbt_hook_;
};

// The process's manager, or null before the first skin component loaded and
// after the engine ended.
TSkinManage* SkinManager();

#include "skin/windows/win/skin_manage.h"

#include <algorithm>
#include <utility>

#include "framework/win/control_link.h"
#include "framework/win/form.h"
#include "framework/win/screen.h"
#include "framework/win/wide.h"
#include "skin/windows/skin_manager_rules.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_skin_pop_menu.h"
#include "skin/windows/win/win_subclass.h"

namespace {

TSkinManage* manager = nullptr;

// A framework form's Tag that keeps it unskinned, whatever DisableTag says.
constexpr std::intptr_t kNeverSkinTag = 99;

AnsiString ClassNameOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return length > 0 ? FromWide(std::wstring_view(name, static_cast<std::size_t>(length))) : AnsiString();
}

bool ParentIsMdiClient(HWND window) {
  const HWND parent = GetParent(window);
  return parent != nullptr && LowerCaseAscii(ClassNameOf(parent)) == "mdiclient";
}

}  // namespace

TSkinManage* SkinManager() {
  return manager;
}

TSkinManage::TSkinManage(TFormControlSkinsProvider control_skins) : control_skins_(std::move(control_skins)) {
  manager = this;
}

std::unique_ptr<TFormControlSkins> TSkinManage::MakeControlSkins(TWinSkinForm& form) const {
  return control_skins_ ? control_skins_(form) : nullptr;
}

TSkinManage::~TSkinManage() {
  state_ = TSkinManagerState::smsDestroying;
  active_ = false;
  StopTimer();
  // From the last to the first, each form skin gives its window back.
  while (!forms_.empty()) {
    TWinSkinForm* form = forms_.back();
    forms_.pop_back();
    form->Detach();
    delete form;
  }
  popups_.clear();
  data_.clear();
  cbt_hook_.reset();
  manager = nullptr;
}

void TSkinManage::RegisterSkinData(TSkinData& data) {
  if (std::find(data_.begin(), data_.end(), &data) == data_.end()) data_.push_back(&data);
  if (main_data_ == nullptr && data.SkinFormtype() == TSkinFormType::sfMainform) main_data_ = &data;
}

void TSkinManage::UnregisterSkinData(TSkinData& data) {
  std::erase(data_, &data);
  if (main_data_ == &data) main_data_ = nullptr;
  if (pending_data_ == &data) pending_data_ = nullptr;
  // A form skin must not outlive the component it paints with.
  for (std::size_t i = forms_.size(); i-- > 0;) {
    if (i < forms_.size() && forms_[i]->SkinData() == &data) {
      TWinSkinForm* form = forms_[i];
      forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
      DetachAndFree(form);
    }
  }
  std::erase_if(popups_, [&data](const auto& popup) { return popup->SkinData() == &data; });
}

void TSkinManage::InstallHook() {
  if (cbt_hook_) return;
  cbt_hook_.reset(SetWindowsHookExW(WH_CBT, &CbtProcedure, nullptr, GetCurrentThreadId()));
}

void TSkinManage::ScheduleCommand(TSkinCommand command, unsigned delay_ms) {
  pending_command_ = command;
  if (state_ == TSkinManagerState::smsIdle) {
    // No window has been activated yet: the first activation skins it.
    if (command == TSkinCommand::scmActivate) active_ = true;
    if (command == TSkinCommand::scmDeactivate) active_ = false;
    return;
  }
  // Each request restarts the one-shot timer, so a burst makes one run.
  StopTimer();
  timer_ = SetTimer(nullptr, 0, delay_ms, &TimerProcedure);
}

void TSkinManage::StopTimer() {
  if (timer_ != 0) KillTimer(nullptr, timer_);
  timer_ = 0;
}

void TSkinManage::ActivateImmediately() {
  active_ = true;
  state_ = static_cast<TSkinManagerState>(static_cast<int>(state_) + 1);
}

bool TSkinManage::SkinWindow(TWindowHandle window) {
  return SkinWindow(reinterpret_cast<HWND>(window));
}

void CALLBACK TSkinManage::TimerProcedure(HWND, UINT, UINT_PTR, DWORD) {
  if (manager == nullptr) return;
  manager->StopTimer();
  try {
    manager->RunCommand();
  } catch (...) {
  }
}

void TSkinManage::RunCommand() {
  TSkinData* data = pending_data_;
  if (data == nullptr) return;
  const TSkinCommand command = pending_command_;
  if (command == TSkinCommand::scmReskinWindow) {
    if (TWinSkinForm* form = FindSkinForm(reskin_window_)) {
      std::erase(forms_, form);
      DetachAndFree(form);
      SkinWindow(reskin_window_);
    }
    return;
  }
  if (data->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
    RunForOneForm(command, *data);
  } else {
    RunForAllForms(command, *data);
  }
  if (data->OnSkinChanged()) data->OnSkinChanged()(data);
  pending_data_ = nullptr;
}

void TSkinManage::RunForOneForm(TSkinCommand command, TSkinData& data) {
  switch (command) {
    case TSkinCommand::scmActivate: {
      active_ = true;
      scanning_ = true;
      for (int i = Screen().FormCount() - 1; i >= 0; --i) {
        if (Screen().Forms(i) == data.Owner()) {
          SkinFormIfShown(*Screen().Forms(i));
          break;
        }
      }
      scanning_ = false;
      return;
    }
    case TSkinCommand::scmDeactivate: {
      active_ = false;
      PurgeDestroyed();
      for (std::size_t i = forms_.size(); i-- > 0;) {
        if (forms_[i]->SkinData() != &data) continue;
        TWinSkinForm* form = forms_[i];
        forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
        DetachAndFree(form);
        return;
      }
      return;
    }
    case TSkinCommand::scmSkinChanged:
      PurgeDestroyed();
      for (TWinSkinForm* form : forms_) {
        if (form->SkinData() != &data) continue;
        form->ReloadSkinData();
        form->RefreshSkin();
        form->ReapplyToControls();
        return;
      }
      return;
    case TSkinCommand::scmPurgeDestroyed:
      return PurgeDestroyed();
    default:
      return;
  }
}

void TSkinManage::RunForAllForms(TSkinCommand command, TSkinData& data) {
  switch (command) {
    case TSkinCommand::scmActivate: {
      active_ = true;
      scanning_ = true;
      PurgeDestroyed();
      for (int i = Screen().FormCount() - 1; i >= 0; --i) SkinFormIfShown(*Screen().Forms(i));
      // MDI children are child windows, which that walk passes over; they
      // come back after their parent, as they came when they were made.
      for (int i = Screen().FormCount() - 1; i >= 0; --i) SkinMdiChildIfShown(*Screen().Forms(i));
      scanning_ = false;
      return;
    }
    case TSkinCommand::scmDeactivate:
      active_ = false;
      PurgeDestroyed();
      while (!forms_.empty()) {
        TWinSkinForm* form = forms_.front();
        forms_.erase(forms_.begin());
        DetachAndFree(form);
      }
      return;
    case TSkinCommand::scmSkinChanged: {
      PurgeDestroyed();
      // Every frame is refreshed before any form re-applies its controls.
      const std::vector<TWinSkinForm*> forms = forms_;
      for (TWinSkinForm* form : forms) {
        if (form->SkinData() != &data) continue;
        form->ReloadSkinData();
        form->RefreshSkin();
      }
      for (TWinSkinForm* form : forms) {
        if (form->SkinData() == &data) form->ReapplyToControls();
      }
      return;
    }
    case TSkinCommand::scmPurgeDestroyed:
      return PurgeDestroyed();
    default:
      return;
  }
}

void TSkinManage::ReskinWindow(HWND window) {
  reskin_window_ = window;
  if (pending_data_ == nullptr)
    pending_data_ = FindSkinForm(window) ? FindSkinForm(window)->SkinData() : nullptr;
  ScheduleCommand(TSkinCommand::scmReskinWindow, 250);
}

void TSkinManage::SkinDataReplacing(TSkinData& data) {
  for (TWinSkinForm* form : forms_) {
    if (form->SkinData() == &data) form->ReloadSkinData();
  }
}

void TSkinManage::PurgeDestroyed() {
  for (std::size_t i = forms_.size(); i-- > 0;) {
    if (forms_[i]->LifeState() != TFormLifeState::flsDestroyed) continue;
    TWinSkinForm* form = forms_[i];
    forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
    delete form;
  }
}

void TSkinManage::DetachAndFree(TWinSkinForm* form) {
  form->Detach();
  delete form;
}

void TSkinManage::RemoveSkinForm(TWinSkinForm* form) {
  if (state_ == TSkinManagerState::smsDestroying) return;
  std::erase(forms_, form);
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND window) const {
  if (window == nullptr) return nullptr;
  for (TWinSkinForm* form : forms_) {
    if (form->Window() == window) return form;
  }
  return nullptr;
}

TControl* TSkinManage::FindFrameworkForm(HWND window) {
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TCustomForm* form = Screen().Forms(i);
    if (form->HandleAllocated() && form->WindowHandle() == window) return form;
  }
  return ControlOfWindow(window);
}

bool TSkinManage::SkinFormIfShown(TCustomForm& form) {
  if (!form.HandleAllocated() || !IsWindowVisible(form.WindowHandle())) return true;
  if (GetWindowLongPtrW(form.WindowHandle(), GWL_STYLE) & WS_CHILD) return true;
  return SkinWindow(form.WindowHandle());
}

void TSkinManage::SkinMdiChildIfShown(TCustomForm& form) {
  if (!form.HandleAllocated() || !IsWindowVisible(form.WindowHandle())) return;
  if (GetWindowLongPtrW(form.WindowHandle(), GWL_EXSTYLE) & WS_EX_MDICHILD) SkinWindow(form.WindowHandle());
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!active_ || !IsWindow(window)) return false;
  PurgeDestroyed();
  if (IsWindowSkinned(window) || FindSkinForm(window) != nullptr) return false;
  TControl* framework_form = FindFrameworkForm(window);
  const AnsiString class_name = ClassNameOf(window);
  RECT r{};
  GetWindowRect(window, &r);
  TWindowFacts facts;
  facts.ClassName = class_name;
  facts.Style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
  facts.ExStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  facts.ParentIsMdiClient = ParentIsMdiClient(window);
  facts.HasFrameworkForm = framework_form != nullptr;
  facts.FormTag = framework_form != nullptr ? static_cast<int>(framework_form->Tag()) : 0;
  facts.SameModule =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == GetModuleHandleW(nullptr);
  facts.NonZeroArea = r.right > r.left && r.bottom > r.top;
  if (!PassesWindowFilter(facts, scanning_)) return false;
  if (framework_form != nullptr && framework_form->Tag() == kNeverSkinTag) return false;
  if (!AcceptsClass(window, class_name)) return false;
  TSkinData* data = SelectSkinData(window);
  if (data == nullptr || data->NotLoaded) return false;

  auto* form = ObjectAs<TCustomForm>(framework_form);
  auto* skin = new TWinSkinForm(form, window, class_name);
  if (form != nullptr) {
    skin->AttachToForm(*data, *form);
  } else {
    skin->AttachToWindow(*data);
  }
  forms_.push_back(skin);
  PostMessageW(window, SKM_STARTSKIN, 0, 1000);
  return true;
}

bool TSkinManage::AcceptsClass(HWND window, const AnsiString& class_name) const {
  if (main_data_ == nullptr) return false;
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
  bool accept = ::AcceptsClass(class_name, style, main_data_->Options().Contains(TSkinOption::xoPreview));
  main_data_->DoFormSkin(reinterpret_cast<TWindowHandle>(window), class_name, accept);
  return accept;
}

TSkinData* TSkinManage::SelectSkinData(HWND window) const {
  std::vector<TSkinDataEntry> entries;
  entries.reserve(data_.size());
  for (const TSkinData* data : data_) {
    auto* owner = ObjectAs<TWinControl>(data->Owner());
    entries.push_back({static_cast<TSkinFormKind>(data->SkinFormtype()),
                       owner != nullptr && owner->HandleAllocated()
                           ? reinterpret_cast<std::uintptr_t>(owner->WindowHandle())
                           : 0});
  }
  const int index =
      SelectSkinDataIndex(entries, reinterpret_cast<std::uintptr_t>(window), ClassNameOf(window));
  return index >= 0 ? data_[static_cast<std::size_t>(index)] : nullptr;
}

LRESULT CALLBACK TSkinManage::CbtProcedure(int code, WPARAM wparam, LPARAM lparam) {
  if (manager != nullptr && code >= 0 && manager->state_ != TSkinManagerState::smsDestroying) {
    const auto window = reinterpret_cast<HWND>(wparam);
    try {
      switch (code) {
        case HCBT_CREATEWND:
          manager->OnCreateWindow(window, *reinterpret_cast<const CBT_CREATEWNDW*>(lparam));
          break;
        case HCBT_DESTROYWND:
          manager->ReleasePopupMenu(window);
          break;
        case HCBT_ACTIVATE:
          if (manager->state_ == TSkinManagerState::smsIdle) manager->state_ = TSkinManagerState::smsRunning;
          manager->SkinWindow(window);
          break;
        default:
          break;
      }
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void TSkinManage::OnCreateWindow(HWND window, const CBT_CREATEWNDW& create) {
  const CREATESTRUCTW& cs = *create.lpcs;
  // A size grip made inside a skinned form gets its skin at once.
  if (ClassNameOf(window) == "ScrollBar" && (cs.style & SBS_SIZEGRIP) != 0) {
    if (TWinSkinForm* form = FindSkinForm(cs.hwndParent)) form->MapWindow(window);
  }
  if ((cs.style & WS_CHILD) == 0 && ClassNameOf(window) == "#32768") SkinPopupMenu(window);
  if (cs.dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

void TSkinManage::SkinPopupMenu(HWND window) {
  if (!active_ || IsWindowSkinned(window) || IsPopupMenuSkinned(window)) return;
  TSkinData* data = SelectSkinData(window);
  if (data == nullptr || data->NotLoaded) return;
  const TSkinControlTypes controls = data->SkinControls();
  if (!PopupMenuKindAllowed(menu_kind_, controls.Contains(TSkinControlType::xcPopupMenu),
                            controls.Contains(TSkinControlType::xcMainMenu),
                            controls.Contains(TSkinControlType::xcMenuItem),
                            controls.Contains(TSkinControlType::xcSystemMenu))) {
    return;
  }
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(window, *data);
  popups_.push_back(std::move(popup));
}

bool TSkinManage::ReleasePopupMenu(HWND window) {
  const auto found =
      std::find_if(popups_.begin(), popups_.end(), [window](const auto& p) { return p->Window() == window; });
  if (found == popups_.end()) return false;
  (*found)->Detach();
  popups_.erase(found);
  if (popups_.empty()) menu_kind_ = TMenuKind::mkContext;
  return true;
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
  return std::any_of(popups_.begin(), popups_.end(),
                     [window](const auto& p) { return p->Window() == window; });
}

void TSkinManage::AssignPopupMenu(HMENU menu) {
  for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
    if ((*it)->Menu() == menu) return;
    if ((*it)->Menu() == nullptr) {
      (*it)->SetMenu(menu);
      return;
    }
  }
}

const TWinSkinPopMenu* TSkinManage::PopupShowing(HMENU menu) const {
  for (const auto& popup : popups_) {
    if (popup->Menu() == menu) return popup.get();
  }
  return nullptr;
}

void TSkinManage::SetMdiMaximised(bool maximised) {
  if (mdi_maximised_ == maximised) return;
  mdi_maximised_ = maximised;
  if (main_data_ != nullptr && main_data_->Options().Contains(TSkinOption::xoMDIChildBorder)) return;
  for (TWinSkinForm* form : forms_) form->MdiMaximisedChanged(maximised);
}

void TSkinManage::SetMdiClient(HWND client, TCustomForm* parent_form) {
  mdi_client_ = client;
  mdi_parent_form_ = parent_form;
  // Without a skinned MDI parent no child's maximised state is followed.
  if (client == nullptr) mdi_maximised_ = false;
}

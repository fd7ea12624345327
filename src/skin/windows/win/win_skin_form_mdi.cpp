// MDI cooperation: the MDI parent's skin follows its client window's messages
// (children made, destroyed, tiled; a new frame menu), and the children's
// skins follow whether one of them is shown maximised, whose buttons then sit
// on the parent's menu bar.

#include "skin/windows/mdi_cooperation.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_manage.h"
#include "skin/windows/win/win_skin_form.h"
#include "skin/windows/win/win_skin_menu.h"

void TWinSkinForm::BecomeMdiParent(HWND client) {
  mdi_role_ = TMdiRole::mrParent;
  if (TSkinManage* manager = SkinManager()) manager->SetMdiClient(client, form_);
  mdi_client_ = client;
  menu_update_ = data_->MenuUpdate();
  // Through the A calls, as popup menus are: a message carrying text
  // (WM_MDICREATE) is translated on its way in and back on its way out.
  mdi_hook_.Hook(
      client, [this](TMessage& m) { MdiClientProc(m); }, true);
}

void TWinSkinForm::UnhookMdiClient() {
  mdi_hook_.Unhook();
  if (mdi_client_ == nullptr) return;
  TSkinManage* manager = SkinManager();
  if (manager != nullptr && manager->MdiClient() == mdi_client_) manager->SetMdiClient(nullptr, nullptr);
  mdi_client_ = nullptr;
}

void TWinSkinForm::MdiClientProc(TMessage& m) {
  TSkinManage* manager = SkinManager();
  switch (m.Msg) {
    case WM_NCDESTROY:
      mdi_hook_.CallSaved(m);
      return UnhookMdiClient();
    case WM_NCCALCSIZE: {
      const auto style = static_cast<std::uint32_t>(GetWindowLongPtrA(mdi_client_, GWL_STYLE));
      const std::uint32_t wanted = MdiClientStyleOnCalcSize(
          style, frame_skinning_, data_->Options().Contains(TSkinOption::xoMDIScrollbar));
      if (wanted != style) SetWindowLongPtrA(mdi_client_, GWL_STYLE, static_cast<LONG_PTR>(wanted));
      break;
    }
    case WM_MDICREATE:
      data_->SetMenuUpdate(false);
      break;
    case WM_MDIDESTROY:
      mdi_hook_.CallSaved(m);
      if (frame_skinning_) MdiChildDestroyed();
      return;
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (frame_skinning_ && manager != nullptr && manager->MdiChildMaximised())
        manager->SetMdiMaximised(false);
      break;
    case WM_MDISETMENU:
      mdi_hook_.CallSaved(m);
      if (!frame_skinning_) return;
      if (m.WParam != 0) TakeMenu(reinterpret_cast<HMENU>(m.WParam));
      if (GetMenu(window_) != nullptr) SetMenu(window_, nullptr);
      return;
    case SKM_MDIREDRAW:
      RedrawWindow(window_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      m.Result = 0;
      return;
    default:
      break;
  }
  mdi_hook_.CallSaved(m);
}

HWND TWinSkinForm::ActiveMdiChild(bool& maximised) const {
  BOOL zoomed = FALSE;
  const auto active = mdi_client_ == nullptr
                          ? nullptr
                          : reinterpret_cast<HWND>(SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0,
                                                                reinterpret_cast<LPARAM>(&zoomed)));
  maximised = active != nullptr && zoomed != FALSE;
  return active;
}

bool TWinSkinForm::ActiveMdiChildMaximised() const {
  bool maximised = false;
  return mdi_role_ == TMdiRole::mrParent && ActiveMdiChild(maximised) != nullptr && maximised;
}

void TWinSkinForm::MdiChildDestroyed() {
  bool maximised = false;
  const bool active = ActiveMdiChild(maximised) != nullptr;
  const TMdiChildGone gone = AfterMdiChildDestroyed(active, maximised, menu_bar_ != nullptr);
  if (TSkinManage* manager = SkinManager()) manager->SetMdiMaximised(gone.Maximised);
  if (gone.RebuildMenuBar) {
    data_->SetMenuUpdate(menu_update_);
    menu_bar_->Build(menu_bar_->NativeMenu());
  }
  PaintFrame(nullptr, false);
}

void TWinSkinForm::MdiChildStart() {
  switch (MdiChildStartAction(show_state_)) {
    case TMdiChildStart::mcsRedrawParent:
      if (HWND client = GetParent(window_)) PostMessageW(client, SKM_MDIREDRAW, 0, 0);
      return;
    case TMdiChildStart::mcsWait:
      return;
    case TMdiChildStart::mcsFitFrame:
      life_ = TFormLifeState::flsResizing;
      ResizeToSkinFrame(false);
      life_ = TFormLifeState::flsRunning;
      BuildRegion();
      return;
  }
}

void TWinSkinForm::MdiMaximisedChanged(bool maximised) {
  if (mdi_role_ != TMdiRole::mrChild) return;
  if (maximised) return RemoveRegion();
  if (show_state_ == TShowState::ssMaximized) return;
  show_state_ = TShowState::ssNormal;
  BuildRegion();
  if (!region_set_) ForceFrameChange();
}

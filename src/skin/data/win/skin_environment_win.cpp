#include "skin/data/win/skin_environment_win.h"

#include <windows.h>

#include "framework/win/application.h"
#include "framework/win/message_box.h"

int TWinSkinEnvironment::ScrollArrowWidth() const {
  return GetSystemMetrics(SM_CXHSCROLL);
}

int TWinSkinEnvironment::MaximizedWidth() const {
  return GetSystemMetrics(SM_CXMAXIMIZED);
}

int TWinSkinEnvironment::MaximizedHeight() const {
  return GetSystemMetrics(SM_CYMAXIMIZED);
}

void TWinSkinEnvironment::ShowOlderSkinMessage() const {
  ShowMessageBox("This is Older Skin File\rPlease update to new version !", Application().Title(), MB_OK);
}

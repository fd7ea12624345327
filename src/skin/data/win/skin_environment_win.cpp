#include "skin/data/win/skin_environment_win.h"

#include <windows.h>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/message_box.h"
#include "skin/data/win/skin_data_part_win.h"

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

std::unique_ptr<TSkinDataSystemPart> TWinSkinEnvironment::CreateSkinDataPart() const {
  return std::make_unique<TWinSkinDataPart>(functions_);
}

TWindowHandle TWinSkinEnvironment::FormWindow(const TComponent* component) const {
  const auto* form = dynamic_cast<const TCustomForm*>(component);
  return form != nullptr && form->HandleAllocated() ? reinterpret_cast<TWindowHandle>(form->WindowHandle())
                                                    : 0;
}

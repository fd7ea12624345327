// Entry point: the application's settings, the main window, the message loop.
#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/win_api.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/windows/win/skin_engine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitializeApplication();
  // The skin component reads its skin while the main window is read, and
  // the engine takes the windows (and their controls) over once it is.
  static const TSkinEngine skin_engine(ControlSkinsProvider());
  InstallSkinEnvironment(skin_engine);
  try {
    Application().CreateForm(frmmain);
  } catch (const std::exception& e) {
    // Without its main window the program has nothing to run.
    Application().ShowException(e);
    return 1;
  }
  Application().Run();
  return 0;
}

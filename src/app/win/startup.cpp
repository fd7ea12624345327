#include "app/win/startup.h"

#include "framework/win/application.h"

void InitializeApplication() {
  TApplication& application = Application();
  application.Initialize();
  application.SetHintPause(100);
  application.SetShowHint(true);
  application.SetHintColor(0xFFFF00);
  application.SetTitle("Lexi Tally");
}

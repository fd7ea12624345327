#pragma once
// The skin environment of the running Windows system: its colours and
// metrics, its optional user-interface functions, and the message box for a
// skin archive of an unknown format version. The program installs one
// (InstallSkinEnvironment) before its main form is read; the window skinning
// derives from it to supply the skin manager.

#include "framework/win/font_handle.h"
#include "skin/data/model/skin_environment.h"
#include "skin/data/win/optional_user_functions.h"

class TWinSkinEnvironment : public TSkinEnvironment {
 public:
  const TSystemColours& SystemColours() const override { return WindowsSystemColours(); }
  int ScrollArrowWidth() const override;
  int MaximizedWidth() const override;
  int MaximizedHeight() const override;
  bool HasScrollBarInfo() const override { return functions_.HasScrollBarInfo(); }
  void ShowOlderSkinMessage() const override;
  std::unique_ptr<TSkinDataSystemPart> CreateSkinDataPart() const override;
  TWindowHandle FormWindow(const TComponent* component) const override;

  const TOptionalUserFunctions& Functions() const { return functions_; }

 private:
  TOptionalUserFunctions functions_;
};

#pragma once
// The skin engine of a running program: the system's skin environment plus
// what the engine shares while it runs (the manager, made when the first
// skin component asks for it, and the painters' work bitmap). The program
// installs one before its main form is read; when it goes, every skinned
// window is given back and the hooks are removed.

#include <memory>

#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/win/form_control_skins.h"
#include "skin/windows/win/paint/work_bitmap.h"

class TSkinManage;

class TSkinEngine : public TWinSkinEnvironment {
 public:
  // `control_skins` gives every skinned window its control skins.
  explicit TSkinEngine(TFormControlSkinsProvider control_skins = {});
  ~TSkinEngine() override;

  TSkinManagerLink* SkinManager() const override;

 private:
  TSharedWorkBitmap work_bitmap_;
  TFormControlSkinsProvider control_skins_;
  mutable std::unique_ptr<TSkinManage> manager_;
};

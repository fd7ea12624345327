#include "skin/windows/win/skin_engine.h"

#include <utility>

#include "skin/windows/win/skin_manage.h"

TSkinEngine::TSkinEngine(TFormControlSkinsProvider control_skins)
    : control_skins_(std::move(control_skins)) {}

TSkinEngine::~TSkinEngine() = default;

TSkinManagerLink* TSkinEngine::SkinManager() const {
  if (!manager_) manager_ = std::make_unique<TSkinManage>(control_skins_);
  return manager_.get();
}

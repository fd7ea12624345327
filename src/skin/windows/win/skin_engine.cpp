#include "skin/windows/win/skin_engine.h"

#include "skin/windows/win/skin_manage.h"

TSkinEngine::TSkinEngine() = default;

TSkinEngine::~TSkinEngine() = default;

TSkinManagerLink* TSkinEngine::SkinManager() const {
  if (!manager_) manager_ = std::make_unique<TSkinManage>();
  return manager_.get();
}

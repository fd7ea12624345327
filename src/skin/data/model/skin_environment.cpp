#include "skin/data/model/skin_environment.h"

namespace {

const TSkinEnvironment*& Installed() {
  static const TPortableSkinEnvironment portable;
  static const TSkinEnvironment* installed = &portable;
  return installed;
}

}  // namespace

const TSkinEnvironment& CurrentSkinEnvironment() {
  return *Installed();
}

void InstallSkinEnvironment(const TSkinEnvironment& environment) {
  Installed() = &environment;
}

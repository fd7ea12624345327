#include "skin/controls/win/control_skin_list.h"

#include <algorithm>
#include <utility>

#include "skin/controls/win/skin_control.h"

bool TControlSkinList::Add(TSkinControl& skin) {
  if (Contains(&skin)) return true;
  objects_.push_back(&skin);
  return false;
}

void TControlSkinList::Remove(TSkinControl& skin) {
  std::erase(objects_, &skin);
}

bool TControlSkinList::Contains(const TSkinControl* skin) const {
  return std::ranges::find(objects_, skin) != objects_.end();
}

TSkinControl* TControlSkinList::ForControl(const TControl* control) const {
  const auto found = std::ranges::find_if(objects_, [control](const TSkinControl* skin) {
    return skin->Control() == control || skin->Owner() == control;
  });
  return found != objects_.end() ? *found : nullptr;
}

TSkinControl* TControlSkinList::ForWindow(HWND window) const {
  const auto found =
      std::ranges::find_if(objects_, [window](const TSkinControl* skin) { return skin->Handle() == window; });
  return found != objects_.end() ? *found : nullptr;
}

void TControlSkinList::DropGone() {
  std::vector<TSkinControl*> gone;
  for (TSkinControl* skin : objects_)
    if (skin->SkinState() == TSkinState::ssWindowGone) gone.push_back(skin);
  // Each leaves the list as it is freed.
  for (TSkinControl* skin : gone) delete skin;
}

void TControlSkinList::FreeAll() {
  // Taken out first: freed objects leave a list that is already empty.
  const std::vector<TSkinControl*> objects = std::exchange(objects_, {});
  for (TSkinControl* skin : objects) {
    skin->Detach();
    delete skin;
  }
}

void TControlSkinList::SkinChanged() {
  const std::vector<TSkinControl*> objects = objects_;
  for (TSkinControl* skin : objects) skin->SkinChanged();
}

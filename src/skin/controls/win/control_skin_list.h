#pragma once
// The skin objects of one skinned window's controls, in the order they were
// made. Each object joins when it attaches and leaves when it is freed (a
// framework control frees its own with itself); the list frees the rest.

#include "framework/win/win_api.h"

#include <vector>

class TControl;
class TSkinControl;

class TControlSkinList {
 public:
  TControlSkinList() = default;
  TControlSkinList(const TControlSkinList&) = delete;
  TControlSkinList& operator=(const TControlSkinList&) = delete;
  ~TControlSkinList() { FreeAll(); }

  // True when it was in the list already.
  bool Add(TSkinControl& skin);
  void Remove(TSkinControl& skin);
  bool Contains(const TSkinControl* skin) const;
  // The object serving that framework control (attached to it or to its
  // window), or null.
  TSkinControl* ForControl(const TControl* control) const;
  TSkinControl* ForWindow(HWND window) const;

  // Frees the objects whose windows were destroyed.
  void DropGone();
  // Every object detaches and is freed.
  void FreeAll();
  void SkinChanged();

  const std::vector<TSkinControl*>& Objects() const { return objects_; }

 private:
  std::vector<TSkinControl*> objects_;
};

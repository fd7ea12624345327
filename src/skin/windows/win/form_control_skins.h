#pragma once
// The control skins of one skinned window, as its form skin sees them: the
// form skin keeps the list and says when to map, re-apply and let go; which
// object each control gets, and the objects themselves, come from the control
// skins library, which the engine is given as a provider.

#include "framework/win/win_api.h"

#include <functional>
#include <memory>

class TSkinControl;
class TWinSkinForm;

class TFormControlSkins {
 public:
  virtual ~TFormControlSkins() = default;

  // The list: an object attaching itself is added once (true when it was
  // there already); a freed object leaves it.
  virtual bool Add(TSkinControl& skin) = 0;
  virtual void Remove(TSkinControl& skin) = 0;

  // Gives the framework form's controls, or the foreign window's child
  // windows, their skin objects; what has one already is passed over.
  virtual void MapControls() = 0;
  // One window no framework control owns (a new size grip).
  virtual void MapWindow(HWND window) = 0;
  // The control of that window gets its skin object made again.
  virtual void Reskin(HWND control) = 0;
  // A new skin was loaded: every object repaints from it.
  virtual void SkinChanged() = 0;
  // Every object gives back what it took and is freed.
  virtual void FreeAll() = 0;
};

using TFormControlSkinsProvider = std::function<std::unique_ptr<TFormControlSkins>(TWinSkinForm& form)>;

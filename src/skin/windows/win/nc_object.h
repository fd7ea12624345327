#pragma once
// The objects of a skinned window's non-client area that the mouse drives:
// caption buttons and menu-bar buttons. The form skin keeps at most one hot
// object (under the mouse or pressed); the state machine is the same for all.

#include "skin/data/image/image_rect.h"
#include "skin/windows/caption_buttons.h"

class TWinSkinForm;

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm& form) : form_(form) {}
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;
  virtual ~TNCObject() = default;

  virtual void DoMouseDown();
  virtual void DoMouseUp();
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  virtual void Paint() {}

  // The rectangle in window coordinates, as last laid out.
  TRect BoundsRect;
  bool Visible = false;
  TNCState State = TNCState::ncsNormal;
  bool Enabled = true;

 protected:
  TWinSkinForm& Form() const { return form_; }

 private:
  TWinSkinForm& form_;
};

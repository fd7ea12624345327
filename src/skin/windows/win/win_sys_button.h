#pragma once
// One caption button of a skinned title bar: a caption-button definition of
// the skin laid out on the form, with the action a click runs.

#include "framework/win/win_api.h"

#include "skin/data/model/skin_elements.h"
#include "skin/windows/win/nc_object.h"

class TWinSysButton final : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& form, const TDataSkinSysButton& definition)
      : TNCObject(form), definition_(&definition) {}

  const TDataSkinSysButton& Definition() const { return *definition_; }
  // The plain description the layout rules take.
  TCaptionButtonDef Def() const;
  bool IsIcon() const { return IsIconAction(definition_->Action); }
  bool IsMenuBarButton() const { return definition_->Visibility == 100; }

  // Repaints the title (or the menu bar) with this button in its new state.
  void Paint() override;
  // Runs the button's action for a click at `screen_point`.
  void RunAction(POINT screen_point);

 private:
  const TDataSkinSysButton* definition_;
};

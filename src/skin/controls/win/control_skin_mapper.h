#pragma once
// Gives the controls of one skinned window their skin objects and keeps
// them: a framework form's controls by their classes (the form mapping),
// a foreign window's child windows by class name and style. What the mapping
// chooses is made through a factory table and attached to the control, or to
// the window by handle.

#include "framework/win/win_api.h"

#include "skin/controls/win/control_skin_list.h"
#include "skin/controls/win/skin_control_factory.h"
#include "skin/windows/win/form_control_skins.h"

class TControl;
class TSkinData;
struct TControlTree;
struct TMappingSettings;

class TControlSkinMapper final : public TFormControlSkins {
 public:
  TControlSkinMapper(TWinSkinForm& form, TSkinControlFactory factory);

  bool Add(TSkinControl& skin) override { return list_.Add(skin); }
  void Remove(TSkinControl& skin) override { list_.Remove(skin); }
  void MapControls() override;
  void MapWindow(HWND window) override;
  void Reskin(HWND control) override;
  void SkinChanged() override { list_.SkinChanged(); }
  void FreeAll() override { list_.FreeAll(); }

  const TControlSkinList& List() const { return list_; }

 private:
  void MapTree(const TControlTree& tree, const TMappingSettings& settings);
  void MapChildWindows(HWND parent, const TMappingSettings& settings);
  void MapOneWindow(HWND window, const TMappingSettings& settings);
  bool Skinned(const TControl& control) const;
  // Makes the chosen object and attaches it; an object that did not attach
  // is freed again.
  void Make(const TSkinChoice& choice, TControl* control, HWND window);
  TSkinData& Data() const;

  TWinSkinForm& form_;
  TSkinControlFactory factory_;
  TControlSkinList list_;
};

// What the engine is given: every form skin gets a mapper with that table.
TFormControlSkinsProvider ControlSkinsProvider(TSkinControlFactory factory = SkinControlFactory());

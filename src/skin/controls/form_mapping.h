#pragma once
// The walk over a framework form that gives its controls their skin objects,
// on a plain description of the form's controls. First every control among
// the form's components is mapped, in component order (containers map their
// children where the mapping says so); then every windowed control of the
// form's tab-order list is mapped again, so that what the first pass did not
// reach is caught, while nothing gets a second object. Order matters: a
// disabled radio or check group tags its children before they are visited.

#include <functional>
#include <span>
#include <vector>

#include "skin/controls/control_mapping.h"

// Record indices that stand for no record.
inline constexpr int kTheForm = -1;
inline constexpr int kNobody = -2;

struct TControlRecord {
  TControlFacts Facts;
  int Parent = kTheForm;  // the parent control; kNobody for a control placed nowhere
  // The form, or the embedded form, whose component it is; kNobody for a
  // control owned elsewhere, reached only through its parent or the tab order.
  int Owner = kTheForm;
  int TabOrder = 0;          // among its parent's windowed children
  bool HasWindow = false;    // a windowed control whose window exists before the walk
  bool WindowFails = false;  // making its window fails
  bool Skinned = false;      // answers SKM_ISSKINNED or already has an object in the form's list
};

// What the application's OnSkinControl answered for a control.
enum class TSkinControlOffer {
  soNone,      // nothing: the mapping decides
  soSupplied,  // a new skin object of its own, to be attached
  soVetoed     // any other object: the control stays as it is
};
using TOfferSkinControl = std::function<TSkinControlOffer(int control)>;

enum class TMappingStepKind {
  msTagDisabled,  // the control's Tag becomes the DisableTag
  msSupplied,     // attach the object OnSkinControl supplied
  msSkin          // create and attach Skin (after SetTransparent, PrepareToolBar)
};

struct TMappingStep {
  int Control = 0;
  TMappingStepKind Kind = TMappingStepKind::msSkin;
  TSkinChoice Skin;
  bool SetTransparent = false;
  bool PrepareToolBar = false;

  bool operator==(const TMappingStep&) const = default;
};

// The windowed controls depth first, each parent's children by tab order.
std::vector<int> TabOrderList(std::span<const TControlRecord> controls);

// What mapping the form does, in order. `offer`, when set, is asked for
// every control that gets that far, before the mapping decides.
std::vector<TMappingStep> PlanFormMapping(std::span<const TControlRecord> controls,
                                          const TMappingSettings& settings,
                                          const TOfferSkinControl& offer = {});

#pragma once
// The controls of a framework form (or one control and what it contains) as
// the form mapping reads them: each control's facts and where it stands.
// Reading makes the windows that the mapping will look at, as mapping a
// windowed control does, so that their styles are known.

#include <functional>
#include <vector>

#include "skin/controls/form_mapping.h"

class TControl;
class TCustomForm;

// Whether a control has a skin object already (or its window answers that it has).
using TIsSkinned = std::function<bool(const TControl& control)>;

struct TControlTree {
  std::vector<TControl*> Controls;
  std::vector<TControlRecord> Records;  // one per control, same order
};

TControlFacts FactsOfControl(TControl& control);

// The form's components that are controls, what they contain, the controls
// placed on the form from elsewhere, and the components of embedded forms.
TControlTree ReadFormControls(TCustomForm& form, int disable_tag, const TIsSkinned& skinned);
// One control, mapped as if it were one of the form's components, and what
// it contains.
TControlTree ReadControl(TControl& control, int disable_tag, const TIsSkinned& skinned);

#pragma once
// Images that reading a skin derives from its elements rather than reads.

#include "skin/data/model/skin_definition.h"
#include "skin/data/model/skin_environment.h"

// The colour the title bar shows: a pixel a third into BorderTop's first
// frame, or the button face when the skin has no top border image.
TColor DeriveTitleColour(const TSkinDefinition& skin);

// With both SunkEdge and ComboButton: composes edit edge and drop-down button
// into one 50 x 21 image per SunkEdge frame; ComboButton gets it (button at
// the right), SunkEdge its mirror (button at the left).
void BuildComboImages(TSkinDefinition& skin, const TSkinEnvironment& environment);
// The drop-down arrow alone, from the combo image or the button image.
void BuildComboxArrow(TSkinDefinition& skin, const TSkinEnvironment& environment);
// A 10 x 40 top-to-bottom gradient from the button face to a shade of the
// title colour.
void BuildToolbar(TSkinDefinition& skin, const TSkinEnvironment& environment);

// The track images a skin without [Track] or [TRACKVERT] gets: a sunken
// groove, 16 x 4 and 4 x 16.
TSkinBitmap BuiltInTrackImage();
TSkinBitmap BuiltInTrackVertImage();

#pragma once
// A control that shows its parent through: the parent paints itself into the
// control's device context, shifted so that the part under the control lands
// at the context's origin.

#include "framework/win/win_api.h"

class TControl;

// Nothing for a control without a parent window. `dc` is left in the state it
// came in.
void PaintParentBackground(TControl* control, HDC dc);

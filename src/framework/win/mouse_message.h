#pragma once
// Mouse messages as the framework's mouse events: the button, the shift
// state and the point that a press, release or move carries.

#include "framework/control.h"
#include "framework/messages.h"
#include "framework/win/win_api.h"

// The shift state of a mouse message's key flags, with the Alt key, which
// the flags lack, read from the keyboard.
TShiftState KeysToShiftState(WPARAM keys);

// Runs the control's MouseDown, MouseUp or MouseMove for a client-area mouse
// message; other messages are left alone.
void DispatchMouse(TControl& control, const TMessage& message);

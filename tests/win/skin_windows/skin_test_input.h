#pragma once
// Real input and waiting for the window tests of the skin engine. Timers run
// inside modal loops (menus, message boxes), so scripted keys and checks
// reach a menu while it is open.

#include "framework/win/win_api.h"

#include <functional>
#include <vector>

// The application as the program sets it up, with the skin engine installed
// for every skin component made from now on (once per test program).
void InstallSkinEngine();

// Handles messages for `ms` milliseconds.
void Pump(int ms);
// Handles messages until `done` holds or 1.5 s passed; whether it holds.
bool PumpUntil(const std::function<bool()>& done);

void MouseTo(POINT screen);
void MouseButton(DWORD flags);
// Moves there and clicks the left button, handling messages after each step.
void ClickAt(POINT screen);
// A left click at a screen point, queued without handling messages: for use
// inside a modal loop (from AfterDelay).
void QueueClick(POINT screen);
void QueueMove(POINT screen);
// Presses `modifier`, then `key`, and lets both go.
void KeyChord(WORD modifier, WORD key);

// Runs `check` once, `ms` milliseconds from now (also inside a modal loop).
void AfterDelay(int ms, std::function<void()> check);
// Presses the keys one by one, `interval_ms` apart, the first after one interval.
void PostDelayedKeys(std::vector<WORD> keys, int interval_ms);
// Notes every drop-down menu that opens from now on (each change of the open
// one), up to `limit` of them.
void RecordDropDowns(std::vector<HMENU>& seen, int limit);
// The menu shown in the open popup-menu window, or null.
HMENU OpenDropDown();

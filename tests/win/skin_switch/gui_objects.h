#pragma once
// How many GDI and USER objects this process holds, for tests that look for
// leaks.

struct TGuiObjects {
  int Gdi = 0;
  int User = 0;
};

TGuiObjects CountGuiObjects();

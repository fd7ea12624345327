#pragma once
// The program's own icon: a blue tile with white bars of decreasing length,
// the frequency list the program makes.

#include <vector>

#include "skin/data/image/ico_writer.h"

namespace art {

// 16, 32 and 48 pixels a side, each laid out on its own pixel grid.
std::vector<TIconImage> ProgramIcon();

}  // namespace art

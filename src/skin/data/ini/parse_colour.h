#pragma once
// Colour texts of the skin description: "r g b", "r,g,b" and the like.

#include <string_view>

#include "skin/data/image/colour.h"

// Runs of decimal digits in the trimmed text, separated by anything else, are
// the channels red, green, blue (each modulo 256). A run counts when a
// non-digit follows it, or when it ends the text after two counted runs; so
// "10 20" is red 10 alone while "10 20 30" and "10,20," fill their channels.
// Missing channels are 0; runs after the third are ignored.
TColor ParseColour(std::string_view text);

#pragma once
// The six-frame glyph strip handed to check boxes and radio buttons of other
// component sets that draw themselves from custom glyphs. Every kind gets the
// same order, so the strip reads the same whoever draws it:
//   1 unchecked, 2 checked, 3 grayed, 4 unchecked disabled, 5 checked
//   disabled, 6 grayed disabled.
// A radio button has no grayed state: its slots 3 and 6 repeat unchecked.
// Each slot is a frame of the skin's check or radio strip, picked as the
// skinned check box and radio button pick theirs.

#include <array>

inline constexpr int kGlyphStripFrames = 6;

// The frame (1-based) of a check strip of `frame_count` frames for each slot.
std::array<int, kGlyphStripFrames> CheckGlyphSources(int frame_count);
std::array<int, kGlyphStripFrames> RadioGlyphSources(int frame_count);

#pragma once
// Damaged and hostile skins made from a good one: its images emptied, shrunk
// to one pixel or blown up, its frame counts and margins zero, negative or
// past the images, its sections gone, its archive cut short.

#include <string>
#include <vector>

struct THostileSkin {
  std::string Name;
  std::string Archive;  // the bytes of a skin file
};

// The archive `good` (a loadable skin file) with hostile images, numbers
// and sections: what differs from one skin to another.
std::vector<THostileSkin> HostileSkins(const std::string& good);
// The same archive without a description, or cut short.
std::vector<THostileSkin> DamagedArchives(const std::string& good);

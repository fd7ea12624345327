#include "app/word_cutter.h"

namespace {

unsigned FirstCharacter(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  return CharLength(s, pos) == 2 ? (lead << 8 | static_cast<unsigned char>(s[pos + 1])) : lead;
}

// Where a match of `later` can start inside a match of `earlier` (at one of
// its characters after the first), the two overlap.
bool CanOverlap(std::string_view earlier, std::string_view later) {
  for (std::size_t p = CharLength(earlier, 0); p < earlier.size(); p += CharLength(earlier, p)) {
    const std::string_view rest = earlier.substr(p);
    if (rest.starts_with(later) || later.starts_with(rest)) return true;
  }
  return false;
}

}  // namespace

TWordCutter::TWordCutter(std::span<const std::string_view> table) : table_(table) {
  const auto one_character = [](std::string_view entry) {
    return !entry.empty() && CharLength(entry, 0) == entry.size();
  };
  for (std::string_view entry : table) {
    if (one_character(entry)) single_.set(FirstCharacter(entry, 0));
  }
  for (std::size_t k = 0; k < table.size(); ++k) {
    const std::string_view entry = table[k];
    if (entry.empty() || one_character(entry)) continue;
    longer_start_.set(FirstCharacter(entry, 0));
    longer_.push_back(entry);
    // Matched whole from left to right, the entry gives the table's result
    // unless an earlier one-character entry takes one of its characters first
    // (when all its characters are entries, every byte is a separator either
    // way), or it overlaps another longer entry.
    bool all_single = true;
    bool taken_first = false;
    for (std::size_t p = 0; p < entry.size(); p += CharLength(entry, p)) {
      const std::string_view character = entry.substr(p, CharLength(entry, p));
      all_single = all_single && single_[FirstCharacter(character, 0)];
      for (std::size_t earlier = 0; earlier < k; ++earlier)
        taken_first = taken_first || table[earlier] == character;
    }
    if (taken_first && !all_single) one_pass_ = false;
    for (std::string_view other : table) {
      if (!other.empty() && !one_character(other) && other != entry && CanOverlap(entry, other))
        one_pass_ = false;
    }
  }
  marked_ = single_ | longer_start_;
  for (unsigned byte = 0; byte < 256; ++byte) {
    const bool plain = !IsLeadByte(static_cast<unsigned char>(byte)) && !marked_[byte] && byte != ',' &&
                       byte != '\r' && byte != '\n';
    bool marks = false;
    for (unsigned trail = 0; trail < 256 && !marks; ++trail) marks = marked_[byte << 8 | trail];
    kind_[byte] = plain                                           ? kPlainByte
                  : !IsLeadByte(static_cast<unsigned char>(byte)) ? kOtherByte
                  : marks                                         ? kLeadByte
                                                                  : kPlainLeadByte;
  }
}

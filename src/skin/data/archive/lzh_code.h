#pragma once
// What the LZHUF decoder and encoder must agree on: the dictionary and tree
// sizes and the static prefix code for the upper six bits of a match position.

#include <array>
#include <cstdint>

namespace lzh {

inline constexpr int kRingSize = 4096;
inline constexpr int kRingMask = kRingSize - 1;
inline constexpr int kLongestMatch = 60;
inline constexpr int kThreshold = 2;  // a copy is at least kThreshold + 1 bytes
inline constexpr int kSymbolCount = 256 + kLongestMatch - kThreshold;  // 314
inline constexpr int kNodeCount = 2 * kSymbolCount - 1;                // 627
inline constexpr int kRoot = kNodeCount - 1;                           // 626
inline constexpr std::uint16_t kFrequencyLimit = 0x8000;
// Both ends start with the ring filled with spaces up to here.
inline constexpr int kRingStart = kRingSize - kLongestMatch;  // 4036

// A match length is sent as symbol 256 + (length - kThreshold - 1).
inline constexpr int kFirstMatchSymbol = 256;

// Code width in bits for upper position value 0..63: one value of 3 bits, three
// of 4, eight of 5, twelve of 6, twenty-four of 7, sixteen of 8.
constexpr int PositionCodeWidth(int upper) {
  if (upper < 1) return 3;
  if (upper < 4) return 4;
  if (upper < 12) return 5;
  if (upper < 24) return 6;
  if (upper < 48) return 7;
  return 8;
}

struct PositionTables {
  std::array<std::uint8_t, 256> code{};    // first byte of the stream -> upper value
  std::array<std::uint8_t, 256> length{};  // first byte of the stream -> code width
  std::array<std::uint8_t, 64> first{};    // upper value -> its code, left-aligned in a byte
};

// Codes are assigned in increasing order of value, so each value owns the run
// of 2^(8 - width) bytes that begin with its code.
constexpr PositionTables MakePositionTables() {
  PositionTables t;
  int next = 0;
  for (int upper = 0; upper < 64; ++upper) {
    const int width = PositionCodeWidth(upper);
    t.first[upper] = static_cast<std::uint8_t>(next);
    for (int n = 0; n < (1 << (8 - width)); ++n, ++next) {
      t.code[next] = static_cast<std::uint8_t>(upper);
      t.length[next] = static_cast<std::uint8_t>(width);
    }
  }
  return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();

}  // namespace lzh

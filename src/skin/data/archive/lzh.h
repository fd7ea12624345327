#pragma once
// LZHUF decoding: an LZSS sliding dictionary of 4096 bytes whose literals and
// match lengths are coded by an adaptive Huffman tree and whose match
// positions carry a static prefix code for their upper six bits.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>

class TByteReader;

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TLZH {
 public:
  // Asked for one byte at a time; returns how many bytes it delivered.
  using ReadOperation = std::function<std::size_t(std::uint8_t* buffer, std::size_t count)>;
  // Receives every decoded byte as soon as it is known.
  using WriteOperation = std::function<void(std::uint8_t byte)>;

  // Decodes until at least `length` bytes are written: a match that crosses
  // the end is written whole, so up to 59 bytes more may follow. Input that
  // runs out reads as zero bytes. Throws ElzhException when the tables cannot
  // be allocated.
  void Unpack(std::int32_t length, const ReadOperation& read, const WriteOperation& write);
};

// Decodes a stream that starts at the reader's position.
void UnpackFrom(TByteReader& input, std::int32_t length, const TLZH::WriteOperation& write);

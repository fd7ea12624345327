#pragma once
// Reads little-endian fields from a byte buffer. Every read of archive bytes
// goes through here, so this holds the only bounds check: a read that does not
// fit fails and leaves the position where it was.

#include <cstddef>
#include <cstdint>
#include <string_view>

class TByteReader {
 public:
  explicit TByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }

  // Up to `count` bytes; returns how many were read.
  std::size_t Read(std::uint8_t* buffer, std::size_t count);
  // Exactly `count` bytes as a view into the buffer, or false.
  bool Take(std::size_t count, std::string_view& out);
  bool Skip(std::size_t count);
  bool ReadUInt32(std::uint32_t& out);
  bool ReadInt32(std::int32_t& out);
  // Everything from the position to the end.
  std::string_view Rest();

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

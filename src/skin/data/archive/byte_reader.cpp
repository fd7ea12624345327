#include "skin/data/archive/byte_reader.h"

#include <algorithm>
#include <cstring>

std::size_t TByteReader::Read(std::uint8_t* buffer, std::size_t count) {
  const std::size_t n = std::min(count, Remaining());
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

bool TByteReader::Take(std::size_t count, std::string_view& out) {
  if (count > Remaining()) return false;
  out = bytes_.substr(position_, count);
  position_ += count;
  return true;
}

bool TByteReader::Skip(std::size_t count) {
  std::string_view ignored;
  return Take(count, ignored);
}

bool TByteReader::ReadUInt32(std::uint32_t& out) {
  std::string_view b;
  if (!Take(4, b)) return false;
  out = 0;
  for (int i = 3; i >= 0; --i) out = (out << 8) | static_cast<std::uint8_t>(b[i]);
  return true;
}

bool TByteReader::ReadInt32(std::int32_t& out) {
  std::uint32_t u = 0;
  if (!ReadUInt32(u)) return false;
  out = static_cast<std::int32_t>(u);
  return true;
}

std::string_view TByteReader::Rest() {
  const std::string_view rest = bytes_.substr(position_);
  position_ = bytes_.size();
  return rest;
}

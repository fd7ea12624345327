#pragma once
// Builders shared by the skin archive tests.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/lzh.h"

namespace archive_test {

inline std::string Int32(std::int32_t value) {
  std::string out;
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF));
  return out;
}

// A decompressed archive laid out by hand, so that tests can break its rules.
inline std::string Container(std::uint32_t version, std::size_t skipped, std::string_view names,
                             std::initializer_list<std::int32_t> sizes, std::string_view data) {
  std::string out =
      Int32(static_cast<std::int32_t>(version)) + Int32(static_cast<std::int32_t>(names.size()));
  out.append(8 + skipped, '\0');
  out += names;
  for (std::int32_t size : sizes) out += Int32(size);
  out += data;
  return out;
}

// Every byte written by TLZH for a stream and a declared length.
inline std::string Unpack(std::string_view stream, std::int32_t length) {
  std::string out;
  TByteReader in(stream);
  UnpackFrom(in, length, [&out](std::uint8_t b) { out.push_back(static_cast<char>(b)); });
  return out;
}

inline std::uint64_t Fnv1a(std::string_view bytes) {
  std::uint64_t h = 0xcbf29ce484222325u;
  for (char c : bytes) h = (h ^ static_cast<std::uint8_t>(c)) * 0x100000001b3u;
  return h;
}

inline std::string RandomBytes(std::size_t size, unsigned seed, int alphabet = 256) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, alphabet - 1);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(byte(random));
  return out;
}

// Text with the word frequencies of prose: a few words often, many rarely.
inline std::string Prose(std::size_t size, unsigned seed) {
  static const char* const kWords[] = {"the ",     "skin ",   "window ", "of ",     "and ",    "frame ",
                                       "caption ", "button ", "draws ",  "bitmap ", "colour ", "\r\n"};
  std::mt19937 random(seed);
  std::geometric_distribution<int> pick(0.3);
  std::string out;
  while (out.size() < size) out += kWords[pick(random) % 12];
  out.resize(size);
  return out;
}

}  // namespace archive_test

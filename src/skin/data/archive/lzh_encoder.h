#pragma once
// LZHUF encoding, the inverse of TLZH::Unpack: greedy longest matches in the
// 4096-byte ring, coded with the same adaptive tree and position code, so that
// any LZHUF decoder reads the result.

#include <string>
#include <string_view>

// The bit stream alone, without the declared length in front. The last byte
// is padded with zero bits.
std::string LzhEncode(std::string_view data);

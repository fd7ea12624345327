#pragma once
// What skinpack does, one function per command. Bad input throws
// SkinpackError with a message that names what is wrong.

#include <cstdio>
#include <stdexcept>
#include <string>

class SkinpackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Packs the folder's one .ini file and every .bmp file in it (in name order,
// the description first) into a version-70000 archive, and says on `out`
// what it packed. A description naming an image the folder lacks is refused.
void PackFolder(const std::string& folder, const std::string& archive, std::FILE* out);
// One line per member: its name, a tab, its size in bytes.
void ListMembers(const std::string& archive, std::FILE* out);
void ExtractMember(const std::string& archive, const std::string& name, std::FILE* out);
// Decodes a framed stream (32-bit little-endian declared length, then the
// bit stream). Input that runs out reads as zero bits.
void UnpackStream(const std::string& file, std::FILE* out);

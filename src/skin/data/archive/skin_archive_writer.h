#pragma once
// Builds a skin archive from named members: the container the reader parses,
// compressed with our LZHUF encoder behind its declared length.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/text.h"
#include "skin/data/archive/skin_archive_format.h"

class TSkinArchiveWriter {
 public:
  // Names end at line breaks in the archive, so a name holding CR, LF or NUL
  // is refused (std::invalid_argument), as is a member beyond the format's
  // limit of kSkinArchiveMaxMembers or a member of 2 GiB or more
  // (std::length_error).
  void AddMember(AnsiString name, std::string bytes);

  // The decompressed archive. Unused header bytes and the block that depends
  // on the version are zero. Throws std::invalid_argument for a version the
  // format does not know and std::length_error when the whole would not fit
  // the declared 32-bit length.
  std::string Container(std::uint32_t version = kSkinArchiveVersion) const;
  // The archive as stored: the container's length, then its LZHUF stream.
  std::string Archive(std::uint32_t version = kSkinArchiveVersion) const;

 private:
  struct Member {
    AnsiString name;
    std::string bytes;
  };
  std::vector<Member> members_;
};

#pragma once
// Layout of a decompressed skin archive: a 16-byte header (version, name-list
// length, eight unused bytes), a block whose size depends on the version, the
// member names as text lines, one 32-bit size per name, then the members'
// bytes in name order. The compressed archive is the container's length as a
// signed 32-bit number followed by its LZHUF stream.

#include <cstddef>
#include <cstdint>
#include <optional>

inline constexpr std::uint32_t kSkinArchiveVersion = 70000;
inline constexpr std::size_t kSkinArchiveHeaderSize = 16;
// The size table of the format holds no more entries than this.
inline constexpr std::size_t kSkinArchiveMaxMembers = 1001;
// No skin comes near this once decompressed; a larger declared length is
// taken for damage rather than allocated.
inline constexpr std::int32_t kSkinArchiveMaxLength = 64 * 1024 * 1024;

// Size of the unused block after the header, or nothing for a version the
// format does not know.
constexpr std::optional<std::size_t> SkippedBlockSize(std::uint32_t version) {
  switch (version) {
    case 20000:
      return 0;
    case 30000:
      return 256;
    case 40000:
      return 80;
    case 50000:
      return 48;
    case 60000:
      return 117;
    case 70000:
      return 69;
    default:
      return std::nullopt;
  }
}

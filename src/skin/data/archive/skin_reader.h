#pragma once
// Reads a skin archive held in memory and hands out its members by name.
// Member names are kept lowered to ASCII lower case, and so are the names
// asked for.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/text.h"

enum class TArchiveResult {
  arLoaded,
  // The container's version is not one the format knows: an archive from an
  // older or newer skin tool. Nothing is parsed.
  arUnknownVersion,
  // Too short, a declared length below zero or beyond kSkinArchiveMaxLength,
  // a name list or size table past the end, or more than
  // kSkinArchiveMaxMembers members. Nothing is kept.
  arDamaged,
};

class TSkinReader {
 public:
  // A compressed archive: the declared length, then the LZHUF stream.
  TArchiveResult LoadFromStream(std::string_view archive);
  // An archive already decompressed.
  TArchiveResult LoadContainer(std::string container);

  std::uint32_t Version() const { return version_; }
  std::size_t MemberCount() const { return names_.size(); }
  const AnsiString& MemberName(std::size_t i) const { return names_[i]; }
  // A size that reaches past the data area is cut at its end; a negative
  // size counts as zero.
  std::string_view MemberBytes(std::size_t i) const;

  // The first member named `name` (compared after lowering), if there is one.
  std::optional<std::string_view> FindMember(std::string_view name) const;
  // The same member's bytes, or empty.
  std::string ExtractByName(std::string_view name) const;
  // The first member whose lowered name contains `text` (case-sensitive):
  // its bytes, and its name in `memberName`. Empty bytes and name when none.
  std::string ExtractByPart(std::string_view text, AnsiString& memberName) const;

 private:
  void Clear();

  std::uint32_t version_ = 0;
  std::vector<AnsiString> names_;
  std::vector<std::int32_t> sizes_;
  std::string data_;
};

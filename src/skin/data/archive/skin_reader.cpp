#include "skin/data/archive/skin_reader.h"

#include <algorithm>

#include "framework/string_list.h"
#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/lzh.h"
#include "skin/data/archive/skin_archive_format.h"

TArchiveResult TSkinReader::LoadFromStream(std::string_view archive) {
  Clear();
  TByteReader in(archive);
  std::int32_t length = 0;
  if (!in.ReadInt32(length) || length < 0 || length > kSkinArchiveMaxLength) return TArchiveResult::arDamaged;
  std::string container;
  UnpackFrom(in, length, [&container](std::uint8_t byte) { container.push_back(static_cast<char>(byte)); });
  return LoadContainer(std::move(container));
}

TArchiveResult TSkinReader::LoadContainer(std::string container) {
  Clear();
  TByteReader in(container);
  std::uint32_t version = 0;
  std::int32_t nameLength = 0;
  if (!in.ReadUInt32(version) || !in.ReadInt32(nameLength) || !in.Skip(8)) return TArchiveResult::arDamaged;
  const std::optional<std::size_t> skipped = SkippedBlockSize(version);
  if (!skipped) return TArchiveResult::arUnknownVersion;

  std::string_view nameText;
  if (nameLength < 0 || !in.Skip(*skipped) || !in.Take(static_cast<std::size_t>(nameLength), nameText)) {
    return TArchiveResult::arDamaged;
  }
  TStringList lines;
  lines.SetText(LowerCaseAscii(nameText));
  const std::size_t count = lines.Items().size();
  if (count > kSkinArchiveMaxMembers || count * 4 > in.Remaining()) {
    return TArchiveResult::arDamaged;
  }
  std::vector<std::int32_t> sizes(count);
  for (std::int32_t& size : sizes) in.ReadInt32(size);

  names_ = lines.Items();
  sizes_ = std::move(sizes);
  data_ = std::string(in.Rest());
  version_ = version;
  return TArchiveResult::arLoaded;
}

std::string_view TSkinReader::MemberBytes(std::size_t i) const {
  // Offsets are summed in 64 bits: a thousand sizes near 2^31 cannot overflow.
  std::int64_t offset = 0;
  for (std::size_t k = 0; k < i; ++k) offset += std::max<std::int32_t>(sizes_[k], 0);
  const std::int64_t available = static_cast<std::int64_t>(data_.size());
  const std::int64_t begin = std::min(offset, available);
  const std::int64_t end = std::min(offset + std::max<std::int32_t>(sizes_[i], 0), available);
  return std::string_view(data_).substr(static_cast<std::size_t>(begin),
                                        static_cast<std::size_t>(end - begin));
}

std::optional<std::string_view> TSkinReader::FindMember(std::string_view name) const {
  const AnsiString lowered = LowerCaseAscii(name);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == lowered) return MemberBytes(i);
  }
  return std::nullopt;
}

std::string TSkinReader::ExtractByName(std::string_view name) const {
  return std::string(FindMember(name).value_or(std::string_view()));
}

std::string TSkinReader::ExtractByPart(std::string_view text, AnsiString& memberName) const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(text) != AnsiString::npos) {
      memberName = names_[i];
      return std::string(MemberBytes(i));
    }
  }
  memberName.clear();
  return {};
}

void TSkinReader::Clear() {
  version_ = 0;
  names_.clear();
  sizes_.clear();
  data_.clear();
}

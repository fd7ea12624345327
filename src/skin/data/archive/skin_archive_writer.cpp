#include "skin/data/archive/skin_archive_writer.h"

#include <limits>
#include <stdexcept>

#include "skin/data/archive/lzh_encoder.h"

namespace {

constexpr std::size_t kMaxInt32 = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

void AppendUInt32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t CheckedLength(std::size_t size) {
  if (size > kMaxInt32) throw std::length_error("skin archive larger than 2 GiB");
  return static_cast<std::uint32_t>(size);
}

}  // namespace

void TSkinArchiveWriter::AddMember(AnsiString name, std::string bytes) {
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != AnsiString::npos) {
    throw std::invalid_argument("member name holds a line break or NUL: " + name);
  }
  if (members_.size() >= kSkinArchiveMaxMembers) throw std::length_error("more than 1001 members");
  CheckedLength(bytes.size());
  members_.push_back(Member{std::move(name), std::move(bytes)});
}

std::string TSkinArchiveWriter::Container(std::uint32_t version) const {
  const std::optional<std::size_t> skipped = SkippedBlockSize(version);
  if (!skipped) throw std::invalid_argument("unknown skin archive version " + std::to_string(version));
  std::string names;
  for (const Member& m : members_) names += m.name + "\r\n";

  std::string out;
  AppendUInt32(out, version);
  AppendUInt32(out, CheckedLength(names.size()));
  out.append(8 + *skipped, '\0');
  out += names;
  for (const Member& m : members_) AppendUInt32(out, CheckedLength(m.bytes.size()));
  for (const Member& m : members_) {
    CheckedLength(out.size() + m.bytes.size());
    out += m.bytes;
  }
  return out;
}

std::string TSkinArchiveWriter::Archive(std::uint32_t version) const {
  const std::string container = Container(version);
  std::string out;
  AppendUInt32(out, CheckedLength(container.size()));
  return out + LzhEncode(container);
}

#include "skinpack_commands.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/text.h"
#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/lzh.h"
#include "skin/data/archive/skin_folder.h"
#include "skin/data/archive/skin_reader.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SkinpackError(path.string() + ": cannot open");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw SkinpackError(path.string() + ": cannot read");
  return bytes;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw SkinpackError(path.string() + ": cannot write");
}

class Output {
 public:
  explicit Output(std::FILE* out) : out_(out) {}
  void Write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size()) {
      throw SkinpackError("cannot write to standard output");
    }
  }
  void Flush() {
    if (std::fflush(out_) != 0) throw SkinpackError("cannot write to standard output");
  }

 private:
  std::FILE* out_;
};

TSkinReader OpenArchive(const std::string& archive) {
  TSkinReader reader;
  switch (reader.LoadFromStream(ReadFile(archive))) {
    case TArchiveResult::arLoaded:
      return reader;
    case TArchiveResult::arUnknownVersion:
      throw SkinpackError(archive + ": skin archive of an unknown version");
    case TArchiveResult::arDamaged:
      break;
  }
  throw SkinpackError(archive + ": not a skin archive, or a damaged one");
}

}  // namespace

void PackFolder(const std::string& folder, const std::string& archive, std::FILE* out) {
  TPackedSkinFolder packed;
  try {
    packed = PackSkinFolder(folder);
  } catch (const ESkinFolderError& e) {
    throw SkinpackError(e.what());
  }
  WriteFile(archive, packed.Archive);
  std::string images;
  for (const std::string& image : packed.Images) images += (images.empty() ? "" : ", ") + image;
  Output output(out);
  output.Write("packed " + packed.Description + " and " + std::to_string(packed.Images.size()) +
               " images: " + (images.empty() ? "none" : images) + "\n");
  output.Flush();
}

void ListMembers(const std::string& archive, std::FILE* out) {
  const TSkinReader reader = OpenArchive(archive);
  Output output(out);
  for (std::size_t i = 0; i < reader.MemberCount(); ++i) {
    output.Write(reader.MemberName(i) + "\t" + std::to_string(reader.MemberBytes(i).size()) + "\n");
  }
  output.Flush();
}

void ExtractMember(const std::string& archive, const std::string& name, std::FILE* out) {
  const TSkinReader reader = OpenArchive(archive);
  const std::optional<std::string_view> bytes = reader.FindMember(name);
  if (!bytes) throw SkinpackError(archive + ": no member named " + name);
  Output output(out);
  output.Write(*bytes);
  output.Flush();
}

void UnpackStream(const std::string& file, std::FILE* out) {
  const std::string bytes = ReadFile(file);
  TByteReader in(bytes);
  std::int32_t length = 0;
  if (!in.ReadInt32(length)) throw SkinpackError(file + ": too short to hold the 4-byte declared length");
  Output output(out);
  std::string buffer;
  constexpr std::size_t kChunk = 64 * 1024;
  UnpackFrom(in, length, [&](std::uint8_t byte) {
    buffer.push_back(static_cast<char>(byte));
    if (buffer.size() == kChunk) {
      output.Write(buffer);
      buffer.clear();
    }
  });
  output.Write(buffer);
  output.Flush();
}

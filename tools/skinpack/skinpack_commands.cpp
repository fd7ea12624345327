#include "skinpack_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "framework/text.h"
#include "skin/data/archive/byte_reader.h"
#include "skin/data/archive/lzh.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/archive/skin_reader.h"
#include "skin/data/ini/quick_ini.h"
#include "skin/data/model/read_skin_definition.h"
#include "skin/data/model/skin_loading.h"

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

bool HasExtension(const fs::path& path, std::string_view extension) {
  return LowerCaseAscii(path.extension().string()) == extension;
}

// Every member name the description's image keys give, lower-cased: what the
// skin will look up when it is loaded.
std::set<std::string> NamedImages(const std::string& description) {
  TQuickIni ini;
  ini.LoadFromStream(description);
  std::set<std::string> names;
  TSkinDefinition skin;
  const TPortableSkinEnvironment environment;
  ReadSkinDefinition(
      skin, ini,
      [&names](std::string_view value) {
        if (const std::string_view name = ElementImageName(value); !name.empty())
          names.insert(LowerCaseAscii(name));
        return TSkinBitmap();
      },
      environment);
  return names;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined.empty() ? "none" : joined;
}

}  // namespace

void PackFolder(const std::string& folder, const std::string& archive, std::FILE* out) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw SkinpackError(folder + ": not a folder");
  std::vector<fs::path> inis;
  std::vector<fs::path> bitmaps;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    if (HasExtension(entry.path(), ".ini")) inis.push_back(entry.path());
    if (HasExtension(entry.path(), ".bmp")) bitmaps.push_back(entry.path());
  }
  if (inis.size() != 1) {
    throw SkinpackError(folder + ": needs exactly one .ini file, has " + std::to_string(inis.size()));
  }
  std::sort(bitmaps.begin(), bitmaps.end());
  const std::string description = ReadFile(inis.front());
  // A skin whose images are missing loads with blank elements: refuse it here
  // rather than let it pass as packed.
  std::set<std::string> missing = NamedImages(description);
  std::vector<std::string> packed;
  for (const fs::path& path : bitmaps) {
    packed.push_back(path.filename().string());
    missing.erase(LowerCaseAscii(packed.back()));
  }
  if (!missing.empty()) {
    throw SkinpackError(folder + ": the description names images the folder lacks: " +
                        JoinNames({missing.begin(), missing.end()}));
  }
  TSkinArchiveWriter writer;
  try {
    writer.AddMember(inis.front().filename().string(), description);
    for (const fs::path& path : bitmaps) writer.AddMember(path.filename().string(), ReadFile(path));
    WriteFile(archive, writer.Archive());
  } catch (const std::logic_error& e) {
    throw SkinpackError(folder + ": " + e.what());
  }
  Output output(out);
  output.Write("packed " + inis.front().filename().string() + " and " + std::to_string(packed.size()) +
               " images: " + JoinNames(packed) + "\n");
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

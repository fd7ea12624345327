#include "skin/data/archive/skin_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "framework/text.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/ini/quick_ini.h"
#include "skin/data/model/read_skin_definition.h"
#include "skin/data/model/skin_loading.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ESkinFolderError(path.string() + ": cannot open");
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw ESkinFolderError(path.string() + ": cannot read");
  return bytes;
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

}  // namespace

TPackedSkinFolder PackSkinFolder(const fs::path& folder) {
  const std::string name = folder.string();
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw ESkinFolderError(name + ": not a folder");
  std::vector<fs::path> inis;
  std::vector<fs::path> bitmaps;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    if (HasExtension(entry.path(), ".ini")) inis.push_back(entry.path());
    if (HasExtension(entry.path(), ".bmp")) bitmaps.push_back(entry.path());
  }
  if (inis.size() != 1)
    throw ESkinFolderError(name + ": needs exactly one .ini file, has " + std::to_string(inis.size()));
  std::sort(bitmaps.begin(), bitmaps.end());

  TPackedSkinFolder packed;
  packed.Description = inis.front().filename().string();
  const std::string description = ReadFile(inis.front());
  // A skin whose images are missing loads with blank elements: refuse it here
  // rather than let it pass as packed.
  std::set<std::string> missing = NamedImages(description);
  for (const fs::path& path : bitmaps) {
    packed.Images.push_back(path.filename().string());
    missing.erase(LowerCaseAscii(packed.Images.back()));
  }
  if (!missing.empty()) {
    std::string names;
    for (const std::string& image : missing) names += (names.empty() ? "" : ", ") + image;
    throw ESkinFolderError(name + ": the description names images the folder lacks: " + names);
  }
  TSkinArchiveWriter writer;
  try {
    writer.AddMember(packed.Description, description);
    for (const fs::path& path : bitmaps) writer.AddMember(path.filename().string(), ReadFile(path));
    packed.Archive = writer.Archive();
  } catch (const std::logic_error& e) {
    throw ESkinFolderError(name + ": " + e.what());
  }
  return packed;
}

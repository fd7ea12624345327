#include "skin/data/model/skin_loading.h"

#include "skin/data/image/bmp_reader.h"
#include "skin/data/ini/quick_ini.h"
#include "skin/data/model/read_skin_definition.h"

namespace {

// The text after the last "\" or ":"; a trail byte of a two-byte character
// that looks like "\" is no separator.
std::string_view FileNamePart(std::string_view value) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < value.size(); i += CharLength(value, i)) {
    if (value[i] == '\\' || value[i] == ':') start = i + 1;
  }
  return value.substr(start);
}

}  // namespace

std::string_view ElementImageName(std::string_view value) {
  const std::string_view name = FileNamePart(value);
  const std::size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return {};
  return name;
}

TSkinBitmap LoadElementImage(const TSkinReader& reader, std::string_view value) {
  const std::string_view name = ElementImageName(value);
  if (name.empty()) return {};
  const std::string member = reader.ExtractByName(name);
  return member.empty() ? TSkinBitmap() : ReadBmp(member);
}

TArchiveResult LoadSkinArchive(TSkinDefinition& skin, std::string_view archive,
                               const TSkinEnvironment& environment) {
  skin.NotLoaded = true;
  TSkinReader reader;
  const TArchiveResult result = reader.LoadFromStream(archive);
  if (result == TArchiveResult::arUnknownVersion) environment.ShowOlderSkinMessage();
  if (result != TArchiveResult::arLoaded) return result;
  AnsiString ini_name;
  TQuickIni ini;
  ini.LoadFromStream(reader.ExtractByPart(".ini", ini_name));
  ReadSkinDefinition(
      skin, ini, [&reader](std::string_view value) { return LoadElementImage(reader, value); }, environment);
  return result;
}

// Parses arbitrary text as a skin description and looks up every section with
// keys taken from the text itself.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/data/ini/quick_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TQuickIni ini;
  ini.LoadFromStream(text);
  const std::string_view key = text.substr(0, text.find('='));
  for (const AnsiString& section : ini.ReadSections()) {
    ini.ReadString(section, key, "default");
    ini.ReadInteger(section, key, -1);
    ini.ReadInteger(section, "frame", 0);
  }
  return 0;
}

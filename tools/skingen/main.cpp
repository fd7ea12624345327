// skingen [--skin ember] DESCRIPTION ARCHIVE HEX [IMAGES]
// skingen --icon ICON
//
// Draws the default skin's images (or the named skin's), packs them with the description into a
// skin archive, and writes the archive, its stored form (a 32-bit length and
// the archive's bytes) as hexadecimal lines for a form description's
// binary property, and, when asked, the images as BMP files for a look.
// With --icon it draws the program's icon instead and writes it as an .ico.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <string>

#include "icon_art.h"
#include "palette.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/image/bmp_writer.h"
#include "skin/data/image/ico_writer.h"
#include "skin/data/model/skin_data.h"
#include "skin_images.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot open");
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error(path.string() + ": cannot write");
}

// 64 hexadecimal digits a line, as form descriptions keep binary data.
std::string HexLines(const std::string& archive) {
  const TBytes payload = TSkinData::StoredStream(archive);
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const auto byte = static_cast<unsigned char>(payload[i]);
    out += kDigits[byte >> 4];
    out += kDigits[byte & 15];
    if (i % 32 == 31 || i + 1 == payload.size()) out += '\n';
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const bool icon = argc == 3 && std::string(argv[1]) == "--icon";
  TSkinImages skin = DefaultSkinImages();
  if (argc > 2 && std::string(argv[1]) == "--skin") {
    if (std::string(argv[2]) != "ember") {
      std::fprintf(stderr, "skingen: no skin named %s\n", argv[2]);
      return 2;
    }
    palette::UseEmber();
    skin = EmberSkinImages();
    argv += 2;
    argc -= 2;
  }
  if (argc != 4 && argc != 5 && !icon) {
    std::fprintf(
        stderr,
        "usage: skingen [--skin ember] DESCRIPTION ARCHIVE HEX [IMAGES]\n       skingen --icon ICON\n");
    return 2;
  }
  try {
    if (icon) {
      WriteFile(argv[2], WriteIco(art::ProgramIcon()));
      return 0;
    }
    TSkinArchiveWriter writer;
    // The description keeps its own file name inside the archive.
    writer.AddMember(std::filesystem::path(argv[1]).filename().string(), ReadFile(argv[1]));
    for (const auto part : {skin.Frame, CaptionImages(), skin.Toggles, ControlImages()}) {
      for (const TSkinImageEntry& entry : part) {
        const std::string bmp = WriteBmp(entry.draw());
        if (argc == 5) WriteFile(std::filesystem::path(argv[4]) / entry.member, bmp);
        writer.AddMember(entry.member, bmp);
      }
    }
    const std::string archive = writer.Archive();
    WriteFile(argv[2], archive);
    WriteFile(argv[3], HexLines(archive));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skingen: %s\n", error.what());
    return 1;
  }
  return 0;
}

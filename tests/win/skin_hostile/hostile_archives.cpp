#include "hostile_archives.h"

#include <functional>
#include <sstream>

#include "framework/text.h"
#include "skin/data/archive/lzh_encoder.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/archive/skin_reader.h"
#include "skin/data/image/bmp_writer.h"

namespace {

using TMemberEdit = std::function<std::string(const AnsiString& name, const std::string& bytes)>;

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The good archive's members, each passed through `edit`, ready to pack again.
TSkinArchiveWriter Members(const std::string& good, const TMemberEdit& edit) {
  TSkinReader reader;
  reader.LoadFromStream(good);
  TSkinArchiveWriter writer;
  for (std::size_t i = 0; i < reader.MemberCount(); ++i) {
    const AnsiString& name = reader.MemberName(i);
    writer.AddMember(name, edit(name, std::string(reader.MemberBytes(i))));
  }
  return writer;
}

std::string Rebuilt(const std::string& good, const TMemberEdit& edit) {
  return Members(good, edit).Archive();
}

std::string EditImages(const std::string& good, const std::function<std::string(const AnsiString&)>& image) {
  return Rebuilt(good, [&](const AnsiString& name, const std::string& bytes) {
    return EndsWith(name, ".bmp") ? image(name) : bytes;
  });
}

// The description with every line passed through `line` (empty drops it).
std::string EditDescription(const std::string& good,
                            const std::function<std::string(const std::string&)>& line) {
  return Rebuilt(good, [&](const AnsiString& name, const std::string& bytes) {
    if (!EndsWith(name, ".ini")) return bytes;
    std::istringstream in(bytes);
    std::string out, text;
    while (std::getline(in, text)) {
      if (!text.empty() && text.back() == '\r') text.pop_back();
      const std::string edited = line(text);
      if (!edited.empty()) out += edited + "\r\n";
    }
    return out;
  });
}

// Frame counts and margins (borders' heights, title shifts, menu-bar ends) set to `value`.
std::string SetCounts(const std::string& good, const std::string& value) {
  return EditDescription(good, [&](const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos || text.starts_with(";")) return text;
    const AnsiString key = LowerCaseAscii(Trim(text.substr(0, equals)));
    const bool count = EndsWith(key, "frame") || EndsWith(key, "framecount") || EndsWith(key, "width") ||
                       EndsWith(key, "height") || key.starts_with("textshift") || key == "textrightclip" ||
                       key == "tileleftmenu" || key == "tilerightmenu";
    return count ? text.substr(0, equals + 1) + value : text;
  });
}

std::string WithoutSections(const std::string& good, std::vector<std::string> sections) {
  bool dropping = false;
  return EditDescription(good, [&](const std::string& text) {
    if (text.starts_with("[")) {
      dropping = false;
      for (const std::string& section : sections) dropping = dropping || text == "[" + section + "]";
    }
    return dropping ? std::string() : text;
  });
}

// A two-colour image of 4000 x 4000 pixels, one bit each: large on screen,
// small in the archive.
std::string HugeImage() {
  constexpr int kSide = 4000, kRowBytes = kSide / 8;
  std::string bmp = "BM";
  const auto u32 = [&bmp](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp.push_back(static_cast<char>(v >> (8 * i)));
  };
  const auto u16 = [&bmp](std::uint16_t v) {
    bmp.push_back(static_cast<char>(v));
    bmp.push_back(static_cast<char>(v >> 8));
  };
  constexpr std::uint32_t kPixelsAt = 14 + 40 + 8;
  u32(kPixelsAt + kRowBytes * kSide);
  u32(0);
  u32(kPixelsAt);
  u32(40);
  u32(kSide);
  u32(kSide);
  u16(1);
  u16(1);
  for (int i = 0; i < 6; ++i) u32(0);
  u32(0x00FF00FF);  // fuchsia, the key colour
  u32(0x00406080);
  for (int y = 0; y < kSide; ++y) bmp.append(kRowBytes, (y / 16) % 2 == 0 ? '\x0F' : '\xF0');
  return bmp;
}

// The good archive's members in a container of a format version no skin
// tool wrote.
std::string UnknownVersion(const std::string& good) {
  std::string container =
      Members(good, [](const AnsiString&, const std::string& bytes) { return bytes; }).Container();
  const std::uint32_t version = 80000;
  for (int i = 0; i < 4; ++i) container[static_cast<std::size_t>(i)] = static_cast<char>(version >> (8 * i));
  std::string archive;
  for (int i = 0; i < 4; ++i) archive.push_back(static_cast<char>(container.size() >> (8 * i)));
  return archive + LzhEncode(container);
}

}  // namespace

std::vector<THostileSkin> HostileSkins(const std::string& good) {
  std::vector<THostileSkin> skins;
  skins.push_back({"empty images", EditImages(good, [](const AnsiString&) { return std::string(); })});
  const std::string pixel = WriteBmp(TSkinBitmap(1, 1, TColor(0x808080)));
  skins.push_back({"1 x 1 images", EditImages(good, [&](const AnsiString&) { return pixel; })});
  // The title, a caption button, the button faces, the check box, the menu
  // bar and the scroll bar; wide side borders would only make a picture too
  // large to keep.
  const std::string huge = HugeImage();
  skins.push_back({"4000 x 4000 images", Rebuilt(good, [&](const AnsiString& name, const std::string& bytes) {
                     for (const char* big : {"top.bmp", "close.bmp", "button.bmp", "check.bmp", "menubar.bmp",
                                             "scrollbar.bmp"}) {
                       if (name == big) return huge;
                     }
                     return bytes;
                   })});
  skins.push_back(
      {"images cut short", EditImages(good, [&](const AnsiString&) { return huge.substr(0, 200); })});
  for (const char* value : {"0", "-7", "100000", "2147483647", "-2147483648"})
    skins.push_back({std::string("counts and margins ") + value, SetCounts(good, value)});
  skins.push_back(
      {"no frame, buttons or scroll bars",
       WithoutSections(good, {"Personality", "Buttons", "Scrollbar", "HorzScroll", "VertScroll"})});
  return skins;
}

std::vector<THostileSkin> DamagedArchives(const std::string& good) {
  return {{"no sections", EditDescription(good, [](const std::string&) { return std::string(); })},
          {"archive of an unknown version", UnknownVersion(good)},
          {"archive cut in half", good.substr(0, good.size() / 2)},
          {"archive cut to its header", good.substr(0, 12)}};
}

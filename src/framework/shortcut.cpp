#include "framework/shortcut.h"

namespace {

// Names of the keys from Space (0x20) to Down (0x28).
constexpr const char* kNavigationKeys[] = {"Space", "PgUp", "PgDn",  "End", "Home",
                                           "Left",  "Up",   "Right", "Down"};

AnsiString KeyName(unsigned key) {
  if (key == 0x08) return "BkSp";
  if (key == 0x09) return "Tab";
  if (key == 0x0D) return "Enter";
  if (key == 0x1B) return "Esc";
  if (key >= 0x20 && key <= 0x28) return kNavigationKeys[key - 0x20];
  if (key == 0x2D) return "Ins";
  if (key == 0x2E) return "Del";
  if (key >= '0' && key <= '9') return AnsiString(1, static_cast<char>(key));
  if (key >= 'A' && key <= 'Z') return AnsiString(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return AnsiString(1, static_cast<char>('0' + key - 0x60));  // keypad digits
  if (key >= 0x70 && key <= 0x87) {
    // Appended, not prefixed: GCC 12 at -O3 warns falsely (-Wrestrict) on a prefix insert.
    AnsiString name = "F";
    return name += std::to_string(key - 0x6F);
  }
  return {};
}

}  // namespace

AnsiString ShortCutToText(TShortCut shortcut) {
  AnsiString name = KeyName(shortcut & 0xFFu);
  if (name.empty()) return {};
  AnsiString text;
  if (shortcut & scShift) text += "Shift+";
  if (shortcut & scCtrl) text += "Ctrl+";
  if (shortcut & scAlt) text += "Alt+";
  return text + name;
}

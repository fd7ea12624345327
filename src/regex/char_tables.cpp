#include "regex/char_tables.h"

#include <cctype>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Offsets and bits of PCRE2's table block (pcre2_maketables lays it out so).
constexpr int kLowerCaseMap = 0;
constexpr int kFlipCaseMap = 256;
constexpr int kClassBits = 512;
constexpr int kCharTypes = 832;
enum ClassBitmap {
  cbitSpace = 0,
  cbitXdigit = 32,
  cbitDigit = 64,
  cbitUpper = 96,
  cbitLower = 128,
  cbitWord = 160,
  cbitGraph = 192,
  cbitPrint = 224,
  cbitPunct = 256,
  cbitCntrl = 288
};
enum CharType {
  ctypeSpace = 0x01,
  ctypeLetter = 0x02,
  ctypeLowerLetter = 0x04,
  ctypeDigit = 0x08,
  ctypeWord = 0x10
};

}  // namespace

TByteClasses LocaleByteClasses() {
  TByteClasses classes;
  for (int i = 0; i < 256; ++i) {
    TByteClass& c = classes[static_cast<std::size_t>(i)];
#ifdef _WIN32
    char ch = static_cast<char>(i);
    WORD type = 0;
    GetStringTypeExA(LOCALE_USER_DEFAULT, CT_CTYPE1, &ch, 1, &type);
    c.space = type & C1_SPACE;
    c.upper = type & C1_UPPER;
    c.lower = type & C1_LOWER;
    c.alpha = (type & C1_ALPHA) || c.upper || c.lower;
    c.digit = type & C1_DIGIT;
    c.xdigit = type & C1_XDIGIT;
    c.punct = type & C1_PUNCT;
    c.cntrl = type & C1_CNTRL;
    c.graph = c.punct || c.alpha || c.digit;
    c.print = c.graph || ((type & C1_BLANK) && !c.cntrl);
    char lower = ch, upper = ch;
    CharLowerBuffA(&lower, 1);
    CharUpperBuffA(&upper, 1);
    c.to_lower = static_cast<unsigned char>(lower);
    c.to_upper = static_cast<unsigned char>(upper);
#else
    c.space = std::isspace(i);
    c.alpha = std::isalpha(i);
    c.upper = std::isupper(i);
    c.lower = std::islower(i);
    c.digit = std::isdigit(i);
    c.xdigit = std::isxdigit(i);
    c.punct = std::ispunct(i);
    c.cntrl = std::iscntrl(i);
    c.graph = std::isgraph(i);
    c.print = std::isprint(i);
    c.to_lower = static_cast<unsigned char>(std::tolower(i));
    c.to_upper = static_cast<unsigned char>(std::toupper(i));
#endif
  }
  return classes;
}

TCharTables MakeCharTables(const TByteClasses& classes) {
  TCharTables t{};
  for (int i = 0; i < 256; ++i) {
    const TByteClass& c = classes[static_cast<std::size_t>(i)];
    const bool word = c.alpha || c.digit || i == '_';
    t[kLowerCaseMap + i] = c.to_lower;
    t[kFlipCaseMap + i] = c.lower ? c.to_upper : c.to_lower;
    const auto set = [&](int bitmap, bool on) {
      if (on) t[kClassBits + bitmap + i / 8] |= static_cast<unsigned char>(1u << (i & 7));
    };
    set(cbitDigit, c.digit);
    set(cbitUpper, c.upper);
    set(cbitLower, c.lower);
    set(cbitWord, word);
    set(cbitSpace, c.space);
    set(cbitXdigit, c.xdigit);
    set(cbitGraph, c.graph);
    set(cbitPrint, c.print);
    set(cbitPunct, c.punct);
    set(cbitCntrl, c.cntrl);
    t[kCharTypes + i] = static_cast<unsigned char>((c.space ? ctypeSpace : 0) | (c.alpha ? ctypeLetter : 0) |
                                                   (c.lower ? ctypeLowerLetter : 0) |
                                                   (c.digit ? ctypeDigit : 0) | (word ? ctypeWord : 0));
  }
  return t;
}

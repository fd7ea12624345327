#include "framework/font.h"

#include "framework/published.h"

namespace {

constexpr const char* kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

constexpr TIdentMapEntry kCharsets[] = {
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

// Rounds half away from zero, as the platform's MulDiv does.
int MulDiv(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

const TEnumInfo kFontStyleInfo{"TFontStyle", kFontStyleNames};

std::span<const TIdentMapEntry> CharsetConstants() {
  return kCharsets;
}

const TClassInfo& TFont::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishInteger("Charset", CharsetConstants(), &TFont::Charset, &TFont::SetCharset),
      PublishInteger("Color", ColorConstants(), &TFont::Color, &TFont::SetColor),
      PublishInteger("Height", &TFont::Height, &TFont::SetHeight),
      PublishString("Name", &TFont::Name, &TFont::SetName),
      PublishInteger("Size", &TFont::Size, &TFont::SetSize),
      PublishSet("Style", kFontStyleInfo, &TFont::Style, &TFont::SetStyle),
  };
  static const TClassInfo info = MakeClassInfo<TFont, TPersistent>("TFont", properties);
  return info;
}

void TFont::SetName(std::string_view name) {
  name_ = AnsiString(name);
  Changed();
}

void TFont::SetHeight(int height) {
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return -MulDiv(height_, 72, kPixelsPerInch);
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetCharset(TFontCharset charset) {
  charset_ = charset;
  Changed();
}

void TFont::SetColor(TColor color) {
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  style_ = style;
  Changed();
}

void TFont::Assign(const TPersistent& source) {
  const TFont* font = ObjectAs<TFont>(&source);
  if (font == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (font == this) return;
  name_ = font->name_;
  height_ = font->height_;
  charset_ = font->charset_;
  color_ = font->color_;
  style_ = font->style_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && charset_ == other.charset_ &&
         color_ == other.color_ && style_ == other.style_;
}

void TFont::Changed() {
  if (on_change_) on_change_();
}

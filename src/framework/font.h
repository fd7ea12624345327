#pragma once
// The font of a control as a published sub-object ("Font.Name = '宋体'").
// Height is in pixels (negative: character height without internal leading);
// Size is the same in points at 96 pixels per inch. Every change is reported
// through the change callback, so the owning control can follow it.

#include <functional>
#include <span>

#include "framework/colors.h"
#include "framework/object.h"
#include "framework/set.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
extern const TEnumInfo kFontStyleInfo;

using TFontCharset = int;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset GB2312_CHARSET = 134;
// The charset constants a description may name (ANSI_CHARSET, GB2312_CHARSET).
std::span<const TIdentMapEntry> CharsetConstants();

class TFont : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  static constexpr int kPixelsPerInch = 96;

  const AnsiString& Name() const { return name_; }
  void SetName(std::string_view name);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Size() const;
  void SetSize(int points);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  void Assign(const TPersistent& source) override;
  bool SameAs(const TFont& other) const;

  // Called after every change; one call for a whole Assign.
  void SetOnChange(std::function<void()> on_change) { on_change_ = std::move(on_change); }

 private:
  void Changed();

  AnsiString name_ = "MS Sans Serif";
  int height_ = -11;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  TFontStyles style_;
  std::function<void()> on_change_;
};

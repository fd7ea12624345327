#pragma once
// Label: a caption painted by its parent, without a window.

#include "framework/win/graphic_control.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const TEnumInfo kAlignmentInfo;

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool AutoSize() const { return auto_size_; }
  // On: the label takes the size of its caption.
  void SetAutoSize(bool auto_size);
  void SetText(std::string_view text) override;
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  void Paint(HDC dc) override;

 private:
  void AdjustSize();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool auto_size_ = true;
  bool transparent_ = false;  // the parent shows through instead of Color
};

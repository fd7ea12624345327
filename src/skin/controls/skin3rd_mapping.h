#pragma once
// Controls of other vendors' classes, mapped through the skin component's
// Skin3rd lines ("ClassName=kind") to the kinds of control the skin knows.

#include <optional>
#include <string_view>

#include "skin/controls/control_mapping.h"

// The kind of a class: the text after the first "=" of the first line that
// starts with the class name and "=" (letter case ignored on both sides),
// lower-cased, at most 50 characters; none when no line names the class.
std::optional<AnsiString> Skin3rdKind(std::string_view class_name, const TStringArray& lines);

// The mapping the control's Skin3rd line gives; none when no line names its
// class. A named class is handled even when it gets nothing: kind "nil", an
// unknown kind, or a kind whose SkinControls member is missing.
std::optional<TSkinMapping> Skin3rdMapping(const TControlFacts& control, const TMappingSettings& settings);

#pragma once
// The control mapping for windows no framework control owns (the children of
// a foreign dialog, a size grip): the skin object follows from the window's
// class name (letter case ignored) and style. Objects made here are attached
// to the window by handle; the caller visits a dialog's child windows from
// its top child along the sibling chain, skipping windows already skinned.

#include <cstdint>
#include <string_view>

#include "skin/controls/control_mapping.h"

TSkinMapping ChooseWindowSkin(std::string_view class_name, std::uint32_t style,
                              const TMappingSettings& settings);

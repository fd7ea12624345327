#pragma once
// Reading a skin description (the archive's INI member) into a
// TSkinDefinition: every element, caption button and colour, then the frame
// counts and the images derived from them. Reading never fails on content:
// what is missing takes its default or stays empty.

#include <functional>
#include <string_view>

#include "skin/data/ini/quick_ini.h"
#include "skin/data/model/skin_definition.h"
#include "skin/data/model/skin_environment.h"

// The image an image key names ("frame\top.bmp"): empty when there is none.
using TSkinImageLoader = std::function<TSkinBitmap(std::string_view value)>;

// Replaces every slot and colour of `skin` from `ini` and clears NotLoaded.
// ComboxArrow and Toolbar survive from an earlier reading (the arrow keeps
// its image when the new skin has no combo images).
void ReadSkinDefinition(TSkinDefinition& skin, const TQuickIni& ini, const TSkinImageLoader& load_image,
                        const TSkinEnvironment& environment);

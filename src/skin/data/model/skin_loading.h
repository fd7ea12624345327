#pragma once
// Loading a skin from its archive: the archive's INI member read into a
// TSkinDefinition, each image key taken from the archive's BMP members.

#include <string_view>

#include "skin/data/archive/skin_reader.h"
#include "skin/data/model/skin_definition.h"
#include "skin/data/model/skin_environment.h"

// The member name an image key's value gives: the file-name part of `value`
// (after the last "\" or ":") when its extension is exactly ".bmp"; empty
// otherwise.
std::string_view ElementImageName(std::string_view value);

// The image of the member ElementImageName gives; empty when there is none
// or the archive lacks it.
TSkinBitmap LoadElementImage(const TSkinReader& reader, std::string_view value);

// Sets NotLoaded, decodes the archive and, for a known version, reads the
// first member whose name contains ".ini" (an archive without one reads as
// an empty description). A version the format does not know is reported to
// the user through the environment. NotLoaded is clear only on arLoaded.
TArchiveResult LoadSkinArchive(TSkinDefinition& skin, std::string_view archive,
                               const TSkinEnvironment& environment);

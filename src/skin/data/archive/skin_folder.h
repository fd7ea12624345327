#pragma once
// A skin folder (one .ini description and its .bmp images) made into an
// archive in memory: for the packer, and for programs that show a skin
// straight from its sources.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

class ESkinFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TPackedSkinFolder {
  std::string Archive;              // the version-70000 archive's bytes
  std::string Description;          // the .ini member's file name
  std::vector<std::string> Images;  // the .bmp members' file names, in name order
};

// The folder's one .ini file and every .bmp file in it (in name order, the
// description first). Refused, naming what is wrong, when the folder is
// none, holds no or several .ini files, or lacks an image its description
// names.
TPackedSkinFolder PackSkinFolder(const std::filesystem::path& folder);

// skinpack: builds and inspects skin archives.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "skinpack_commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kBadInput = 2;

const char kUsage[] =
    "usage: skinpack pack DIR ARCHIVE     pack DIR's one .ini file and every .bmp file in it;\n"
    "                                     refused when the .ini names an image DIR lacks\n"
    "       skinpack list ARCHIVE         member names and sizes, one a line\n"
    "       skinpack extract ARCHIVE NAME a member's bytes to standard output\n"
    "       skinpack unlzh FILE           decode one length-prefixed LZHUF stream to standard output\n"
    "An archive holds version-70000 skin data; member names are compared without regard to case.\n"
    "On bad input skinpack prints one line on standard error and exits with status 2.\n";

int Run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "pack" && args.size() == 3) {
    PackFolder(args[1], args[2], stdout);
  } else if (command == "list" && args.size() == 2) {
    ListMembers(args[1], stdout);
  } else if (command == "extract" && args.size() == 3) {
    ExtractMember(args[1], args[2], stdout);
  } else if (command == "unlzh" && args.size() == 2) {
    UnpackStream(args[1], stdout);
  } else if (command == "help" && args.size() == 1) {
    std::fputs(kUsage, stdout);
  } else {
    std::fputs("skinpack: bad usage; \"skinpack help\" lists the commands\n", stderr);
    return kBadInput;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Member bytes go out unchanged: no CR before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
  }
  return kBadInput;
}

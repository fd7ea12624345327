#include <gtest/gtest.h>

#include "framework/win/command_line.h"
#include "framework/win/wide.h"
#include "framework/win/win_api.h"

namespace {
std::wstring TempFolder() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return dir;
}
}  // namespace

// A Chinese file name in GBK reaches the started program intact, whatever the
// system's ANSI code page.
TEST(CommandLine, GbkFileNameReachesTheProgramAsUnicode) {
  EXPECT_EQ(WideCommandLine("notepad.exe C:\\\xB1\xA8\xB8\xE6\\\xCE\xC4\xD5\xC2.txt"),
            L"notepad.exe C:\\\u62A5\u544A\\\u6587\u7AE0.txt");

  const std::wstring file = TempFolder() + L"lexitally-\u62A5\u544A.txt";
  DeleteFileW(file.c_str());
  ASSERT_TRUE(StartCommand("cmd.exe /c type nul > \"" + FromWide(file) + "\""));
  // The command is not waited for.
  for (int i = 0; i < 100 && GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
  EXPECT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileW(file.c_str());
}

TEST(CommandLine, AProgramThatDoesNotExistIsNotStarted) {
  EXPECT_FALSE(StartCommand("lexitally-no-such-program.exe"));
}

// skinview --capture on skins made to break it: each run ends within a
// minute, with a picture or with one line on standard error, never with a
// crash or a hang.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/win/win_api.h"
#include "hostile_archives.h"

namespace fs = std::filesystem;

namespace {

constexpr DWORD kTimeLimitMs = 60000;
// Most of a capture is waiting for the skin to come on: a few run at once.
constexpr std::size_t kAtOnce = 4;

fs::path ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(std::wstring(path, length)).parent_path();
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

HANDLE InheritableFile(const fs::path& file) {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One run of skinview --capture PICTURE SKIN, its output in files (Wine's
// helper processes would hold a pipe open long after it ended).
class TCaptureRun {
 public:
  TCaptureRun(std::string name, const fs::path& work, const std::string& archive) : name_(std::move(name)) {
    skin_ = work / (name_ + ".skn");
    picture_ = work / (name_ + ".bmp");
    std::ofstream(skin_, std::ios::binary) << archive;
  }

  void Start() {
    out_ = InheritableFile(picture_.string() + ".out");
    err_ = InheritableFile(picture_.string() + ".err");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out_;
    startup.hStdError = err_;
    std::wstring command = L"\"" + (ProgramFolder() / "skinview.exe").wstring() + L"\" --capture \"" +
                           picture_.wstring() + L"\" \"" + skin_.wstring() + L"\"";
    started_ = GetTickCount();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process_))
      process_ = {};
  }

  // Waits for the end, ending the program once its minute is up.
  void Finish() {
    if (process_.hProcess != nullptr) {
      const DWORD spent = GetTickCount() - started_;
      if (WaitForSingleObject(process_.hProcess, kTimeLimitMs - std::min(spent, kTimeLimitMs)) ==
          WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, STILL_ACTIVE);
        WaitForSingleObject(process_.hProcess, 5000);
      }
      GetExitCodeProcess(process_.hProcess, &exit_code_);
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
    CloseHandle(out_);
    CloseHandle(err_);
  }

  void ExpectAPictureOrOneLine() const {
    const std::string out = ReadAll(picture_.string() + ".out"), err = ReadAll(picture_.string() + ".err");
    SCOPED_TRACE(name_ + ": exit " + std::to_string(exit_code_) + ", out [" + out + "], err [" + err + "]");
    if (exit_code_ == 0) {
      EXPECT_TRUE(fs::exists(picture_));
      EXPECT_GT(fs::file_size(picture_), 54u);
      return;
    }
    EXPECT_EQ(exit_code_, 2u);
    EXPECT_FALSE(fs::exists(picture_));
    // One line, ended by the only line break.
    EXPECT_TRUE(err.starts_with("skinview: "));
    EXPECT_EQ(err.find('\n'), err.size() - 1);
  }

 private:
  std::string name_;
  fs::path skin_, picture_;
  HANDLE out_ = nullptr, err_ = nullptr;
  PROCESS_INFORMATION process_{};
  DWORD started_ = 0;
  DWORD exit_code_ = STILL_ACTIVE;
};

TEST(HostileSkins, SkinviewEndsWithAPictureOrOneLineAndNeverCrashesOrHangs) {
  const fs::path work = fs::current_path() / "hostile_skins";
  fs::remove_all(work);
  fs::create_directories(work);
  std::vector<TCaptureRun> runs;
  // Each of our skins takes paths of the engine the other does not; what
  // breaks the archive itself breaks either alike.
  for (const char* base : {"default", "ember"}) {
    const std::string good = ReadAll(ProgramFolder() / "skins" / (std::string(base) + ".skn"));
    ASSERT_FALSE(good.empty()) << base;
    std::vector<THostileSkin> skins = HostileSkins(good);
    if (base == std::string("default")) {
      for (THostileSkin& damaged : DamagedArchives(good)) skins.push_back(std::move(damaged));
    }
    for (const THostileSkin& skin : skins)
      runs.emplace_back(base + std::string(", ") + skin.Name, work, skin.Archive);
  }
  for (std::size_t first = 0; first < runs.size(); first += kAtOnce) {
    const std::size_t end = std::min(first + kAtOnce, runs.size());
    for (std::size_t i = first; i < end; ++i) runs[i].Start();
    for (std::size_t i = first; i < end; ++i) runs[i].Finish();
  }
  for (const TCaptureRun& run : runs) run.ExpectAPictureOrOneLine();
}

}  // namespace

#include "framework/win/command_line.h"

#include "framework/win/wide.h"
#include "framework/win/win_api.h"

std::wstring WideCommandLine(std::string_view command) {
  return ToWide(command);
}

bool StartCommand(std::string_view command) {
  // CreateProcessW may write into the command line.
  std::wstring line = WideCommandLine(command);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

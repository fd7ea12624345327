#include "gui_objects.h"

#include "framework/win/win_api.h"

#include <winternl.h>

#include <cstdint>

namespace {

// Wine answers GetGuiResources with 0 for both kinds, so the objects are
// counted where Wine keeps them: GDI objects in the process's shared handle
// table (named by the PEB, one 24-byte entry per handle, type byte nonzero
// while in use), USER objects by walking the windows and the user handle
// space, where a handle whose upper word is 0 matches any generation.
struct TGdiHandleEntry {
  std::uint64_t Object;
  std::uint32_t Owner;
  std::uint8_t ExtType;  // the top bit marks a stock object
  std::uint8_t Generation;
  std::uint8_t Type;
  std::uint8_t Flags;
  std::uint64_t UserPointer;
};
static_assert(sizeof(TGdiHandleEntry) == 24);

constexpr int kGdiHandles = 0x10000;
constexpr std::uint8_t kStockFlag = 0x80;
// The user handle space: even low words from the first handle to the last.
constexpr unsigned kFirstUserHandle = 0x20, kLastUserHandle = 0xFFEF;

int GdiFromHandleTable() {
  using TQuery = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<TQuery>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr ||
      query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
    return 0;
  }
  const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  const std::size_t table_at = sizeof(void*) == 8 ? 0xF8 : 0x94;
  const auto* table = *reinterpret_cast<const TGdiHandleEntry* const*>(peb + table_at);
  if (table == nullptr) return 0;
  int count = 0;
  for (int i = 0; i < kGdiHandles; ++i) count += table[i].Type != 0 && (table[i].ExtType & kStockFlag) == 0;
  return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// EnumChildWindows goes to every depth below a top-level window.
BOOL CALLBACK CountTopLevel(HWND wnd, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(wnd, CountChild, count);
  return TRUE;
}

int UserFromHandles() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
  const DWORD process = GetCurrentProcessId();
  for (HWND wnd = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); wnd != nullptr;
       wnd = FindWindowExW(HWND_MESSAGE, wnd, nullptr, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    count += owner == process;
  }
  for (unsigned low = kFirstUserHandle; low < kLastUserHandle; low += 2) {
    const auto handle = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(low));
    if (IsMenu(static_cast<HMENU>(handle))) {
      ++count;
      continue;
    }
    ICONINFO icon{};
    if (GetIconInfo(static_cast<HICON>(handle), &icon)) {
      ++count;
      if (icon.hbmColor != nullptr) DeleteObject(icon.hbmColor);
      if (icon.hbmMask != nullptr) DeleteObject(icon.hbmMask);
    }
  }
  return count;
}

}  // namespace

TGuiObjects CountGuiObjects() {
  const HANDLE process = GetCurrentProcess();
  TGuiObjects objects;
  objects.Gdi = static_cast<int>(GetGuiResources(process, GR_GDIOBJECTS));
  if (objects.Gdi == 0) objects.Gdi = GdiFromHandleTable();
  objects.User = static_cast<int>(GetGuiResources(process, GR_USEROBJECTS));
  if (objects.User == 0) objects.User = UserFromHandles();
  return objects;
}

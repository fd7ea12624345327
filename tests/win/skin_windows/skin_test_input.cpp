#include "skin_test_input.h"

#include "app/win/startup.h"
#include "framework/win/application.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/windows/win/skin_engine.h"

namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

struct TScript {
  std::function<void()> check;
  UINT_PTR check_timer = 0;
  std::vector<WORD> keys;
  UINT_PTR key_timer = 0;
  std::vector<HMENU>* seen = nullptr;
  int limit = 0;
  UINT_PTR record_timer = 0;
};

TScript& Script() {
  static TScript script;
  return script;
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

void CALLBACK CheckTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  auto check = std::move(Script().check);
  Script().check = nullptr;
  if (check) check();
}

void CALLBACK KeyTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  auto& keys = Script().keys;
  if (keys.empty()) {
    KillTimer(nullptr, timer);
    return;
  }
  const WORD key = keys.front();
  keys.erase(keys.begin());
  SendKey(key, false);
  SendKey(key, true);
}

void CALLBACK RecordTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  TScript& script = Script();
  if (script.seen == nullptr || static_cast<int>(script.seen->size()) >= script.limit) {
    KillTimer(nullptr, timer);
    return;
  }
  const HMENU open = OpenDropDown();
  if (open != nullptr && (script.seen->empty() || script.seen->back() != open)) script.seen->push_back(open);
}

}  // namespace

void InstallSkinEngine() {
  InitializeApplication();
  static const TSkinEngine engine(ControlSkinsProvider());
  InstallSkinEnvironment(engine);
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 150; ++i) {
    if (done()) return true;
    Pump(10);
  }
  return done();
}

void MouseTo(POINT screen) {
  QueueMove(screen);
  Pump(60);
}

void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
  Pump(60);
}

void ClickAt(POINT screen) {
  MouseTo(screen);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

void QueueMove(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof(input));
}

void QueueClick(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[3] = {};
  for (INPUT& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input[0].mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, input, sizeof(INPUT));
}

void KeyChord(WORD modifier, WORD key) {
  SendKey(modifier, false);
  SendKey(key, false);
  SendKey(key, true);
  SendKey(modifier, true);
}

void AfterDelay(int ms, std::function<void()> check) {
  Script().check = std::move(check);
  Script().check_timer = SetTimer(nullptr, 0, static_cast<UINT>(ms), CheckTimer);
}

void PostDelayedKeys(std::vector<WORD> keys, int interval_ms) {
  Script().keys = std::move(keys);
  Script().key_timer = SetTimer(nullptr, 0, static_cast<UINT>(interval_ms), KeyTimer);
}

void RecordDropDowns(std::vector<HMENU>& seen, int limit) {
  Script().seen = &seen;
  Script().limit = limit;
  Script().record_timer = SetTimer(nullptr, 0, 50, RecordTimer);
}

HMENU OpenDropDown() {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (popup == nullptr || !IsWindowVisible(popup)) return nullptr;
  return reinterpret_cast<HMENU>(SendMessageW(popup, kGetMenuHandle, 0, 0));
}

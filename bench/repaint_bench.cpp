// What the skin costs on screen: the whole main window, frame and every
// control, repainted many times with the skin on, then again with it off;
// then each kind of control on its own, to show where the difference goes.

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/win_api.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/data/model/skin_data.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_engine.h"

namespace {

constexpr int kRepaints = 200;

bool Skinned(HWND wnd) {
  return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1;
}

// Handles messages until `done` holds; false after 10 s.
template <class Done>
bool PumpUntil(Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 10000) return false;
    Application().ProcessMessages();
    Sleep(10);
  }
  Application().ProcessMessages();
  return true;
}

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

constexpr UINT kWhole = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW;

// Milliseconds per repaint of all the windows, each painted in place with
// `flags`, `times` times.
double MsPerRepaint(const std::vector<HWND>& windows, int times, UINT flags) {
  const double start = Now();
  for (int i = 0; i < times; ++i)
    for (const HWND wnd : windows) {
      RedrawWindow(wnd, nullptr, nullptr, flags);
      GdiFlush();
    }
  return (Now() - start) * 1000.0 / times;
}

std::string ClassOf(HWND wnd) {
  char name[64] = {};
  GetClassNameA(wnd, name, sizeof(name));
  return name;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM out) {
  if (IsWindowVisible(wnd))
    (*reinterpret_cast<std::map<std::string, std::vector<HWND>>*>(out))[ClassOf(wnd)].push_back(wnd);
  return TRUE;
}

// The visible controls of the window by class, each timed without its
// children (a panel's are timed with their own class).
std::map<std::string, std::vector<HWND>> ControlsByClass(HWND form) {
  std::map<std::string, std::vector<HWND>> controls;
  EnumChildWindows(form, CollectChild, reinterpret_cast<LPARAM>(&controls));
  return controls;
}

// One side's figures: the whole window, and each kind of control.
struct TFigures {
  double Whole = 0;
  std::map<std::string, double> Parts;
};

// Adds a measurement of the window as it is now, over `times` repaints.
void Measure(HWND wnd, const std::map<std::string, std::vector<HWND>>& controls, int times,
             TFigures& figures) {
  MsPerRepaint({wnd}, 5, kWhole | RDW_ALLCHILDREN);  // warm the caches after a switch
  figures.Whole += MsPerRepaint({wnd}, times, kWhole | RDW_ALLCHILDREN);
  for (const auto& [cls, windows] : controls) {
    std::vector<HWND> shown;
    for (const HWND w : windows)
      if (IsWindowVisible(w)) shown.push_back(w);
    // Overlays hidden while the skin is off are left out, not timed at nothing.
    if (!shown.empty()) figures.Parts[cls] += MsPerRepaint(shown, times / 4, kWhole);
  }
}

}  // namespace

int main() {
  InitializeApplication();
  static const TSkinEngine engine(ControlSkinsProvider());
  InstallSkinEnvironment(engine);
  auto* form = new Tfrmmain(&Application());
  auto* skin = ObjectAs<TSkinData>(form->FindComponent("skndt1"));
  // As after a split of a long text: bars on the memos, rows in the report.
  std::string text;
  for (int line = 0; line < 300; ++line)
    text += "The quick brown fox jumps over the lazy dog " + std::to_string(line) + "\r\n";
  form->mmo1->SetText(text.c_str());
  form->Button3Click(nullptr);
  form->Show();
  const HWND wnd = form->Handle();
  const auto skinned = [&] { return Skinned(wnd) && Skinned(form->Button3->Handle()); };
  if (!PumpUntil(skinned)) {
    std::fprintf(stderr, "the window was not skinned\n");
    return 1;
  }
  const auto controls = ControlsByClass(wnd);

  // Rounds taken in turn, so that a machine busy with other work weighs on
  // both sides alike.
  constexpr int kRounds = 4;
  TFigures on, off;
  for (int round = 0; round < kRounds; ++round) {
    skin->SetActive(true);
    if (!PumpUntil(skinned)) {
      std::fprintf(stderr, "the skin did not come on\n");
      return 1;
    }
    Measure(wnd, controls, kRepaints / kRounds, on);
    skin->SetActive(false);
    if (!PumpUntil([&] { return !Skinned(wnd) && !Skinned(form->Button3->Handle()); })) {
      std::fprintf(stderr, "the skin did not go off\n");
      return 1;
    }
    Measure(wnd, controls, kRepaints / kRounds, off);
  }

  std::printf("whole window, %d repaints each, in %d rounds\n", kRepaints, kRounds);
  std::printf("  skinned   %8.3f ms per repaint\n", on.Whole / kRounds);
  std::printf("  unskinned %8.3f ms per repaint\n", off.Whole / kRounds);
  std::printf("  ratio     %8.2f\n", on.Whole / off.Whole);
  std::printf("each kind of control alone (ms per repaint of all its windows)\n");
  std::printf("  %-14s %6s %10s %10s %7s\n", "class", "count", "skinned", "unskinned", "ratio");
  for (const auto& [cls, windows] : controls) {
    const double a = on.Parts[cls] / kRounds;
    if (const auto b = off.Parts.find(cls); b != off.Parts.end())
      std::printf("  %-14s %6zu %10.3f %10.3f %7.2f\n", cls.c_str(), windows.size(), a, b->second / kRounds,
                  a * kRounds / b->second);
    else
      std::printf("  %-14s %6zu %10.3f %10s %7s\n", cls.c_str(), windows.size(), a, "-", "-");
  }
  form->Free();
  return 0;
}

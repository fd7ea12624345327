// skinview: every control the skin engine draws, in one window, under a
// skin of the author's choice; or, with --capture, that window's picture.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/win_api.h"

#include <shellapi.h>

#include "gallery_form.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/data/image/bmp_writer.h"
#include "skin/data/win/dib_image.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_engine.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBadInput = 2;

fs::path ProgramFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(std::wstring(path, length)).parent_path();
}

// The skins beside the program (archives and skin folders), the default first.
std::vector<fs::path> SkinsBeside() {
  std::vector<fs::path> skins;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(ProgramFolder() / "skins", error))
    skins.push_back(entry.path());
  std::sort(skins.begin(), skins.end(), [](const fs::path& a, const fs::path& b) {
    return std::tuple(a.stem() != "default", a) < std::tuple(b.stem() != "default", b);
  });
  return skins;
}

// A capture runs unattended: no message box may wait for a click that never
// comes. A skin of an unknown version is refused on standard error instead,
// like any other archive the program cannot read.
class TUnattendedSkinEngine final : public TSkinEngine {
 public:
  using TSkinEngine::TSkinEngine;
  void ShowOlderSkinMessage() const override {}
};

const TSkinEngine& SkinEngine(bool unattended) {
  if (unattended) {
    static const TUnattendedSkinEngine engine(ControlSkinsProvider());
    return engine;
  }
  static const TSkinEngine engine(ControlSkinsProvider());
  return engine;
}

void Fail(const std::string& message) {
  std::fprintf(stderr, "skinview: %s\n", message.c_str());
}

// Handles messages for `ms`, or until `done` holds.
template <class Done>
bool PumpUntil(Done done, int ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (static_cast<int>(GetTickCount() - start) > ms) return false;
    Application().ProcessMessages();
    Sleep(10);
  }
  return true;
}

int Capture(TGalleryForm& gallery, const std::string& file) {
  const HWND wnd = gallery.Handle();
  SetForegroundWindow(wnd);
  // The skin comes on a moment after the window; its controls right after.
  PumpUntil([&] { return SendMessageW(wnd, SKM_ISSKINNED, 0, 0) == 1; }, 10000);
  PumpUntil([] { return false; }, 1000);
  RedrawWindow(wnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpUntil([] { return false; }, 300);
  RECT r{};
  GetWindowRect(wnd, &r);
  const HDC dc = GetWindowDC(wnd);
  const TSkinBitmap picture = CaptureImage(dc, {0, 0, r.right - r.left, r.bottom - r.top});
  ReleaseDC(wnd, dc);
  const std::string bytes = WriteBmp(picture);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    Fail(file + ": cannot write");
    return kBadInput;
  }
  std::set<TColor> colours;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) colours.insert(picture.Pixel(x, y));
  std::printf("%s: %d x %d pixels, %zu colours, skin %s\n", file.c_str(), picture.Width(), picture.Height(),
              colours.size(), gallery.Skin()->SkinName.c_str());
  return 0;
}

int Run(const std::vector<std::string>& args) {
  std::string capture;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--capture" && i + 1 < args.size()) {
      capture = args[++i];
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.size() > 1 || (!rest.empty() && rest[0].starts_with("--"))) {
    Fail("usage: skinview [--capture FILE.bmp] [SKIN]  (SKIN: an archive or a skin folder)");
    return kBadInput;
  }
  const std::vector<fs::path> skins = SkinsBeside();
  const fs::path skin = !rest.empty() ? fs::path(rest[0]) : skins.empty() ? fs::path() : skins.front();
  if (skin.empty()) {
    Fail("no skin given and none beside the program");
    return kBadInput;
  }
  TGalleryForm* gallery = nullptr;
  Application().CreateForm(gallery, skins);
  std::string error;
  if (!gallery->ShowSkin(skin, error)) {
    gallery->Free();
    Fail(error);
    return kBadInput;
  }
  gallery->Show();
  gallery->OpenChildren();
  if (!capture.empty()) {
    const int status = Capture(*gallery, capture);
    // Its windows go while the skin engine that took them over is still there.
    gallery->Free();
    return status;
  }
  Application().Run();
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitializeApplication();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(fs::path(argv[i]).string());
  LocalFree(argv);
  InstallSkinEnvironment(SkinEngine(std::find(args.begin(), args.end(), "--capture") != args.end()));
  try {
    return Run(args);
  } catch (const std::exception& e) {
    Fail(e.what());
  }
  return kBadInput;
}

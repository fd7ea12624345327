// What the running system makes for a skin component: caption font, face
// brush, system-menu glyphs and the caption-button hint window.

#include "skin/data/win/skin_data_part_win.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/hint_window.h"
#include "skin/data/archive/skin_archive_writer.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"

namespace {

class WinSkinDataPartTest : public ::testing::Test {
 protected:
  static RECT WindowRect(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return r;
  }

  const TWinSkinEnvironment environment_;
  const TSkinEnvironmentScope scope_{environment_};
};

TEST_F(WinSkinDataPartTest, OnlyTheSystemsEnvironmentGivesAWindowsPart) {
  const TSkinData data(nullptr);
  EXPECT_NE(WinPart(data), nullptr);
  const TPortableSkinEnvironment portable;
  const TSkinEnvironmentScope scope(portable);
  const TSkinData portable_data(nullptr);
  EXPECT_EQ(WinPart(portable_data), nullptr);
}

TEST_F(WinSkinDataPartTest, TheCaptionFontIsTheSystemsOnceTheFormIsRead) {
  TSkinData data(nullptr);
  TWinSkinDataPart& part = *WinPart(data);
  ASSERT_EQ(GetObjectType(part.CaptionFont()), static_cast<DWORD>(OBJ_FONT));
  data.Loaded();
  ASSERT_EQ(GetObjectType(part.CaptionFont()), static_cast<DWORD>(OBJ_FONT));

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  LOGFONTW font{};
  ASSERT_EQ(GetObjectW(part.CaptionFont(), sizeof(font), &font), static_cast<int>(sizeof(font)));
  EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(metrics.lfCaptionFont.lfFaceName));
  EXPECT_EQ(font.lfHeight, metrics.lfCaptionFont.lfHeight);
  EXPECT_EQ(font.lfWeight, metrics.lfCaptionFont.lfWeight);
}

TEST_F(WinSkinDataPartTest, TheFaceBrushFollowsTheSkinsFaceColour) {
  TSkinArchiveWriter writer;
  writer.AddMember("skin.ini", "[Personality]\r\nSkinName=Face\r\n[Colours]\r\nButtonFace=10 20 30\r\n");
  TSkinData data(nullptr);
  data.SetSkinStream(TSkinData::StoredStream(writer.Archive()));
  ASSERT_FALSE(data.NotLoaded);
  LOGBRUSH brush{};
  ASSERT_EQ(GetObjectW(WinPart(data)->FaceBrush(), sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
  EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));

  // Without the key the face colour is the system's, not its index.
  writer = TSkinArchiveWriter();
  writer.AddMember("skin.ini", "[Personality]\r\nSkinName=Plain\r\n");
  data.SetSkinStream(TSkinData::StoredStream(writer.Archive()));
  ASSERT_FALSE(data.NotLoaded);
  ASSERT_EQ(GetObjectW(WinPart(data)->FaceBrush(), sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
  EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
}

// The glyphs as drawn into the program's resource: "#" black, "." white.
// The icon as the part should show it: drawn at small-icon size over fuchsia.
TSkinBitmap IconOnFuchsia(HICON icon) {
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  const TDibImage canvas(TSkinBitmap(width, height, clFuchsia));
  DrawIconEx(canvas.DC(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  return canvas.ToImage();
}

// The form is read, and its component loaded, before the form has a window.
TEST_F(WinSkinDataPartTest, TheAppIconIsTheFormsOnceTheFormHasAWindow) {
  Application().Initialize();
  auto* form = new TForm(&Application());
  auto* data = new TSkinData(form);
  data->Loaded();
  const TWinSkinDataPart& part = *WinPart(*data);
  EXPECT_TRUE(part.AppIcon().Empty());

  const HICON icon = LoadIconA(nullptr, IDI_INFORMATION);
  SendMessageW(form->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  ASSERT_FALSE(part.AppIcon().Empty());
  EXPECT_TRUE(part.AppIconTransparent());
  EXPECT_EQ(part.AppIcon(), IconOnFuchsia(icon));
  form->Free();
}

TEST_F(WinSkinDataPartTest, AFormWithoutAnIconGivesTheSystemsDefault) {
  Application().Initialize();
  auto* form = new TForm(&Application());
  auto* data = new TSkinData(form);
  data->Loaded();
  form->HandleNeeded();
  const TSkinBitmap expected = IconOnFuchsia(LoadIconA(nullptr, IDI_APPLICATION));
  // The fuchsia shows only where the icon is clear.
  EXPECT_NE(expected, TSkinBitmap(expected.Width(), expected.Height(), clFuchsia));
  EXPECT_EQ(WinPart(*data)->AppIcon(), expected);
  form->Free();
}

constexpr const char* kGlyphRows[16] = {
    "................................................................",
    "................................................................",
    "................................................................",
    "......#######...................................................",
    "......#######.....##########.....................#.........#....",
    "......#.....#.....##########......................#.......#.....",
    "...#######..#.....#........#.......................#.....#......",
    "...#######..#.....#........#........................#...#.......",
    "...#.....#..#.....#........#.........................#.#........",
    "...#.....####.....#........#..........................#.........",
    "...#.....#........#........#.........................#.#........",
    "...#.....#........#........#........................#...#.......",
    "...#######........##########.......######..........#.....#......",
    "...................................######.........#.......#.....",
    ".................................................#.........#....",
    "................................................................",
};

TEST_F(WinSkinDataPartTest, MenuGlyphsAreTheFourBlackGlyphsWithWhiteLeftOut) {
  TSkinData data(nullptr);
  const TMenuGlyphs& glyphs = WinPart(data)->MenuGlyphs();
  ASSERT_EQ(glyphs.Count(), 4);

  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, TMenuGlyphs::kSize, TMenuGlyphs::kSize);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF background = RGB(0, 128, 255);
  const HBRUSH fill = CreateSolidBrush(background);
  const RECT whole{0, 0, TMenuGlyphs::kSize, TMenuGlyphs::kSize};
  for (int glyph = 0; glyph < 4; ++glyph) {
    FillRect(dc, &whole, fill);
    ASSERT_TRUE(ImageList_Draw(glyphs.Handle(), glyph, dc, 0, 0, ILD_TRANSPARENT));
    int wrong = 0;
    for (int y = 0; y < TMenuGlyphs::kSize; ++y) {
      for (int x = 0; x < TMenuGlyphs::kSize; ++x) {
        const bool ink = kGlyphRows[y][glyph * TMenuGlyphs::kSize + x] == '#';
        if (GetPixel(dc, x, y) != (ink ? RGB(0, 0, 0) : background)) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "glyph " << glyph;
  }
  DeleteObject(fill);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST_F(WinSkinDataPartTest, ACaptionHintShowsOnceAndMovesOnlyAfterItWasHidden) {
  TSkinData data(nullptr);
  THintWindow* hint = WinPart(data)->HintWindow();
  data.ShowCaptionHint(TRect{100, 120, 140, 140}, "Close");
  ASSERT_TRUE(data.HintShowing());
  ASSERT_TRUE(hint->Showing());
  EXPECT_EQ(WindowRect(hint->WindowHandle()).left, 100);
  EXPECT_EQ(WindowRect(hint->WindowHandle()).top, 120);

  data.ShowCaptionHint(TRect{300, 320, 340, 340}, "Minimise");
  EXPECT_EQ(WindowRect(hint->WindowHandle()).left, 100);
  EXPECT_EQ(hint->Caption(), "Close");

  data.HideCaptionHint();
  EXPECT_FALSE(data.HintShowing());
  EXPECT_FALSE(hint->Showing());

  data.ShowCaptionHint(TRect{300, 320, 340, 340}, "Minimise");
  EXPECT_TRUE(hint->Showing());
  EXPECT_EQ(WindowRect(hint->WindowHandle()).left, 300);
  data.HideCaptionHint();
}

TEST_F(WinSkinDataPartTest, ALongCaptionHintIsLaidOutUpToFiveHundredPixelsWide) {
  TSkinData data(nullptr);
  THintWindow* hint = WinPart(data)->HintWindow();
  std::string text;
  for (int i = 0; i < 40; ++i) text += "Close the window ";
  data.ShowCaptionHint(TRect{10, 10, 20, 20}, text);
  const RECT r = WindowRect(hint->WindowHandle());
  // Wider than an ordinary control hint, and wrapped onto several lines.
  EXPECT_GT(r.right - r.left, 400);
  EXPECT_GT(r.bottom - r.top, 40);
  EXPECT_LE(r.right - r.left, TWinSkinDataPart::kHintMaxWidth + 8);
  data.HideCaptionHint();
}

TEST_F(WinSkinDataPartTest, WithoutTheHintOptionNoCaptionHintShows) {
  TSkinData data(nullptr);
  TSkinOptions options = data.Options();
  options.Exclude(TSkinOption::xoCaptionButtonHint);
  data.SetOptions(options);
  data.ShowCaptionHint(TRect{10, 10, 20, 20}, "Close");
  EXPECT_FALSE(data.HintShowing());
  EXPECT_FALSE(WinPart(data)->HintWindow()->Showing());
}

}  // namespace

// Controls that the skin serves by property name, as other component sets
// publish them (small stand-ins below, registered under those sets' class
// names), and the stand-alone scroll bar: each is mapped and made as the form
// skin would, the pixels read back are the skin's own, and Detach gives back
// what the skin took.

#include <gtest/gtest.h>

#include "skinned_host_test.h"

#include <memory>
#include <string>
#include <vector>

#include "skin_windows/skin_test_input.h"

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/published.h"
#include "framework/string_list.h"
#include "framework/win/application.h"
#include "framework/win/bitmap.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/tab_control.h"
#include "framework/win/wide.h"
#include "skin/controls/control_mapping.h"
#include "skin/controls/glyph_strip_geometry.h"
#include "skin/controls/tab_set_geometry.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/controls/win/control_tree.h"
#include "skin/controls/win/scroll_bar_paint.h"
#include "skin/controls/win/skin_adv_page.h"
#include "skin/controls/win/skin_control_factory.h"
#include "skin/controls/win/skin_mp.h"
#include "skin/controls/win/skin_obj_image.h"
#include "skin/controls/win/skin_sc_control.h"
#include "skin/controls/win/skin_tab31.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/image/image_blit.h"
#include "skin/data/image/img_util.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_engine.h"

#include <commctrl.h>

namespace {

// A control of its own window class under a foreign class name.
template <class Self>
class TForeignControl : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.window_class = {Self::kWindowClass, nullptr, CS_DBLCLKS};
  }
};

// An old-style tab set.
class TTestTabSet : public TForeignControl<TTestTabSet> {
 public:
  static constexpr const wchar_t* kWindowClass = L"TTabSet";
  using TForeignControl::TForeignControl;
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishObject("Tabs", &TTestTabSet::Tabs),
        PublishInteger("TabIndex", &TTestTabSet::TabIndex, &TTestTabSet::SetTabIndex),
        PublishInteger("StartMargin", &TTestTabSet::StartMargin, &TTestTabSet::SetStartMargin),
    };
    static const TClassInfo info = MakeClassInfo<TTestTabSet, TWinControl>("TTabSet", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TStringList* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index) {
    tab_index_ = index;
    if (HandleAllocated()) InvalidateRect(WindowHandle(), nullptr, TRUE);
  }
  int StartMargin() const { return start_margin_; }
  void SetStartMargin(int margin) { start_margin_ = margin; }

 private:
  std::unique_ptr<TStringList> tabs_ = std::make_unique<TStringList>();
  int tab_index_ = 0;
  int start_margin_ = 5;
};

// A media player that notes the presses it is handed.
class TTestMediaPlayer : public TForeignControl<TTestMediaPlayer> {
 public:
  static constexpr const wchar_t* kWindowClass = L"TMediaPlayer";
  using TForeignControl::TForeignControl;
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishString("VisibleButtons", &TTestMediaPlayer::VisibleButtons,
                      &TTestMediaPlayer::SetVisibleButtons),
        PublishString("EnabledButtons", &TTestMediaPlayer::EnabledButtons,
                      &TTestMediaPlayer::SetEnabledButtons),
    };
    static const TClassInfo info = MakeClassInfo<TTestMediaPlayer, TWinControl>("TMediaPlayer", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  AnsiString VisibleButtons() const { return visible_; }
  void SetVisibleButtons(const AnsiString& v) { visible_ = v; }
  AnsiString EnabledButtons() const { return enabled_; }
  void SetEnabledButtons(const AnsiString& v) { enabled_ = v; }

  std::vector<UINT> presses;
  std::vector<POINT> points;

 protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP) {
      presses.push_back(m.Msg);
      points.push_back({static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
    }
    TWinControl::WndProc(m);
  }

 private:
  AnsiString visible_ = "[btPlay,btPause,btStop]";
  AnsiString enabled_ = "[btPlay,btStop]";
};

// A check box of a set that draws itself from a glyph strip when told to.
class TTestRzCheckBox : public TForeignControl<TTestRzCheckBox> {
 public:
  static constexpr const wchar_t* kWindowClass = L"TRzCheckBox";
  using TForeignControl::TForeignControl;
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishObject("CustomGlyphs", &TTestRzCheckBox::CustomGlyphs),
        PublishInteger("TransparentColor", &TTestRzCheckBox::TransparentColor,
                       &TTestRzCheckBox::SetTransparentColor),
        PublishBoolean("UseCustomGlyphs", &TTestRzCheckBox::UseCustomGlyphs,
                       &TTestRzCheckBox::SetUseCustomGlyphs),
    };
    static const TClassInfo info = MakeClassInfo<TTestRzCheckBox, TWinControl>("TRzCheckBox", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBitmap* CustomGlyphs() const { return glyphs_.get(); }
  int TransparentColor() const { return key_; }
  void SetTransparentColor(int key) { key_ = key; }
  bool UseCustomGlyphs() const { return use_glyphs_; }
  void SetUseCustomGlyphs(bool use) { use_glyphs_ = use; }

  static constexpr int kGlyphSlot = 2;  // checked

 protected:
  // White, with the checked glyph at the top-left corner when glyphs are on.
  void WndProc(TMessage& m) override {
    if (m.Msg != WM_PAINT) return TWinControl::WndProc(m);
    const PaintScope paint(WindowHandle());
    RECT client;
    GetClientRect(WindowHandle(), &client);
    FillRect(paint.dc(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!use_glyphs_ || glyphs_->Empty()) return;
    const int w = glyphs_->Width() / kGlyphStripFrames;
    const MemoryDC source(glyphs_->Handle());
    TransparentBlt(paint.dc(), 0, 0, w, glyphs_->Height(), source.get(), (kGlyphSlot - 1) * w, 0, w,
                   glyphs_->Height(), static_cast<UINT>(key_));
  }

 private:
  std::unique_ptr<TBitmap> glyphs_ = std::make_unique<TBitmap>();
  int key_ = 0;
  bool use_glyphs_ = false;
};

class TTestRzRadioButton : public TTestRzCheckBox {
 public:
  using TTestRzCheckBox::TTestRzCheckBox;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTestRzRadioButton, TTestRzCheckBox>("TRzRadioButton");
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

class TTestCxProperties : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {PublishObject("Glyph", &TTestCxProperties::Glyph)};
    static const TClassInfo info =
        MakeClassInfo<TTestCxProperties, TPersistent>("TcxCheckBoxProperties", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBitmap* Glyph() const { return glyph_.get(); }

 private:
  std::unique_ptr<TBitmap> glyph_ = std::make_unique<TBitmap>();
};

class TTestCxCheckBox : public TForeignControl<TTestCxCheckBox> {
 public:
  static constexpr const wchar_t* kWindowClass = L"TcxCheckBox";
  using TForeignControl::TForeignControl;
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {PublishObject("Properties", &TTestCxCheckBox::Properties)};
    static const TClassInfo info = MakeClassInfo<TTestCxCheckBox, TWinControl>("TcxCheckBox", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TTestCxProperties* Properties() const { return properties_.get(); }

 private:
  std::unique_ptr<TTestCxProperties> properties_ = std::make_unique<TTestCxProperties>();
};

// A page control that draws its tabs from two bitmaps of its own.
class TTestAdvPage : public TForeignControl<TTestAdvPage> {
 public:
  static constexpr const wchar_t* kWindowClass = L"TAdvPageControl";
  using TForeignControl::TForeignControl;
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishObject("TabBackGround", &TTestAdvPage::TabBackGround),
        PublishObject("TabBackGroundActive", &TTestAdvPage::TabBackGroundActive),
    };
    static const TClassInfo info = MakeClassInfo<TTestAdvPage, TWinControl>("TAdvPageControl", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBitmap* TabBackGround() const { return normal_.get(); }
  TBitmap* TabBackGroundActive() const { return active_.get(); }

 private:
  std::unique_ptr<TBitmap> normal_ = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> active_ = std::make_unique<TBitmap>();
};

TSkinBitmap PixelsOf(const TBitmap& bitmap) {
  const MemoryDC memory(bitmap.Handle());
  return CaptureImage(memory.get(), {0, 0, bitmap.Width(), bitmap.Height()});
}

class OtherSetsTest : public SkinnedHostTest {
 protected:
  template <class T>
  T* Place(int left, int top, int width, int height) {
    auto* control = new T(form_);
    control->SetParent(form_);
    control->SetBounds(left, top, width, height);
    control->HandleNeeded();
    ShowWindow(control->Handle(), SW_SHOW);
    return control;
  }

  // The skin object the form skin's mapping chooses for the control, made by
  // the program's factory and attached as the form skin attaches it.
  template <class Skin>
  Skin* MapAndAttach(TWinControl& control, const char* skin3rd_line = nullptr) {
    TMappingSettings settings = MappingSettingsOf(*skin_);
    if (skin3rd_line != nullptr) settings.Skin3rd.push_back(skin3rd_line);
    const TSkinMapping mapping = ChooseControlSkin(FactsOfControl(control), settings);
    const TSkinControlCreator create = FindCreator(SkinControlFactory(), mapping.Skin.Class);
    if (create == nullptr) return nullptr;
    TSkinControl* skin = create(&control, mapping.Skin);
    if (mapping.Skin.Target == TAttachTarget::atControl)
      skin->AttachControl(nullptr, *skin_, mapping.Skin.ChangeColor);
    else
      skin->AttachWindow(control.Handle(), *skin_, nullptr);
    return dynamic_cast<Skin*>(skin);
  }

  // What the form shows over the control's place, siblings above it included.
  TSkinBitmap Shown(const TWinControl& control) {
    RedrawWindow(form_->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(60);
    const WindowDC dc(form_->Handle());
    return CaptureImage(dc.get(), {control.Left(), control.Top(), control.Left() + control.Width(),
                                   control.Top() + control.Height()});
  }
  POINT OnScreen(const TWinControl& control, int x, int y) const {
    POINT p{control.Left() + x, control.Top() + y};
    ClientToScreen(form_->Handle(), &p);
    return p;
  }
  TColor Face() const { return SkinFaceColour(*skin_) & 0xFFFFFF; }
};

TEST_F(OtherSetsTest, AScrollBarControlShowsTheSkinsBarAndAnArrowClickStepsIt) {
  ASSERT_TRUE(skin_->Scrollbar && !skin_->Scrollbar->Bitmap.Empty());
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  auto* bar = Place<TScrollBar>(10, 10, 200, GetSystemMetrics(SM_CYHSCROLL));
  bar->SetMax(20);
  bar->SetPageSize(5);
  auto* skin = MapAndAttach<TSkinScControl>(*bar);
  ASSERT_NE(skin, nullptr);
  const HWND overlay = skin->Overlay()->Handle();
  RECT over{}, under{};
  GetWindowRect(overlay, &over);
  GetWindowRect(bar->Handle(), &under);
  EXPECT_TRUE(EqualRect(&over, &under));
  EXPECT_EQ(GetWindow(bar->Handle(), GW_HWNDPREV), overlay);

  const auto expected = [&](int position) {
    TScrollBarView view;
    view.Bar = {0, 0, bar->Width(), bar->Height()};
    view.OverlayWidth = bar->Width();
    view.OverlayHeight = bar->Height();
    view.ArrowSize = arrow;
    view.StripHeight = skin_->Scrollbar->Bitmap.Height();
    view.Thumb = ControlThumb(bar->Width(), arrow, {0, 20, 5, position});
    const TDibImage canvas(TSkinBitmap(bar->Width(), bar->Height()));
    PaintScrollBar(canvas.DC(), 0, 0, view, *skin_);
    return canvas.ToImage();
  };
  const TSkinBitmap before = Shown(*bar);
  EXPECT_EQ(before, expected(0));

  // Over the overlay the control's hint is the one that shows.
  bar->SetShowHint(true);
  bar->SetHint("Scroll");
  // The leave of the window the mouse came from clears the hint control
  // once more: the next move over the overlay sets it again.
  MouseTo(OnScreen(*bar, bar->Width() / 2, 100));
  MouseTo(OnScreen(*bar, bar->Width() / 2, bar->Height() / 2));
  MouseTo(OnScreen(*bar, bar->Width() / 2 + 4, bar->Height() / 2));
  EXPECT_TRUE(PumpUntil([&] { return Application().HintControl() == bar; }));

  // A click on the second arrow is the control's own: one line on.
  QueueClick(OnScreen(*bar, bar->Width() - arrow / 2, bar->Height() / 2));
  ASSERT_TRUE(PumpUntil([&] { return bar->Position() == 1; }));
  Pump(100);
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_FALSE(skin->Overlay()->Pressed());
  MouseTo(OnScreen(*bar, 0, 100));
  EXPECT_EQ(Shown(*bar), expected(1));

  // Moved in code: the thumb follows.
  bar->SetPosition(16);
  EXPECT_EQ(Shown(*bar), expected(16));

  skin->Detach();
  EXPECT_FALSE(IsWindow(overlay));
}

TEST_F(OtherSetsTest, ATabSetShowsTheTurnedTabsWithTheSelectedOneRaised) {
  ASSERT_TRUE(skin_->Tabs && !skin_->Tabs->Bitmap.Empty());
  auto* tabs = Place<TTestTabSet>(10, 10, 300, 24);
  for (const char* text : {"Words", "Counts", "Export"}) tabs->Tabs()->Add(text);
  tabs->SetTabIndex(1);
  auto* skin = MapAndAttach<TSkinTab31>(*tabs);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Handle(), tabs->Handle());

  TTabSetView view;
  view.Width = tabs->Width();
  view.Height = tabs->Height();
  view.StartMargin = 5;
  view.EndMargin = 5;
  {
    const WindowDC dc(tabs->Handle());
    const SelectedObject font(dc.get(), tabs->FontHandle());
    for (int i = 0; i < tabs->Tabs()->Count(); ++i) {
      const std::wstring text = ToWide((*tabs->Tabs())[i]);
      SIZE size{};
      GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
      view.TextWidths.push_back(size.cx);
    }
  }
  const std::vector<TTabSetTab> laid = LayOutTabSet(view);
  ASSERT_EQ(laid.size(), 3u);

  // The two rows along the top edge, clear of the labels: the turned image,
  // the selected tab in frame 2; before the first tab the face colour.
  const auto shows = [&](int selected) {
    const TSkinBitmap shown = Shown(*tabs);
    const TDataSkinBorder& e = *skin_->Tabs;
    TSkinBitmap turned = e.Bitmap;
    FlipBitmap(turned);
    TSkinBitmap expected(shown.Width(), shown.Height(), Face());
    for (const TTabSetTab& tab : laid)
      DrawSkinElement(expected, tab.Rect, turned, e.Margins(), tab.Index == selected ? 2 : 1, e.Frame,
                      e.Trans == 1, e.Tile == 1, false);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < laid.back().Rect.Right; ++x)
        if (shown.Pixel(x, y) != expected.Pixel(x, y)) return false;
    return true;
  };
  EXPECT_TRUE(shows(1));
  tabs->SetTabIndex(2);
  EXPECT_TRUE(shows(2));
  EXPECT_FALSE(shows(1));
  skin->Detach();
  EXPECT_EQ(SendMessageW(tabs->Handle(), SKM_ISSKINNED, 0, 0), 0);
}

TEST_F(OtherSetsTest, AMediaPlayerIsCoveredByButtonFacesThatPassPressesOn) {
  ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->Bitmap.Empty());
  auto* player = Place<TTestMediaPlayer>(10, 10, 240, 30);
  auto* skin = MapAndAttach<TSkinMP>(*player);
  ASSERT_NE(skin, nullptr);
  const HWND panel = skin->Panel()->Handle();
  ASSERT_TRUE(IsWindowVisible(panel));
  EXPECT_EQ(GetWindow(player->Handle(), GW_HWNDPREV), panel);

  // Play, pause (disabled) and stop, 80 pixels each.
  const TDataSkinButton& b = *skin_->Buttons;
  const auto faces = [&](int pressed) {
    TSkinBitmap image(240, 30, Face());
    for (int i = 0; i < 3; ++i)
      DrawSkinElement(image, {i * 80, 0, i * 80 + 80, 30}, b.Bitmap, b.Margins(),
                      i == pressed ? 2
                      : i == 1     ? 3
                                   : 1,
                      b.Frame, b.Trans == 1, b.Tile == 1, false);
    return image;
  };
  EXPECT_EQ(Shown(*player), faces(-1));

  // Pressed and let go over the third button: the player gets both, and the
  // face shows pressed meanwhile.
  MouseTo(OnScreen(*player, 200, 15));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(Shown(*player), faces(2));
  MouseButton(MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(player->presses, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(player->points[1].x, 200);
  EXPECT_EQ(Shown(*player), faces(-1));

  // Let go over another button: the release is not the player's.
  player->presses.clear();
  MouseTo(OnScreen(*player, 20, 15));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseTo(OnScreen(*player, 200, 15));
  MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(player->presses, (std::vector<UINT>{WM_LBUTTONDOWN}));

  // The panel follows the player.
  player->SetBounds(20, 60, 180, 26);
  RECT over{}, under{};
  GetWindowRect(panel, &over);
  GetWindowRect(player->Handle(), &under);
  EXPECT_TRUE(EqualRect(&over, &under));
  player->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(panel));

  skin->Detach();
  EXPECT_FALSE(IsWindow(panel));
}

TEST_F(OtherSetsTest, GlyphCheckBoxesGetTheSkinsStripAndLoseItOnDetach) {
  ASSERT_TRUE(skin_->Buttons && !skin_->Buttons->CheckBitmap.Empty() && !skin_->Buttons->RadioBitmap.Empty());
  const TDataSkinButton& b = *skin_->Buttons;
  const int count = std::max(b.CheckButtonFrame, 1);
  const TSkinBitmap& check = b.CheckBitmap;
  const int w = check.Width() / count;
  const auto sources = CheckGlyphSources(count);

  auto* rz = Place<TTestRzCheckBox>(10, 10, 80, 24);
  auto* skin = MapAndAttach<TSkinObjImage>(*rz);
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(rz->UseCustomGlyphs());
  EXPECT_EQ(rz->TransparentColor(), 0xFF00FF);
  const TSkinBitmap strip = PixelsOf(*rz->CustomGlyphs());
  ASSERT_EQ(strip.Width(), w * kGlyphStripFrames);
  for (int slot = 0; slot < kGlyphStripFrames; ++slot)
    EXPECT_EQ(CropImage(strip, {slot * w, 0, slot * w + w, check.Height()}),
              CropImage(check, FrameRect(check, sources[static_cast<std::size_t>(slot)], count, false)))
        << slot;

  // The control draws the checked glyph: the skin's checked frame, its
  // fuchsia left out.
  const TSkinBitmap shown = Shown(*rz);
  TSkinBitmap expected(rz->Width(), rz->Height(), 0xFFFFFF);
  DrawElementCentred(expected, {0, 0, w, check.Height()}, check, sources[1], count, true);
  EXPECT_EQ(CropImage(shown, {0, 0, w, check.Height()}), CropImage(expected, {0, 0, w, check.Height()}));
  skin->Detach();
  EXPECT_FALSE(rz->UseCustomGlyphs());
  EXPECT_NE(CropImage(Shown(*rz), {0, 0, w, check.Height()}), CropImage(expected, {0, 0, w, check.Height()}));

  // A radio button's strip comes from the radio image.
  auto* radio = Place<TTestRzRadioButton>(10, 70, 80, 24);
  ASSERT_NE(MapAndAttach<TSkinObjImage>(*radio), nullptr);
  const TSkinBitmap& dot = b.RadioBitmap;
  const int dot_count = std::max(b.RadioButtonFrame, 1);
  const int dot_w = dot.Width() / dot_count;
  const TSkinBitmap dots = PixelsOf(*radio->CustomGlyphs());
  for (int slot = 0; slot < kGlyphStripFrames; ++slot)
    EXPECT_EQ(CropImage(dots, {slot * dot_w, 0, slot * dot_w + dot_w, dot.Height()}),
              CropImage(dot, FrameRect(dot, RadioGlyphSources(dot_count)[static_cast<std::size_t>(slot)],
                                       dot_count, false)))
        << slot;

  // The other set's check box takes the strip as its Properties.Glyph.
  auto* cx = Place<TTestCxCheckBox>(10, 40, 80, 24);
  auto* cx_skin = MapAndAttach<TSkinObjImage>(*cx);
  ASSERT_NE(cx_skin, nullptr);
  EXPECT_EQ(PixelsOf(*cx->Properties()->Glyph()), strip);
  cx_skin->Detach();
  EXPECT_TRUE(cx->Properties()->Glyph()->Empty());
}

TEST_F(OtherSetsTest, ATabImagePageControlGetsTheSkinsTabFacesAndItsScrollerTheUpDownSkin) {
  ASSERT_TRUE(skin_->Tabs && !skin_->Tabs->Bitmap.Empty());
  ASSERT_TRUE(skin_->UpDownVert && !skin_->UpDownVert->Bitmap.Empty());
  auto* page = Place<TTestAdvPage>(10, 10, 300, 120);
  const HWND scroller = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 270, 0, 20, 24,
                                        page->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(scroller, nullptr);
  // Reached only through a Skin3rd line naming the class.
  EXPECT_EQ(MapAndAttach<TSkinAdvPage>(*page), nullptr);
  auto* skin = MapAndAttach<TSkinAdvPage>(*page, "TAdvPageControl=AdvPageControl");
  ASSERT_NE(skin, nullptr);

  const TDataSkinBorder& e = *skin_->Tabs;
  for (int frame = 1; frame <= 2; ++frame) {
    const TBitmap& bitmap = frame == 1 ? *page->TabBackGround() : *page->TabBackGroundActive();
    EXPECT_EQ(PixelsOf(bitmap),
              BuildElementBitmap({0, 0, 100, 21}, e.Bitmap, e.Margins(), frame, e.Frame, e.Tile == 1, false))
        << frame;
  }
  EXPECT_NE(PixelsOf(*page->TabBackGround()), PixelsOf(*page->TabBackGroundActive()));

  ASSERT_NE(skin->UpDown(), nullptr);
  EXPECT_EQ(SendMessageW(scroller, SKM_ISSKINNED, 0, 0), 1);
  MouseTo(OnScreen(*page, 0, 200));
  RedrawWindow(scroller, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Pump(40);
  // The control keeps the width it wants.
  RECT client{};
  GetClientRect(scroller, &client);
  TSkinBitmap shown;
  {
    const WindowDC dc(scroller);
    shown = CaptureImage(dc.get(), client);
  }
  const TDataSkinBorder& u = *skin_->UpDownVert;
  TSkinBitmap expected(client.right, client.bottom, Face());
  for (int i = 0; i < 2; ++i) {
    const int middle = client.bottom / 2;
    const TRect half{0, i == 0 ? 0 : middle, client.right, i == 0 ? middle : client.bottom};
    DrawElementStretched(expected, half, u.Bitmap, 1 + 4 * i, 8, true);
    DrawElementCentred(expected, half, u.Bitmap2, 1 + 4 * i, 8, true);
  }
  EXPECT_EQ(shown, expected);

  skin->Detach();
  EXPECT_TRUE(page->TabBackGround()->Empty());
  EXPECT_TRUE(page->TabBackGroundActive()->Empty());
  EXPECT_EQ(SendMessageW(scroller, SKM_ISSKINNED, 0, 0), 0);
}

// A class the mapping can choose but the program's table lacks would leave
// its controls silently unskinned.
TEST(SkinControlFactoryTable, MakesEveryClassTheMappingCanChoose) {
  const TSkinControlFactory table = SkinControlFactory();
  for (int i = static_cast<int>(TSkinControlClass::scSkinButton);
       i <= static_cast<int>(TSkinControlClass::scSkinMP); ++i)
    EXPECT_NE(FindCreator(table, static_cast<TSkinControlClass>(i)), nullptr) << i;
}

// The scroller inside a tab control or a tab-image page control is skinned
// by that control's skin object: turning the skin off and on again gives
// each scroller back and skins it anew, once.
TEST(InnerScrollerSkins, SurviveTheSkinGoingOffAndOnAgain) {
  InitializeApplication();
  static const TSkinEngine engine(ControlSkinsProvider());
  const TSkinEnvironmentScope scope(engine);
  auto* form = new Tfrmmain(&Application());
  auto* skin = ObjectAs<TSkinData>(form->FindComponent("skndt1"));
  ASSERT_NE(skin, nullptr);
  skin->Skin3rd()->Add("TAdvPageControl=advpagecontrol");
  auto* tabs = new TTabControl(form);
  tabs->SetParent(form);
  tabs->SetBounds(10, 10, 120, 60);
  for (int i = 0; i < 12; ++i) tabs->Tabs()->Add("Tab " + std::to_string(i));
  auto* page = new TTestAdvPage(form);
  page->SetParent(form);
  page->SetBounds(140, 10, 200, 60);
  form->Show();
  const HWND scrollers[] = {FindWindowExW(tabs->Handle(), nullptr, UPDOWN_CLASSW, nullptr),
                            CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 170, 0, 20, 24,
                                            page->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr)};
  ASSERT_NE(scrollers[0], nullptr);
  const auto skinned = [&](LRESULT answer) {
    return PumpUntil([&] {
      RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return SendMessageW(scrollers[0], SKM_ISSKINNED, 0, 0) == answer &&
             SendMessageW(scrollers[1], SKM_ISSKINNED, 0, 0) == answer;
    });
  };
  EXPECT_TRUE(skinned(1));
  skin->SetActive(false);
  EXPECT_TRUE(skinned(0));
  skin->SetActive(true);
  EXPECT_TRUE(skinned(1));
  form->Free();
  Pump(50);
}

}  // namespace

// Panels, containers, list headers and edits skinned on real windows: the
// pixels read back are the skin's, real mouse input drives the header, and
// every window looks as before once the skin lets it go.

#include <gtest/gtest.h>

#include "skinned_host_test.h"

#include <algorithm>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/list_view.h"
#include "framework/win/panel.h"
#include "skin/controls/win/property_by_name.h"
#include "skin/controls/win/skin_box.h"
#include "skin/controls/win/skin_box_h.h"
#include "skin/controls/win/skin_edit.h"
#include "skin/controls/win/skin_header.h"
#include "skin/data/image/element_draw.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/win/dib_image.h"
#include "skin/data/win/skin_environment_win.h"
#include "skin/windows/skin_messages.h"

#include <commctrl.h>

namespace {

class SkinBoxesTest : public SkinnedHostTest {
 protected:
  SkinBoxesTest() : SkinnedHostTest(320, 260) {}

  void SetUp() override {
    SkinnedHostTest::SetUp();
    Settle();
  }

  static void Settle(int rounds = 3) {
    for (int i = 0; i < rounds; ++i) {
      Application().ProcessMessages();
      Sleep(20);
    }
  }
  static void Repaint(HWND wnd) {
    RedrawWindow(wnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
  }
  static TSkinBitmap Capture(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    const WindowDC dc(wnd, WindowDC::kWholeWindow);
    return CaptureImage(dc.get(), {0, 0, r.right - r.left, r.bottom - r.top});
  }
  static void MouseTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
    Settle(10);
  }
  static void Press(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
    Settle(5);
  }
  TColor Resolved(int slot) const {
    return skin_->Environment().SystemColours().Resolve(skin_->Colours[slot]);
  }
  // The pixels of `area` for which `test(x, y)` holds.
  template <class F>
  static int Count(const RECT& area, F test) {
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) found += test(x, y) ? 1 : 0;
    return found;
  }
  // Pixels of `area` of `shown` other than `expected` placed at the area's corner.
  static int Differing(const TSkinBitmap& shown, const RECT& area, const TSkinBitmap& expected) {
    return Count(
        area, [&](int x, int y) { return shown.Pixel(x, y) != expected.Pixel(x - area.left, y - area.top); });
  }
  // The skin's edit border: a shadow ring, then a white one.
  void ExpectSkinBorder(const TSkinBitmap& shown) const {
    const int w = shown.Width(), h = shown.Height();
    const auto ring_not = [&](int inset, TColor colour) {
      return Count({inset, inset, w - inset, h - inset}, [&](int x, int y) {
        const bool on_ring = x == inset || y == inset || x == w - 1 - inset || y == h - 1 - inset;
        return on_ring && shown.Pixel(x, y) != colour;
      });
    };
    EXPECT_EQ(ring_not(0, Resolved(scButtonShadow)), 0);
    EXPECT_EQ(ring_not(1, clWhite), 0);
  }
};

TEST_F(SkinBoxesTest, APanelShowsTheSkinFaceWhileSkinnedAndGetsItsOwnColourBack) {
  TSkinOptions options = skin_->Options();
  options.Exclude(TSkinOption::xoParentBackGround);
  skin_->SetOptions(options);
  auto* panel = new TPanel(form_);
  panel->SetParent(form_);
  panel->SetBounds(10, 10, 120, 60);
  panel->SetCaption("");
  panel->SetColor(0x123456);
  panel->SetParentBackground(true);
  Repaint(panel->Handle());
  const TSkinBitmap native = Capture(panel->Handle());
  const LONG_PTR procedure = GetWindowLongPtrW(panel->Handle(), GWLP_WNDPROC);

  auto* skin = new TSkinBox(panel);
  skin->AttachControl(nullptr, *skin_, true);
  Repaint(panel->Handle());
  EXPECT_FALSE(panel->ParentBackground());
  // The panel paints itself: bevels and all, on the skin's face.
  const TSkinBitmap skinned = Capture(panel->Handle());
  EXPECT_EQ(skinned.Pixel(60, 30), Resolved(scButtonFace));
  EXPECT_EQ(skinned.Pixel(0, 0), native.Pixel(0, 0));
  EXPECT_EQ(GetWindowLongPtrW(panel->Handle(), GWLP_WNDPROC), procedure);
  EXPECT_EQ(SendMessageW(panel->Handle(), SKM_ISSKINNED, 0, 0), 0);

  skin->Detach();
  EXPECT_EQ(skin->SkinState(), TSkinState::ssDetached);
  EXPECT_EQ(panel->Color(), 0x123456);
  EXPECT_TRUE(panel->ParentBackground());
  Repaint(panel->Handle());
  EXPECT_EQ(Capture(panel->Handle()), native);
}

TEST_F(SkinBoxesTest, AContainerByHandleErasesInTheSkinFaceAndSoDoItsStaticChildren) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  cls.lpszClassName = L"LexitallyTestContainer";
  RegisterClassW(&cls);
  const UniqueWindow container(CreateWindowExW(0, cls.lpszClassName, L"",
                                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 80, 200, 60,
                                               form_->Handle(), nullptr, nullptr, nullptr));
  const HWND label = CreateWindowExW(0, L"STATIC", L"Total words", WS_CHILD | WS_VISIBLE | SS_LEFT, 4, 4, 150,
                                     20, container.get(), nullptr, nullptr, nullptr);
  Repaint(container.get());
  const TSkinBitmap native = Capture(container.get());
  const TSkinBitmap native_label = Capture(label);
  const TColor system_face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  ASSERT_NE(system_face, Resolved(scButtonFace));

  TSkinBoxH skin(nullptr);
  skin.AttachWindow(container.get(), *skin_, nullptr);
  Repaint(container.get());
  EXPECT_EQ(Capture(container.get()).Pixel(190, 50), Resolved(scButtonFace));
  // The label's background and the box behind its text both take the face.
  const TSkinBitmap shown = Capture(label);
  EXPECT_EQ(shown.Pixel(145, 10), Resolved(scButtonFace));
  EXPECT_EQ(Count({0, 0, shown.Width(), shown.Height()},
                  [&](int x, int y) { return shown.Pixel(x, y) == system_face; }),
            0);

  skin.Detach();
  Repaint(container.get());
  EXPECT_EQ(Capture(container.get()), native);
  EXPECT_EQ(Capture(label), native_label);
}

class SkinHeaderTest : public SkinBoxesTest {
 protected:
  void SetUp() override {
    SkinBoxesTest::SetUp();
    ASSERT_TRUE(skin_->Headerbar && !skin_->Headerbar->Bitmap.Empty());
    list_ = new TListView(form_);
    list_->SetParent(form_);
    list_->SetBounds(10, 10, 280, 150);
    list_->SetViewStyle(TViewStyle::vsReport);
    // Captionless columns show nothing but their faces.
    for (int width : {70, 90}) list_->Columns()->Add()->SetWidth(width);
    list_->OnColumnClick = [this](TObject*, TListColumn* column) { clicked_.push_back(column->Index()); };
    header_ = reinterpret_cast<HWND>(SendMessageW(list_->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_NE(header_, nullptr);
    Repaint(list_->Handle());
  }

  RECT Item(int index) const {
    RECT r{};
    SendMessageW(header_, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  POINT ScreenCentre(int index) const {
    const RECT r = Item(index);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(header_, &p);
    return p;
  }
  TSkinBitmap Face(const RECT& r, int frame) const {
    const auto& e = *skin_->Headerbar;
    return BuildElementBitmap({0, 0, r.right - r.left, r.bottom - r.top}, e.Bitmap, e.Margins(), frame,
                              e.Frame, e.Tile == 1, false);
  }
  // Faces of both items and of the rest, as the skin composes them.
  void ExpectFaces(int hot) {
    const TSkinBitmap shown = Capture(header_);
    for (int i = 0; i < 2; ++i)
      EXPECT_EQ(Differing(shown, Item(i), Face(Item(i), i == hot ? 2 : 1)), 0) << "item " << i;
    const RECT rest{Item(1).right, 0, shown.Width(), shown.Height()};
    ASSERT_GT(rest.right, rest.left);
    EXPECT_EQ(Differing(shown, rest, Face(rest, 1)), 0) << "rest";
  }

  TListView* list_ = nullptr;
  HWND header_ = nullptr;
  std::vector<int> clicked_;
};

TEST_F(SkinHeaderTest, ItemsAndTheRestAreHeaderFacesAndTheItemUnderTheMouseIsHot) {
  MouseTo({5, 5});
  Repaint(header_);
  const TSkinBitmap native = Capture(header_);
  TSkinHeader skin(nullptr);
  skin.AttachWindow(header_, *skin_, nullptr);
  Repaint(header_);
  ExpectFaces(-1);

  SendMessageW(header_, SKM_SKINENABLE, 0, 0);
  Repaint(header_);
  EXPECT_EQ(Capture(header_), native);
  SendMessageW(header_, SKM_SKINENABLE, 1, 0);
  Settle();
  ExpectFaces(-1);

  MouseTo(ScreenCentre(1));
  EXPECT_EQ(skin.HotItem(), 1);
  ExpectFaces(1);
  MouseTo(ScreenCentre(0));
  EXPECT_EQ(skin.HotItem(), 0);
  ExpectFaces(0);
  // Off the header: nothing is hot once it hears the mouse has gone.
  POINT below{ScreenCentre(0).x, ScreenCentre(0).y + 60};
  MouseTo(below);
  Settle(20);
  EXPECT_EQ(skin.HotItem(), -1);
  ExpectFaces(-1);

  skin.Detach();
  MouseTo({5, 5});
  Repaint(header_);
  EXPECT_EQ(Capture(header_), native);
}

TEST_F(SkinHeaderTest, AClickOnASkinnedItemStillSortsTheList) {
  TSkinHeader skin(nullptr);
  skin.AttachWindow(header_, *skin_, nullptr);
  MouseTo(ScreenCentre(1));
  Press(MOUSEEVENTF_LEFTDOWN);
  Press(MOUSEEVENTF_LEFTUP);
  MouseTo(ScreenCentre(0));
  Press(MOUSEEVENTF_LEFTDOWN);
  Press(MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(clicked_, (std::vector<int>{1, 0}));
  ExpectFaces(0);
}

TEST_F(SkinHeaderTest, CaptionsAreDrawnInTheSkinsTextColourKeepingTheirDistanceFromTheEdges) {
  ASSERT_TRUE(skin_->ColourGiven[scWindowText]);
  list_->Columns()->Items(0)->SetCaption("Words");
  list_->Columns()->Items(1)->SetCaption("Count");
  HDITEMW right{};
  right.mask = HDI_FORMAT;
  right.fmt = HDF_STRING | HDF_RIGHT;
  SendMessageW(header_, HDM_SETITEMW, 1, reinterpret_cast<LPARAM>(&right));
  TSkinHeader skin(nullptr);
  skin.AttachWindow(header_, *skin_, nullptr);
  Repaint(header_);

  // Where each label's pixels lie: everything else in the item is its face.
  const TSkinBitmap shown = Capture(header_);
  const auto label_columns = [&](int index, int& first, int& last, int& in_text_colour) {
    const RECT r = Item(index);
    const TSkinBitmap face = Face(r, 1);
    first = r.right;
    last = r.left - 1;
    in_text_colour = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        if (shown.Pixel(x, y) == face.Pixel(x - r.left, y - r.top)) continue;
        first = std::min(first, x);
        last = std::max(last, x);
        in_text_colour += shown.Pixel(x, y) == Resolved(scWindowText);
      }
  };
  int first = 0, last = 0, text_colour = 0;
  label_columns(0, first, last, text_colour);
  EXPECT_GT(text_colour, 0);
  EXPECT_GE(first, Item(0).left + 3);
  EXPECT_LE(first, Item(0).left + 5);
  label_columns(1, first, last, text_colour);
  EXPECT_GT(text_colour, 0);
  EXPECT_LT(last, Item(1).right - 2);
  EXPECT_GE(last, Item(1).right - 6);
}

TEST_F(SkinBoxesTest, AnEditsBorderComesFromTheSkinWhateverRepaintsItsFrame) {
  auto* edit = new TEdit(form_);
  edit->SetParent(form_);
  edit->SetBounds(10, 120, 140, 24);
  edit->SetText("words");
  const HWND wnd = edit->Handle();
  Repaint(wnd);
  const TSkinBitmap native = Capture(wnd);
  auto* skin = new TSkinEdit(edit);
  skin->AttachControl(nullptr, *skin_, false);
  const auto expect_skinned = [&] { ExpectSkinBorder(Capture(wnd)); };
  Repaint(wnd);
  expect_skinned();
  // The edit's own frame painting alone must not bring the native border back.
  SendMessageW(wnd, WM_NCPAINT, 1, 0);
  Settle();
  expect_skinned();
  // Focus repaints the edit: the border stays the skin's.
  SetFocus(wnd);
  Settle();
  expect_skinned();
  SetFocus(form_->Handle());
  Settle();

  SendMessageW(wnd, SKM_SKINENABLE, 0, 0);
  Repaint(wnd);
  EXPECT_EQ(Capture(wnd), native);
  SendMessageW(wnd, SKM_SKINENABLE, 1, 0);
  Settle();
  expect_skinned();

  skin->Detach();
  Settle();
  EXPECT_EQ(Capture(wnd), native);
}

TEST_F(SkinBoxesTest, BareEditWindowsGetTheBorderOnlyWhenTheyHaveOne) {
  const UniqueWindow bordered(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"words", WS_CHILD | WS_VISIBLE, 10,
                                              160, 140, 24, form_->Handle(), nullptr, nullptr, nullptr));
  const UniqueWindow bare(CreateWindowExW(0, L"EDIT", L"words", WS_CHILD | WS_VISIBLE, 160, 160, 140, 24,
                                          form_->Handle(), nullptr, nullptr, nullptr));
  Repaint(bare.get());
  const TSkinBitmap native_bare = Capture(bare.get());
  TSkinEdit bordered_skin(nullptr);
  TSkinEdit bare_skin(nullptr);
  bordered_skin.AttachWindow(bordered.get(), *skin_, nullptr);
  bare_skin.AttachWindow(bare.get(), *skin_, nullptr);
  Repaint(bordered.get());
  Repaint(bare.get());

  const TSkinBitmap shown = Capture(bordered.get());
  ExpectSkinBorder(shown);
  EXPECT_EQ(Capture(bare.get()), native_bare);

  // A printed image of the edit carries the skinned frame.
  const TDibImage printed(TSkinBitmap(shown.Width(), shown.Height(), clBlack));
  SendMessageW(bordered.get(), WM_PRINT, reinterpret_cast<WPARAM>(printed.DC()), PRF_NONCLIENT | PRF_CLIENT);
  ExpectSkinBorder(printed.ToImage());
}

}  // namespace

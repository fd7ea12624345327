#include <gtest/gtest.h>

#include "framework/form_reader.h"
#include "framework/properties.h"
#include "framework/win/application.h"
#include "framework/win/bit_btn.h"
#include "framework/win/check_list_box.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/group_box.h"
#include "framework/win/list_box.h"
#include "framework/win/page_control.h"
#include "framework/win/panel.h"
#include "framework/win/progress_bar.h"
#include "framework/win/radio_button.h"
#include "framework/win/radio_group.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/speed_button.h"
#include "framework/win/standard_classes.h"
#include "framework/win/status_bar.h"
#include "framework/win/tab_control.h"
#include "framework/win/tool_bar.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"
#include "framework/win/wide.h"

#include <commctrl.h>

#include <cstring>
#include <string>

namespace {

constexpr const char* kDescription = R"(object Form1: TForm
  Left = 40
  Top = 40
  Width = 640
  Height = 480
  object ToolBar1: TToolBar
    ShowCaptions = True
    ButtonWidth = 40
    object ToolButton1: TToolButton
      Caption = 'New'
    end
    object ToolButton2: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Grouped = True
    end
    object ToolButton3: TToolButton
      Caption = 'Thin'
      Style = tbsCheck
      Grouped = True
      Down = True
    end
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 40
    Width = 150
    Height = 90
    Caption = 'Choice'
    object RadioButton1: TRadioButton
      Left = 8
      Top = 20
      Caption = 'One'
      Checked = True
    end
    object RadioButton2: TRadioButton
      Left = 8
      Top = 44
      Caption = 'Two'
    end
  end
  object RadioButton3: TRadioButton
    Left = 170
    Top = 8
    Caption = 'Alone'
    Checked = True
  end
  object RadioGroup1: TRadioGroup
    Left = 8
    Top = 104
    Width = 150
    Height = 100
    Caption = 'Size'
    ItemIndex = 1
    Items.Strings = (
      'Small'
      'Medium'
      'Large')
    Columns = 2
  end
  object ProgressBar1: TProgressBar
    Left = 170
    Top = 40
    Max = 200
    Position = 150
  end
  object TrackBar1: TTrackBar
    Left = 170
    Top = 64
    Max = 20
    Position = 7
    Orientation = trVertical
  end
  object Edit1: TEdit
    Left = 330
    Top = 8
    Width = 60
    Text = '5'
  end
  object UpDown1: TUpDown
    Left = 392
    Top = 8
    Height = 21
    Associate = Edit1
    Min = 0
    Max = 9
    Position = 5
  end
  object PageControl1: TPageControl
    Left = 330
    Top = 40
    Width = 280
    Height = 150
    ActivePage = TabSheet1
    object TabSheet1: TTabSheet
      Caption = 'First'
    end
    object TabSheet2: TTabSheet
      Caption = 'Second'
      object ListBox1: TListBox
        Left = 4
        Top = 4
        Items.Strings = (
          'b'
          'a')
        ItemIndex = 1
      end
    end
  end
  object TabControl1: TTabControl
    Left = 330
    Top = 200
    Width = 200
    Height = 80
    Tabs.Strings = (
      'x'
      'y')
    TabIndex = 1
  end
  object BitBtn1: TBitBtn
    Left = 8
    Top = 220
    Caption = 'Go'
    Layout = blGlyphTop
    Spacing = -1
  end
  object SpeedButton1: TSpeedButton
    Left = 100
    Top = 220
    GroupIndex = 1
    Down = True
  end
  object SpeedButton2: TSpeedButton
    Left = 124
    Top = 220
    GroupIndex = 1
  end
  object ScrollBar1: TScrollBar
    Left = 8
    Top = 260
    Kind = sbVertical
    Max = 50
    PageSize = 10
    Position = 45
  end
  object CheckListBox1: TCheckListBox
    Left = 170
    Top = 220
    Items.Strings = (
      'p'
      'q')
  end
  object DateTimePicker1: TDateTimePicker
    Left = 330
    Top = 290
    Kind = dtkTime
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Text = '42'
        Alignment = taRightJustify
      end>
  end
end
)";

class CommonControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = new TForm(&Application());
    ReadForm(*form, kDescription, StandardClasses());
    form->Show();
    Application().ProcessMessages();
  }
  void TearDown() override { form->Free(); }

  template <class T>
  T* Find(const char* name) {
    T* found = ObjectAs<T>(form->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  // A left click at a point of a window's client area, as the mouse gives it.
  static void ClickAt(HWND wnd, int x, int y) {
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Application().ProcessMessages();
  }
  static bool WindowChecked(TWinControl* control) {
    return SendMessageW(control->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  TForm* form = nullptr;
};

}  // namespace

TEST_F(CommonControlsTest, DescriptionCreatesEveryWindowOfItsOwnClassShowingTheReadProperties) {
  for (TComponent* component : form->ComponentList()) {
    auto* control = ObjectAs<TWinControl>(component);
    if (control == nullptr) continue;
    ASSERT_TRUE(control->HandleAllocated()) << component->Name();
    wchar_t name[64];
    GetClassNameW(control->WindowHandle(), name, 64);
    // The skins find their controls by window class name.
    EXPECT_EQ(FromWide(name), AnsiString(control->ClassName())) << component->Name();
    EXPECT_EQ(GetParent(control->WindowHandle()), ObjectAs<TWinControl>(control->Parent())->WindowHandle());
  }

  EXPECT_EQ(SendMessageW(Find<TProgressBar>("ProgressBar1")->Handle(), PBM_GETPOS, 0, 0), 150);
  HWND track = Find<TTrackBar>("TrackBar1")->Handle();
  EXPECT_EQ(SendMessageW(track, TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_NE(GetWindowLongW(track, GWL_STYLE) & TBS_VERT, 0);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(Find<TUpDown>("UpDown1")->Handle(), UDM_GETBUDDY, 0, 0)),
            Find<TEdit>("Edit1")->Handle());

  // Radio buttons: the one checked in each parent, the window showing it.
  EXPECT_TRUE(WindowChecked(Find<TRadioButton>("RadioButton1")));
  EXPECT_FALSE(WindowChecked(Find<TRadioButton>("RadioButton2")));
  EXPECT_TRUE(WindowChecked(Find<TRadioButton>("RadioButton3")));
  auto* group = Find<TRadioGroup>("RadioGroup1");
  ASSERT_EQ(group->ControlCount(), 3);
  EXPECT_TRUE(WindowChecked(group->Buttons(1)));
  EXPECT_FALSE(WindowChecked(group->Buttons(0)));
  // Two columns: the third item heads the second.
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left() + group->Buttons(0)->Width() / 2);
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());

  auto* pages = Find<TPageControl>("PageControl1");
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>("TabSheet1"));
  EXPECT_TRUE(IsWindowVisible(Find<TTabSheet>("TabSheet1")->Handle()));
  EXPECT_FALSE(IsWindowVisible(Find<TTabSheet>("TabSheet2")->Handle()));
  EXPECT_EQ(SendMessageW(Find<TTabControl>("TabControl1")->Handle(), TCM_GETCURSEL, 0, 0), 1);

  HWND list = Find<TListBox>("ListBox1")->Handle();
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);

  HWND status = Find<TStatusBar>("StatusBar1")->Handle();
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 2);
  EXPECT_EQ(edges[0], 120);
  wchar_t text[32] = {};
  SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Ready");
  // Docked at the bottom across the form.
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(Find<TStatusBar>("StatusBar1")->Top() + Find<TStatusBar>("StatusBar1")->Height(), client.bottom);
}

TEST_F(CommonControlsTest, PublishedPropertiesRoundTripByNameAndReachTheWindows) {
  EXPECT_EQ(GetOrdProp(*Find<TProgressBar>("ProgressBar1"), "Max"), 200);
  EXPECT_EQ(GetEnumProp(*Find<TTrackBar>("TrackBar1"), "Orientation"), "trVertical");
  EXPECT_EQ(GetObjectProp(*Find<TUpDown>("UpDown1"), "Associate"), Find<TEdit>("Edit1"));
  EXPECT_EQ(GetObjectProp(*Find<TPageControl>("PageControl1"), "ActivePage"), Find<TTabSheet>("TabSheet1"));
  EXPECT_EQ(GetEnumProp(*Find<TBitBtn>("BitBtn1"), "Layout"), "blGlyphTop");
  EXPECT_EQ(GetOrdProp(*Find<TBitBtn>("BitBtn1"), "Spacing"), -1);
  EXPECT_EQ(GetOrdProp(*Find<TBitBtn>("BitBtn1"), "NumGlyphs"), 1);
  EXPECT_EQ(GetEnumProp(*Find<TSpeedButton>("SpeedButton1"), "Down"), "True");
  EXPECT_EQ(GetOrdProp(*Find<TRadioGroup>("RadioGroup1"), "ItemIndex"), 1);
  // The thumb covers the last PageSize positions: 45 is past the end.
  EXPECT_EQ(GetOrdProp(*Find<TScrollBar>("ScrollBar1"), "Position"), 41);
  EXPECT_EQ(GetScrollPos(Find<TScrollBar>("ScrollBar1")->Handle(), SB_CTL), 41);
  auto* status = Find<TStatusBar>("StatusBar1");
  EXPECT_EQ(GetEnumProp(*status->Panels()->Items(1), "Alignment"), "taRightJustify");

  SetPropValue(*Find<TProgressBar>("ProgressBar1"), "Position", std::int64_t{60});
  EXPECT_EQ(SendMessageW(Find<TProgressBar>("ProgressBar1")->Handle(), PBM_GETPOS, 0, 0), 60);
  SetPropValue(*Find<TTrackBar>("TrackBar1"), "Position", std::int64_t{12});
  EXPECT_EQ(SendMessageW(Find<TTrackBar>("TrackBar1")->Handle(), TBM_GETPOS, 0, 0), 12);
  SetPropValue(*Find<TRadioGroup>("RadioGroup1"), "ItemIndex", std::int64_t{2});
  EXPECT_TRUE(WindowChecked(Find<TRadioGroup>("RadioGroup1")->Buttons(2)));
  EXPECT_FALSE(WindowChecked(Find<TRadioGroup>("RadioGroup1")->Buttons(1)));
  SetPropValue(*Find<TPageControl>("PageControl1"), "ActivePage", Find<TTabSheet>("TabSheet2"));
  EXPECT_EQ(GetOrdProp(*Find<TPageControl>("PageControl1"), "ActivePageIndex"), 1);
  EXPECT_TRUE(IsWindowVisible(Find<TTabSheet>("TabSheet2")->Handle()));
  SetPropValue(*status->Panels()->Items(0), "Text", AnsiString("Busy"));
  wchar_t text[32] = {};
  SendMessageW(status->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Busy");
  SetPropValue(*Find<TTabSheet>("TabSheet1"), "Caption", AnsiString("Renamed"));
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(Find<TPageControl>("PageControl1")->Handle(), TCM_GETITEMW, 0,
               reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"Renamed");
}

TEST_F(CommonControlsTest, ClickedRadioButtonClearsOnlyItsSiblings) {
  auto* one = Find<TRadioButton>("RadioButton1");
  auto* two = Find<TRadioButton>("RadioButton2");
  int clicks = 0;
  two->SetOnClick({{}, [&](TObject*) { ++clicks; }});
  ClickAt(two->Handle(), 5, 5);
  EXPECT_TRUE(two->Checked());
  EXPECT_TRUE(WindowChecked(two));
  EXPECT_FALSE(one->Checked());
  EXPECT_FALSE(WindowChecked(one));
  EXPECT_TRUE(Find<TRadioButton>("RadioButton3")->Checked());
  EXPECT_EQ(clicks, 1);

  // A click on a radio group's button moves its ItemIndex.
  auto* group = Find<TRadioGroup>("RadioGroup1");
  int group_clicks = 0;
  group->SetOnClick({{}, [&](TObject*) { ++group_clicks; }});
  ClickAt(group->Buttons(0)->Handle(), 5, 5);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(group_clicks, 1);
}

TEST_F(CommonControlsTest, UpDownArrowsChangeTheBuddysNumber) {
  auto* up_down = Find<TUpDown>("UpDown1");
  auto* edit = Find<TEdit>("Edit1");
  RECT r;
  GetClientRect(up_down->Handle(), &r);
  ClickAt(up_down->Handle(), r.right / 2, r.bottom / 4);
  EXPECT_EQ(edit->Text(), "6");
  EXPECT_EQ(up_down->Position(), 6);
  ClickAt(up_down->Handle(), r.right / 2, r.bottom * 3 / 4);
  ClickAt(up_down->Handle(), r.right / 2, r.bottom * 3 / 4);
  EXPECT_EQ(edit->Text(), "4");
  EXPECT_EQ(up_down->Position(), 4);
}

TEST_F(CommonControlsTest, GroupedSpeedButtonStaysDownAndReleasesTheOthers) {
  auto* first = Find<TSpeedButton>("SpeedButton1");
  auto* second = Find<TSpeedButton>("SpeedButton2");
  int clicks = 0;
  second->SetOnClick({{}, [&](TObject*) { ++clicks; }});
  ClickAt(form->Handle(), second->Left() + 5, second->Top() + 5);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  ClickAt(form->Handle(), second->Left() + 5, second->Top() + 5);
  EXPECT_TRUE(second->Down()) << "the group does not allow all up";
  EXPECT_EQ(clicks, 2);
  second->SetAllowAllUp(true);
  ClickAt(form->Handle(), second->Left() + 5, second->Top() + 5);
  EXPECT_FALSE(second->Down());
}

TEST_F(CommonControlsTest, TabClickShowsItsPage) {
  auto* pages = Find<TPageControl>("PageControl1");
  int changes = 0;
  pages->SetOnChange({{}, [&](TObject*) { ++changes; }});
  RECT tab;
  SendMessageW(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  ClickAt(pages->Handle(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>("TabSheet2"));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(IsWindowVisible(Find<TTabSheet>("TabSheet2")->Handle()));
  EXPECT_FALSE(IsWindowVisible(Find<TTabSheet>("TabSheet1")->Handle()));
  // The sheet fills the area under the tabs.
  RECT sheet;
  GetWindowRect(Find<TTabSheet>("TabSheet2")->Handle(), &sheet);
  MapWindowPoints(nullptr, pages->Handle(), reinterpret_cast<POINT*>(&sheet), 2);
  EXPECT_GE(sheet.top, tab.bottom);

  // Freeing the active sheet makes its neighbour active.
  Find<TTabSheet>("TabSheet2")->Free();
  EXPECT_EQ(pages->ActivePage(), Find<TTabSheet>("TabSheet1"));
  EXPECT_EQ(SendMessageW(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

namespace {

// A bitmap file of two 8 x 8 frames, magenta (its bottom-left pixel: the
// transparent colour) with a 4 x 4 square in the middle of each: red in the
// first, blue in the second.
TBytes TwoFrameGlyph() {
  constexpr int kWidth = 16, kHeight = 8, kStride = kWidth * 3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + kStride * kHeight;
  info.biSize = sizeof(info);
  info.biWidth = kWidth;
  info.biHeight = kHeight;
  info.biPlanes = 1;
  info.biBitCount = 24;
  TBytes bytes(file.bfSize);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int fx = x % 8;
      const bool square = fx >= 2 && fx < 6 && y >= 2 && y < 6;
      const COLORREF c = !square ? RGB(255, 0, 255) : x < 8 ? RGB(255, 0, 0) : RGB(0, 0, 255);
      std::uint8_t* p = bytes.data() + file.bfOffBits + y * kStride + x * 3;
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  return bytes;
}

COLORREF PixelOf(HWND wnd, int x, int y) {
  const WindowDC window(wnd);
  const HDC memory = CreateCompatibleDC(window.get());
  const HBITMAP bitmap = CreateCompatibleBitmap(window.get(), 1, 1);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, 1, 1, window.get(), x, y, SRCCOPY);
  const COLORREF pixel = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixel;
}

}  // namespace

TEST_F(CommonControlsTest, BitButtonDrawsTheGlyphFrameOfItsStateTransparently) {
  auto* button = Find<TBitBtn>("BitBtn1");
  button->SetCaption("");
  SetPropValue(*button->Glyph(), "Data", TwoFrameGlyph());
  SetPropValue(*button, "NumGlyphs", std::int64_t{2});
  EXPECT_EQ(button->Glyph()->Width(), 16);
  HWND wnd = button->Handle();
  UpdateWindow(wnd);
  RECT r;
  GetClientRect(wnd, &r);
  // Without a caption the 8 x 8 frame is centred.
  const int x = (r.right - 8) / 2;
  const int y = (r.bottom - 8) / 2;
  EXPECT_EQ(PixelOf(wnd, x + 3, y + 3), RGB(255, 0, 0));
  EXPECT_NE(PixelOf(wnd, x, y), RGB(255, 0, 255));
  // Pressed: the third frame is missing, so the first shows, one pixel on.
  SendMessageW(wnd, BM_SETSTATE, TRUE, 0);
  UpdateWindow(wnd);
  EXPECT_EQ(PixelOf(wnd, x + 4, y + 4), RGB(255, 0, 0));
  SendMessageW(wnd, BM_SETSTATE, FALSE, 0);
  button->SetEnabled(false);
  UpdateWindow(wnd);
  EXPECT_EQ(PixelOf(wnd, x + 3, y + 3), RGB(0, 0, 255));

  // Bytes that promise more than they hold are refused, the glyph kept.
  TBytes truncated = TwoFrameGlyph();
  truncated.resize(truncated.size() - 10);
  EXPECT_THROW(SetPropValue(*button->Glyph(), "Data", truncated), EInvalidGraphic);
  TBytes huge = TwoFrameGlyph();
  huge[22] = 0x7F;  // a height of 127 rows in the bytes of 8
  EXPECT_THROW(SetPropValue(*button->Glyph(), "Data", huge), EInvalidGraphic);
  EXPECT_EQ(button->Glyph()->Width(), 16);
}

TEST_F(CommonControlsTest, ToolButtonsAreTheBarsButtonsAndAClickedGroupedOneStaysDown) {
  auto* bar = Find<TToolBar>("ToolBar1");
  ASSERT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 3);
  auto* bold = Find<TToolButton>("ToolButton2");
  auto* thin = Find<TToolButton>("ToolButton3");
  int clicks = 0;
  bold->SetOnClick({{}, [&](TObject*) { ++clicks; }});
  RECT r;
  SendMessageW(bar->Handle(), TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  for (int i = 0; i < 2; ++i) ClickAt(bar->Handle(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(bold->Down());
  EXPECT_FALSE(thin->Down());
  TBBUTTON button{};
  SendMessageW(bar->Handle(), TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(button.fsState & TBSTATE_CHECKED, 0);
  // The bar docks at the top; the controls below keep their places.
  EXPECT_EQ(bar->Top(), 0);
  EXPECT_EQ(Find<TGroupBox>("GroupBox1")->Top(), 40);

  // A button freed first leaves the bar.
  Find<TToolButton>("ToolButton1")->Free();
  EXPECT_EQ(SendMessageW(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 2);
}

TEST(MDIFormTest, ChildFormsLiveInTheClientAndTileInsideIt) {
  Application().Initialize();
  auto* frame = new TForm(&Application());
  frame->SetFormStyle(TFormStyle::fsMDIForm);
  frame->SetBounds(20, 20, 500, 400);
  // A tool strip along the top: the client takes the rest, at every size.
  auto* strip = new TPanel(frame);
  strip->SetParent(frame);
  strip->SetHeight(60);
  strip->SetAlign(TAlign::alTop);
  frame->Show();
  ASSERT_NE(frame->ClientHandle(), nullptr);
  const auto client_below_strip = [&] {
    RECT form, client;
    GetClientRect(frame->Handle(), &form);
    GetWindowRect(frame->ClientHandle(), &client);
    MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&client), 2);
    return client.left == 0 && client.top == 60 && client.right == form.right && client.bottom == form.bottom;
  };
  EXPECT_TRUE(client_below_strip());
  frame->SetBounds(20, 20, 560, 460);
  Application().ProcessMessages();
  EXPECT_TRUE(client_below_strip());
  TForm* children[2];
  for (TForm*& child : children) {
    child = new TForm(&Application());
    SetPropValue(*child, "FormStyle", AnsiString("fsMDIChild"));
    child->SetBounds(0, 0, 200, 150);
    child->Show();
  }
  Application().ProcessMessages();
  EXPECT_EQ(GetParent(children[0]->Handle()), frame->ClientHandle());
  EXPECT_EQ(frame->ActiveMDIChild(), children[1]);

  frame->Tile();
  Application().ProcessMessages();
  RECT client;
  GetClientRect(frame->ClientHandle(), &client);
  RECT placed[2];
  long area = 0;
  for (int i = 0; i < 2; ++i) {
    GetWindowRect(children[i]->Handle(), &placed[i]);
    MapWindowPoints(nullptr, frame->ClientHandle(), reinterpret_cast<POINT*>(&placed[i]), 2);
    RECT inside;
    IntersectRect(&inside, &placed[i], &client);
    EXPECT_TRUE(EqualRect(&inside, &placed[i])) << i;
    area += (placed[i].right - placed[i].left) * (placed[i].bottom - placed[i].top);
    // The control knows where its window went.
    EXPECT_EQ(children[i]->Left(), placed[i].left);
    EXPECT_EQ(children[i]->Top(), placed[i].top);
  }
  RECT overlap;
  EXPECT_FALSE(IntersectRect(&overlap, &placed[0], &placed[1]));
  // Covered but for the row an odd height leaves over.
  EXPECT_NEAR(area, static_cast<long>(client.right) * client.bottom, client.right);

  for (TForm* child : children) child->Free();
  frame->Free();
}

TEST_F(CommonControlsTest, KeysAndClicksOfTheUserMoveThePositionsAndTheChecks) {
  auto* scroll = Find<TScrollBar>("ScrollBar1");
  int scroll_changes = 0;
  scroll->SetOnChange({{}, [&](TObject*) { ++scroll_changes; }});
  SendMessageW(scroll->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(scroll->Position(), 40);
  EXPECT_EQ(GetScrollPos(scroll->Handle(), SB_CTL), 40);
  // The end key asks for Max; the thumb keeps the bar at its last position.
  SendMessageW(scroll->Handle(), WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(scroll->Position(), 41);
  EXPECT_EQ(scroll_changes, 2);

  auto* track = Find<TTrackBar>("TrackBar1");
  int track_changes = 0;
  track->SetOnChange({{}, [&](TObject*) { ++track_changes; }});
  SendMessageW(track->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(track->Position(), 8);
  EXPECT_EQ(track_changes, 1);

  auto* checks = Find<TCheckListBox>("CheckListBox1");
  int toggles = 0;
  checks->SetOnClickCheck({{}, [&](TObject*) { ++toggles; }});
  RECT item;
  SendMessageW(checks->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const int middle = (item.top + item.bottom) / 2;
  ClickAt(checks->Handle(), 3, middle);
  EXPECT_TRUE(checks->Checked(1));
  EXPECT_FALSE(checks->Checked(0));
  // A click on the text selects without turning the check over.
  ClickAt(checks->Handle(), 60, middle);
  EXPECT_TRUE(checks->Checked(1));
  EXPECT_EQ(checks->ItemIndex(), 1);
  EXPECT_EQ(toggles, 1);
  // The checks stay with the places that remain.
  checks->Items()->Add("r");
  EXPECT_TRUE(checks->Checked(1));
  EXPECT_FALSE(checks->Checked(2));
}

TEST_F(CommonControlsTest, NewItemsRebuildTheRadioGroupKeepingAnIndexThatStillExists) {
  auto* group = Find<TRadioGroup>("RadioGroup1");
  TPersistent* items = GetObjectProp(*group, "Items");
  SetPropValue(*items, "Strings", TStringArray{"a", "b"});
  ASSERT_EQ(group->ControlCount(), 2);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(WindowChecked(group->Buttons(1)));
  wchar_t caption[8] = {};
  GetWindowTextW(group->Buttons(0)->Handle(), caption, 8);
  EXPECT_EQ(std::wstring(caption), L"a");
  SetPropValue(*items, "Strings", TStringArray{"only"});
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_FALSE(group->Buttons(0)->Checked());

  // A status bar's simple text stands in for its panels.
  auto* status = Find<TStatusBar>("StatusBar1");
  SetPropValue(*status, "SimpleText", AnsiString("Working"));
  SetPropValue(*status, "SimplePanel", AnsiString("True"));
  EXPECT_NE(SendMessageW(status->Handle(), SB_ISSIMPLE, 0, 0), 0);
  wchar_t text[32] = {};
  // A simple bar answers its one text for the first part.
  SendMessageW(status->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Working");
}

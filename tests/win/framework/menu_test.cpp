#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/form_reader.h"
#include "framework/published.h"
#include "framework/win/application.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/image_list.h"
#include "framework/win/main_menu.h"
#include "framework/win/popup_menu.h"
#include "framework/win/standard_classes.h"
#include "framework/win/wide.h"

namespace {

class TMenuTestForm : public TForm {
 public:
  using TForm::TForm;
  static const TClassInfo& StaticClassInfo() {
    static const TMethodInfo methods[] = {
        PublishMethod("ItemClick", &TMenuTestForm::ItemClick),
        PublishMethod("PopupShown", &TMenuTestForm::PopupShown),
    };
    static const TClassInfo info = MakeClassInfo<TMenuTestForm, TForm>("TMenuTestForm", {}, methods);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void ItemClick(TObject* sender) { clicked.push_back(static_cast<TComponent*>(sender)->Name()); }
  void PopupShown(TObject*) { clicked.push_back("popup"); }
  TMenuItem* Item(const char* name) { return ObjectAs<TMenuItem>(FindComponent(name)); }

  std::vector<AnsiString> clicked;
};

constexpr const char* kDescription = R"(object MenuTestForm: TMenuTestForm
  Left = 60
  Top = 60
  Width = 400
  Height = 300
  Menu = MainMenu1
  object Edit1: TEdit
    Left = 20
    Top = 20
    Width = 200
    Height = 24
    PopupMenu = PopupMenu1
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      OnClick = ItemClick
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
        OnClick = ItemClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Hidden1: TMenuItem
        Caption = 'Hidden'
        Visible = False
      end
      object Recent1: TMenuItem
        Caption = '最近(&R)'
        Checked = True
        Enabled = False
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        ShortCut = 32883
        Default = True
        OnClick = ItemClick
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
  object PopupMenu1: TPopupMenu
    OnPopup = PopupShown
    object Copy1: TMenuItem
      Caption = '&Copy'
      OnClick = ItemClick
    end
    object Paste1: TMenuItem
      Caption = '&Paste'
      OnClick = ItemClick
    end
  end
end
)";

// One entry of a system menu as GetMenuItemInfo reads it.
struct Entry {
  std::wstring text;
  UINT type = 0;
  UINT state = 0;
  UINT id = 0;
  HMENU submenu = nullptr;
};

Entry EntryAt(HMENU menu, int position) {
  wchar_t text[80] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  info.dwTypeData = text;
  info.cch = 80;
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return {L"<none>"};
  return {text, info.fType, info.fState, info.wID, info.hSubMenu};
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (GetTickCount() < end);
}

void Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

// Keys to press, one at a time, once a menu window shows; the window seen
// and where it showed.
std::vector<WORD> pending_keys;
HWND menu_window = nullptr;
RECT menu_rect{};
HHOOK cbt_hook = nullptr;

LRESULT CALLBACK NoteMenuWindow(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    wchar_t name[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wparam), name, 16);
    if (std::wstring(name) == L"#32768") menu_window = reinterpret_cast<HWND>(wparam);
  }
  return CallNextHookEx(cbt_hook, code, wparam, lparam);
}

// Runs inside the menu's own message loop: presses the next key once the
// menu has shown.
void CALLBACK PressPendingKey(HWND, UINT, UINT_PTR timer, DWORD) {
  if (pending_keys.empty()) {
    KillTimer(nullptr, timer);
    return;
  }
  if (menu_window == nullptr) return;
  if (menu_rect.right == 0) {
    if (!IsWindowVisible(menu_window)) return;
    GetWindowRect(menu_window, &menu_rect);
  }
  const WORD vk = pending_keys.front();
  pending_keys.erase(pending_keys.begin());
  Key(vk, false);
  Key(vk, true);
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    form = new TMenuTestForm(&Application());
    ReadForm(*form, kDescription, StandardClasses());
    menu = ObjectAs<TMainMenu>(form->FindComponent("MainMenu1"));
    popup = ObjectAs<TPopupMenu>(form->FindComponent("PopupMenu1"));
    edit = ObjectAs<TEdit>(form->FindComponent("Edit1"));
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump(50);
  }
  void TearDown() override {
    if (cbt_hook != nullptr) UnhookWindowsHookEx(cbt_hook);
    cbt_hook = nullptr;
    form->Free();
  }

  // Presses these keys in the next menu that shows.
  static void KeysForNextMenu(std::vector<WORD> keys) {
    pending_keys = std::move(keys);
    menu_window = nullptr;
    menu_rect = {};
    cbt_hook = SetWindowsHookExW(WH_CBT, NoteMenuWindow, nullptr, GetCurrentThreadId());
    SetTimer(nullptr, 0, 50, PressPendingKey);
  }

  TMenuTestForm* form = nullptr;
  TMainMenu* menu = nullptr;
  TPopupMenu* popup = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(MenuTest, TheWindowShowsTheMenuBuiltFromTheDescription) {
  const HMENU bar = GetMenu(form->Handle());
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar, menu->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  const Entry file = EntryAt(bar, 0);
  EXPECT_EQ(file.text, L"&File");
  EXPECT_EQ(file.id, form->Item("File1")->Command());
  EXPECT_EQ(file.submenu, form->Item("File1")->Handle());
  EXPECT_EQ(EntryAt(bar, 1).submenu, nullptr);

  // The hidden item is left out; texts carry the shortcut after a tab.
  const HMENU drop_down = file.submenu;
  ASSERT_EQ(GetMenuItemCount(drop_down), 4);
  const Entry save = EntryAt(drop_down, 0);
  EXPECT_EQ(save.text, L"&Save\tCtrl+S");
  EXPECT_EQ(save.type, UINT{MFT_STRING});
  EXPECT_EQ(save.state, 0u);
  EXPECT_EQ(save.id, form->Item("Save1")->Command());
  EXPECT_EQ(EntryAt(drop_down, 1).type, UINT{MFT_SEPARATOR});
  const Entry recent = EntryAt(drop_down, 2);
  EXPECT_EQ(recent.text, L"最近(&R)");
  EXPECT_EQ(recent.state & (MFS_GRAYED | MFS_CHECKED), UINT{MFS_GRAYED | MFS_CHECKED});
  const Entry exit = EntryAt(drop_down, 3);
  EXPECT_EQ(exit.text, L"E&xit\tAlt+F4");
  EXPECT_EQ(exit.state & MFS_DEFAULT, UINT{MFS_DEFAULT});
  EXPECT_EQ(menu->FindItem(reinterpret_cast<std::uintptr_t>(drop_down), TFindItemKind::fkHandle),
            form->Item("File1"));

  // A chosen command clicks its item; an opening submenu clicks its parent
  // item first; commands of controls are not the menu's.
  PostMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(save.id, 0), 0);
  Pump(20);
  SendMessageW(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(drop_down), 0);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(exit.id, BN_CLICKED),
               reinterpret_cast<LPARAM>(edit->Handle()));
  EXPECT_EQ(form->clicked, (std::vector<AnsiString>{"Save1", "File1"}));
}

TEST_F(MenuTest, ChangedItemsUpdateTheMenuAndTellTheFormThroughItsWindowProc) {
  std::vector<HMENU> menu_at_change;
  const TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_MENUCHANGED) menu_at_change.push_back(GetMenu(form->Handle()));
    saved(m);
  };
  const HMENU drop_down = form->Item("File1")->Handle();
  form->Item("Save1")->SetCaption("Save &As");
  form->Item("Recent1")->SetEnabled(true);
  EXPECT_EQ(EntryAt(drop_down, 0).text, L"Save &As\tCtrl+S");
  EXPECT_EQ(EntryAt(drop_down, 2).state & MFS_GRAYED, 0u);

  form->Item("Hidden1")->SetVisible(true);
  ASSERT_EQ(GetMenuItemCount(drop_down), 5);
  EXPECT_EQ(EntryAt(drop_down, 2).text, L"Hidden");
  EXPECT_EQ(EntryAt(drop_down, 4).text, L"E&xit\tAlt+F4");

  // An item that gains sub-items gets a submenu in its entry, and loses it
  // with the last of them.
  auto* about = new TMenuItem(form);
  about->SetCaption("&About");
  form->Item("Help1")->Add(about);
  const HMENU help = form->Item("Help1")->Handle();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(EntryAt(menu->Handle(), 1).submenu, help);
  EXPECT_EQ(EntryAt(help, 0).text, L"&About");
  delete about;
  EXPECT_EQ(EntryAt(menu->Handle(), 1).submenu, nullptr);
  EXPECT_EQ(form->Item("Help1")->Handle(), nullptr);

  // Whoever took the menu off the window (a skin drawing its own bar) gets
  // it back on the window with the next change.
  SetMenu(form->Handle(), nullptr);
  form->Item("Exit1")->SetChecked(true);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  // A handler in front sees each change before the form puts the menu back.
  ASSERT_EQ(menu_at_change.size(), 6u);
  EXPECT_EQ(menu_at_change.front(), menu->Handle());
  EXPECT_EQ(menu_at_change.back(), nullptr);
  form->WindowProc = saved;

  // Menus freed before the form leave nothing behind that refers to them.
  delete popup;
  EXPECT_EQ(edit->PopupMenu(), nullptr);
  delete menu;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(MenuTest, OwnerDrawnItemsReachAHandlerInFrontOfTheFormThenTheirOwnHandlersOrThePlainDrawing) {
  menu->SetOwnerDraw(true);
  const HMENU drop_down = form->Item("File1")->Handle();
  for (int i = 0; i < GetMenuItemCount(drop_down); ++i) {
    EXPECT_TRUE(EntryAt(drop_down, i).type & MFT_OWNERDRAW) << i;
  }
  EXPECT_EQ(EntryAt(drop_down, 0).text, L"&Save\tCtrl+S");

  std::vector<std::string> log;
  const TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_MEASUREITEM || m.Msg == WM_DRAWITEM) log.push_back("in front");
    saved(m);
  };
  TMenuItem* save = form->Item("Save1");
  save->SetOnMeasureItem([&](TObject* sender, HDC dc, int& width, int& height) {
    log.push_back(sender == save && dc != nullptr ? "measure" : "measure?");
    width = 123;
    height = 17;
  });
  layout::Rect drawn_rect;
  TOwnerDrawState drawn_state;
  save->SetOnAdvancedDrawItem([&](TObject*, HDC, const layout::Rect& rect, TOwnerDrawState state) {
    log.push_back("draw");
    drawn_rect = rect;
    drawn_state = state;
  });
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, save->Command(), 0, 0, 0};
  SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  EXPECT_EQ(measure.itemWidth, 123u);
  EXPECT_EQ(measure.itemHeight, 17u);

  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateBitmap(200, 24, 1, 32, nullptr);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  DRAWITEMSTRUCT draw{ODT_MENU,
                      0,
                      save->Command(),
                      ODA_DRAWENTIRE,
                      ODS_SELECTED | ODS_CHECKED,
                      reinterpret_cast<HWND>(drop_down),
                      dc,
                      {0, 0, 200, 24},
                      0};
  SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(log, (std::vector<std::string>{"in front", "measure", "in front", "draw"}));
  EXPECT_EQ(drawn_rect, (layout::Rect{0, 0, 200, 24}));
  EXPECT_TRUE(drawn_state.Contains(TOwnerDrawStateFlag::odSelected));
  EXPECT_TRUE(drawn_state.Contains(TOwnerDrawStateFlag::odChecked));
  EXPECT_FALSE(drawn_state.Contains(TOwnerDrawStateFlag::odDisabled));

  // Without handlers the framework measures caption and shortcut and paints
  // the item's background, text and check mark.
  TMenuItem* exit = form->Item("Exit1");
  MEASUREITEMSTRUCT plain{ODT_MENU, 0, exit->Command(), 0, 0, 0};
  SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&plain));
  EXPECT_GT(plain.itemWidth, 16u + 40u);
  EXPECT_GE(plain.itemHeight, 16u);
  exit->SetChecked(true);
  // An item with an image shows it in the glyph column instead of the mark.
  TImageList images(nullptr);
  {
    const HDC screen = GetDC(nullptr);
    const HBITMAP red = CreateCompatibleBitmap(screen, 16, 16);
    const HDC image_dc = CreateCompatibleDC(screen);
    const HGDIOBJ previous = SelectObject(image_dc, red);
    const RECT all{0, 0, 16, 16}, inner{4, 4, 12, 12};
    FillRect(image_dc, &all, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(image_dc, &inner, brush);
    DeleteObject(brush);
    SelectObject(image_dc, previous);
    DeleteDC(image_dc);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(images.AddMasked(red, 0xFFFFFF), 0);
    DeleteObject(red);
  }
  menu->SetImages(&images);
  form->Item("Save1")->SetImageIndex(0);
  save->SetOnAdvancedDrawItem(nullptr);
  draw.itemID = save->Command();
  draw.itemState = 0;
  SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(GetPixel(dc, 1 + 8, 1 + 8), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 1 + 1, 1 + 1), GetSysColor(COLOR_MENU));  // the mask's white is transparent
  menu->SetImages(nullptr);
  auto count_pixels = [&](COLORREF colour, int left, int right) {
    int n = 0;
    for (int y = 0; y < 24; ++y) {
      for (int x = left; x < right; ++x) n += GetPixel(dc, x, y) == colour;
    }
    return n;
  };
  for (const UINT state : {UINT{ODS_SELECTED}, UINT{0}}) {
    draw.itemID = exit->Command();
    draw.itemState = state;
    SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    const COLORREF back = GetSysColor(state ? COLOR_HIGHLIGHT : COLOR_MENU);
    const COLORREF text = GetSysColor(state ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    EXPECT_EQ(GetPixel(dc, 199, 0), back);
    EXPECT_GT(count_pixels(text, 0, 17), 4) << "check mark";
    EXPECT_GT(count_pixels(text, 20, 100), 20) << "caption";
    EXPECT_GT(count_pixels(text, 120, 189), 20) << "shortcut";
    EXPECT_EQ(count_pixels(text, 190, 200), 0) << "margin";
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  form->WindowProc = saved;
}

TEST_F(MenuTest, ARightClickOnAControlShowsItsPopupMenuAndTheKeyboardPicksAnItem) {
  RECT r;
  GetWindowRect(edit->Handle(), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  // The item's mnemonic, one key: the menu shows under the pointer, and a
  // late pointer move there may clear a selection made with arrow keys.
  KeysForNextMenu({'P'});
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, click, sizeof(INPUT));
  Pump(1500);
  EXPECT_NE(menu_window, nullptr);
  EXPECT_TRUE(pending_keys.empty());
  EXPECT_EQ(form->clicked, (std::vector<AnsiString>{"popup", "Paste1"}));
  EXPECT_EQ(popup->PopupComponent(), edit);

  // The menu key's request shows it at the control's top-left.
  form->clicked.clear();
  KeysForNextMenu({VK_ESCAPE});
  SendMessageW(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), MAKELPARAM(-1, -1));
  POINT origin{0, 0};
  ClientToScreen(edit->Handle(), &origin);
  EXPECT_EQ(menu_rect.left, origin.x);
  EXPECT_EQ(menu_rect.top, origin.y);
  EXPECT_EQ(form->clicked, (std::vector<AnsiString>{"popup"}));
}

TEST_F(MenuTest, AltAndAnAcceleratorNoControlTakesOpenTheMenuBar) {
  KeysForNextMenu({VK_ESCAPE, VK_ESCAPE});
  Key(VK_MENU, false);
  Key('F', false);
  Key('F', true);
  Key(VK_MENU, true);
  Pump(1500);
  EXPECT_NE(menu_window, nullptr);
  EXPECT_EQ(form->clicked, (std::vector<AnsiString>{"File1"}));
}

}  // namespace

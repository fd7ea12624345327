// The skinned main window and a system-style dialog give their controls skin
// objects through a recording factory table: which control gets which
// object, never two for one control, objects of destroyed windows dropped,
// and every object detached and freed when the skin goes off.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "app/win/main_form.h"
#include "app/win/startup.h"
#include "framework/win/application.h"
#include "framework/win/wide.h"
#include "skin/controls/win/control_skin_mapper.h"
#include "skin/controls/win/skin_control.h"
#include "skin/data/model/skin_data.h"
#include "skin/data/model/skin_environment.h"
#include "skin/windows/skin_messages.h"
#include "skin/windows/win/skin_engine.h"

namespace {

using enum TSkinControlClass;

// What the table made: one entry per object, kept after the object is freed.
struct TMade {
  TSkinControlClass Class;
  AnsiString Target;  // the control's name, or the window's class name
  HWND Window = nullptr;
  int Detached = 0;
  bool Freed = false;
};

std::vector<TMade>& Made() {
  static std::vector<TMade> made;
  return made;
}

class TRecordingSkin final : public TSkinControl {
 public:
  TRecordingSkin(TComponent* owner, TSkinControlClass cls) : TSkinControl(owner), index_(Made().size()) {
    Made().push_back({cls, owner != nullptr ? owner->Name() : AnsiString()});
  }
  ~TRecordingSkin() override { Entry().Freed = true; }

  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override {
    TSkinControl::AttachControl(form, data, change_color);
    Entry().Window = Handle();
  }
  void AttachWindow(HWND window, TSkinData& data, TWinSkinForm* form) override {
    TSkinControl::AttachWindow(window, data, form);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    Entry().Target = LowerCaseAscii(FromWide(name));
    Entry().Window = window;
  }
  void Detach() override {
    ++Entry().Detached;
    TSkinControl::Detach();
  }

 private:
  TMade& Entry() { return Made()[index_]; }
  std::size_t index_;
};

template <TSkinControlClass C>
TSkinControl* Record(TComponent* owner, const TSkinChoice&) {
  return new TRecordingSkin(owner, C);
}

constexpr TSkinControlFactoryRow kRecordingTable[] = {
    {scSkinBox, &Record<scSkinBox>},           {scSkinScrollbar, &Record<scSkinScrollbar>},
    {scSkinEdit, &Record<scSkinEdit>},         {scSkinComBox, &Record<scSkinComBox>},
    {scSkinCheckBox, &Record<scSkinCheckBox>}, {scSkinRadioButton, &Record<scSkinRadioButton>},
    {scSkinButton, &Record<scSkinButton>},     {scSkinListView, &Record<scSkinListView>},
    {scSkinSizer, &Record<scSkinSizer>},
};

// The live objects by target; a target made twice shows up as a count.
std::multimap<AnsiString, TSkinControlClass> Live() {
  std::multimap<AnsiString, TSkinControlClass> live;
  for (const TMade& made : Made())
    if (!made.Freed) live.emplace(made.Target, made.Class);
  return live;
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application().ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

template <class F>
bool PumpUntil(F done) {
  for (int i = 0; i < 150 && !done(); ++i) Pump(10);
  return done();
}

class FormControlSkins : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeApplication();
    static const TSkinEngine engine(ControlSkinsProvider(kRecordingTable));
    scope_ = std::make_unique<TSkinEnvironmentScope>(engine);
  }
  static void TearDownTestSuite() { scope_.reset(); }

  void SetUp() override {
    Made().clear();
    form_ = new Tfrmmain(&Application());
    skin_ = ObjectAs<TSkinData>(form_->FindComponent("skndt1"));
    ASSERT_NE(skin_, nullptr);
  }
  void TearDown() override {
    form_->Free();
    Pump(50);
  }

  void ShowSkinned() {
    form_->Show();
    ASSERT_TRUE(PumpUntil([] { return !Made().empty(); }));
    Pump(100);
  }
  TWinControl& Control(const char* name) const { return *ObjectAs<TWinControl>(form_->FindComponent(name)); }
  int MadeFor(const char* target) const {
    int count = 0;
    for (const TMade& made : Made()) count += made.Target == target;
    return count;
  }

  static inline std::unique_ptr<TSkinEnvironmentScope> scope_;
  Tfrmmain* form_ = nullptr;
  TSkinData* skin_ = nullptr;
};

const std::multimap<AnsiString, TSkinControlClass> kMainWindow = {
    {"pnl1", scSkinBox},       {"pnl3", scSkinBox},
    {"pnl4", scSkinBox},       {"chk1", scSkinCheckBox},
    {"chk2", scSkinCheckBox},  {"chk3", scSkinCheckBox},
    {"chk4", scSkinCheckBox},  {"chk5", scSkinCheckBox},
    {"btn1", scSkinButton},    {"btn2", scSkinButton},
    {"btn3", scSkinButton},    {"btn4", scSkinButton},
    {"btn5", scSkinButton},    {"Button3", scSkinButton},
    {"edt1", scSkinEdit},      {"cbb1", scSkinComBox},
    {"mmo1", scSkinScrollbar}, {"mmo2", scSkinScrollbar},
    {"mmo3", scSkinScrollbar}, {"ordrlstvw1", scSkinListView},
};

TEST_F(FormControlSkins, TheMainWindowsControlsGetOneObjectEachAndGiveEverythingBackWhenTheSkinGoesOff) {
  const TColor panel_colour = Control("pnl1").Color();
  ShowSkinned();
  EXPECT_EQ(Live(), kMainWindow);
  // Really attached: hidden controls too, labels and splitters are not in the list.
  for (const auto& [name, cls] : kMainWindow)
    EXPECT_EQ(SendMessageW(Control(name.c_str()).Handle(), SKM_ISSKINNED, 0, 0), 1) << name;
  EXPECT_NE(Control("pnl1").Color(), panel_colour);

  // Mapping again makes nothing new.
  const std::size_t made = Made().size();
  SendMessageW(form_->Handle(), SKM_REAPPLY, 0, 0);
  EXPECT_EQ(Made().size(), made);
  EXPECT_EQ(Live(), kMainWindow);

  // A scroll skin rebuilt on request: the old object goes, a new one comes.
  SendMessageW(form_->Handle(), SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(Control("mmo1").Handle()), 0);
  EXPECT_EQ(MadeFor("mmo1"), 2);
  EXPECT_EQ(Live(), kMainWindow);

  skin_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(form_->Handle(), SKM_ISSKINNED, 0, 0) != 1; }));
  for (const TMade& entry : Made()) {
    EXPECT_TRUE(entry.Freed) << entry.Target;
    EXPECT_GE(entry.Detached, 1) << entry.Target;
  }
  for (const auto& [name, cls] : kMainWindow)
    EXPECT_EQ(SendMessageW(Control(name.c_str()).Handle(), SKM_ISSKINNED, 0, 0), 0) << name;
  EXPECT_EQ(Control("pnl1").Color(), panel_colour);
}

TEST_F(FormControlSkins, ControlsWhoseWindowsGoLoseTheirObjects) {
  ShowSkinned();
  // The window goes, the control stays: its object is dropped and the next
  // mapping gives the new window a fresh one.
  TWinControl& button = Control("btn1");
  button.RecreateWnd();
  SendMessageW(form_->Handle(), SKM_REAPPLY, 0, 0);
  EXPECT_EQ(MadeFor("btn1"), 2);
  EXPECT_EQ(Live(), kMainWindow);
  EXPECT_EQ(SendMessageW(button.Handle(), SKM_ISSKINNED, 0, 0), 1);

  // The control itself goes: its object goes with it and leaves the list.
  Control("chk2").Free();
  SendMessageW(form_->Handle(), SKM_REAPPLY, 0, 0);
  auto expected = kMainWindow;
  expected.erase("chk2");
  EXPECT_EQ(Live(), expected);
  skin_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(form_->Handle(), SKM_ISSKINNED, 0, 0) != 1; }));
  EXPECT_TRUE(Live().empty());
}

TEST_F(FormControlSkins, TheApplicationAndTheDisableTagDecideBeforeTheTable) {
  Control("chk1").SetTag(skin_->DisableTag());
  TControl* offered_form = nullptr;
  skin_->OnSkinControl = [&](TComponent*, TSkinData*, TControl* parent, TControl* control,
                             const AnsiString& cls, TComponent*& answer) {
    if (control->Name() == "btn2") answer = form_;  // not a skin object: left alone
    if (control->Name() == "btn3" && cls == "TBUTTON") {
      answer = new TRecordingSkin(control, scNone);
      offered_form = parent;
    }
  };
  ShowSkinned();
  auto expected = kMainWindow;
  expected.erase("chk1");
  expected.erase("btn2");
  expected.erase("btn3");
  expected.emplace("btn3", scNone);
  EXPECT_EQ(Live(), expected);
  EXPECT_EQ(offered_form, &Control("pnl1"));
  EXPECT_EQ(SendMessageW(Control("btn3").Handle(), SKM_ISSKINNED, 0, 0), 1);
  skin_->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(form_->Handle(), SKM_ISSKINNED, 0, 0) != 1; }));
  EXPECT_TRUE(Live().empty());
}

// A dialog template in memory: the dialog, then each item, DWORD-aligned.
class TDialogTemplate {
 public:
  TDialogTemplate(DWORD style, short cx, short cy, int items) {
    Align();
    Put(DLGTEMPLATE{style, 0, static_cast<WORD>(items), 10, 10, cx, cy});
    words_.insert(words_.end(), {0, 0, 0});  // no menu, the dialog class, no title
  }
  void Item(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id) {
    Align();
    Put(DLGITEMTEMPLATE{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id});
    words_.insert(words_.end(), {0xFFFF, atom, 0, 0});  // class by atom, no text, no extra data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Align() {
    if (words_.size() % 2 != 0) words_.push_back(0);
  }
  template <class T>
  void Put(const T& value) {
    const auto* w = reinterpret_cast<const WORD*>(&value);
    words_.insert(words_.end(), w, w + sizeof(T) / sizeof(WORD));
  }
  std::vector<WORD> words_;
};

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(FormControlSkins, AForeignDialogMapsItsButtonCheckBoxEditAndDropDownComboOnlyAndAGripMadeLater) {
  // The skin switches on a moment after its form was read.
  Pump(400);
  constexpr WORD kButton = 0x0080, kEdit = 0x0081, kComboBox = 0x0085;
  TDialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 200, 160, 7);
  dialog.Item(kButton, BS_PUSHBUTTON, 5, 5, 50, 14, 1);
  dialog.Item(kButton, BS_OWNERDRAW, 60, 5, 50, 14, 2);
  dialog.Item(kButton, BS_GROUPBOX, 5, 25, 100, 40, 3);
  dialog.Item(kButton, BS_AUTOCHECKBOX, 10, 35, 60, 12, 4);
  dialog.Item(kEdit, ES_AUTOHSCROLL | WS_BORDER, 5, 70, 80, 14, 5);
  dialog.Item(kComboBox, CBS_SIMPLE, 5, 90, 80, 50, 6);
  dialog.Item(kComboBox, CBS_DROPDOWNLIST, 100, 90, 80, 50, 7);
  const HWND window =
      CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), nullptr, &PlainDialog, 0);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(window, SKM_ISSKINNED, 0, 0) == 1 && !Made().empty(); }));
  Pump(100);
  const std::multimap<AnsiString, TSkinControlClass> expected = {
      {"button", scSkinButton}, {"button", scSkinCheckBox}, {"edit", scSkinEdit}, {"combobox", scSkinComBox}};
  EXPECT_EQ(Live(), expected);
  EXPECT_EQ(Made()[0].Window, GetDlgItem(window, 1));

  // A size grip made inside the skinned dialog is mapped as it comes.
  const HWND grip = CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 180, 140,
                                    16, 16, window, nullptr, nullptr, nullptr);
  ASSERT_FALSE(Made().empty());
  EXPECT_EQ(Made().back().Class, scSkinSizer);
  EXPECT_EQ(Made().back().Window, grip);

  DestroyWindow(window);
  Pump(50);
  for (const TMade& entry : Made()) EXPECT_TRUE(entry.Freed) << entry.Target;
}

}  // namespace

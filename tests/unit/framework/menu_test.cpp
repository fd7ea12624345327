#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/form_reader.h"
#include "framework/menu.h"
#include "framework/published.h"

namespace {

TEST(ShortCutText, NamesTheKeyAfterTheHeldKeys) {
  const std::pair<TShortCut, const char*> table[] = {
      {16467, "Ctrl+S"},
      {scAlt | 0x73, "Alt+F4"},
      {0x70, "F1"},
      {0x87, "F24"},
      {scCtrl | scShift | 'N', "Shift+Ctrl+N"},
      {scShift | scCtrl | scAlt | 0x0D, "Shift+Ctrl+Alt+Enter"},
      {0x2E, "Del"},
      {scCtrl | 0x21, "Ctrl+PgUp"},
      {0x28, "Down"},
      {scCtrl | 0x61, "Ctrl+1"},  // keypad 1
      {scCtrl | '0', "Ctrl+0"},
      {0x08, "BkSp"},
      {scNone, ""},
      {scCtrl, ""},         // held keys without a key
      {scCtrl | 0xBA, ""},  // a key without a name here
  };
  for (const auto& [shortcut, text] : table) EXPECT_EQ(ShortCutToText(shortcut), text) << shortcut;
}

// Owns the items it makes, as a form does.
class MenuTreeTest : public ::testing::Test {
 protected:
  TMenuItem* Item(const char* caption) {
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    return item;
  }
  static std::string Captions(const TMenuItem& parent) {
    std::string text;
    for (int i = 0; i < parent.Count(); ++i) text += (i ? "," : "") + parent.Items(i)->Caption();
    return text;
  }

  TComponent owner{nullptr};
};

TEST_F(MenuTreeTest, ItemsAreAddedInsertedAndRemovedInPlace) {
  TMenu menu(&owner);
  TMenuItem* file = Item("&File");
  TMenuItem* edit = Item("&Edit");
  menu.Items()->Add(edit);
  menu.Items()->Insert(0, file);
  TMenuItem* open = Item("&Open");
  TMenuItem* save = Item("&Save");
  TMenuItem* line = Item("-");
  file->Add(open);
  file->Add(save);
  file->Insert(1, line);
  EXPECT_EQ(Captions(*menu.Items()), "&File,&Edit");
  EXPECT_EQ(Captions(*file), "&Open,-,&Save");
  EXPECT_TRUE(line->IsLine());
  EXPECT_EQ(save->Parent(), file);
  EXPECT_EQ(save->GetParentMenu(), &menu);

  file->Remove(line);
  EXPECT_EQ(Captions(*file), "&Open,&Save");
  EXPECT_EQ(line->Parent(), nullptr);
  EXPECT_EQ(line->GetParentMenu(), nullptr);
  edit->Add(line);  // a removed item may go elsewhere

  // Misuse is refused and leaves the tree as it was.
  EXPECT_THROW(edit->Add(save), EMenuError);          // already has a parent
  EXPECT_THROW(save->Add(file), EMenuError);          // its own parent
  EXPECT_THROW(file->Add(menu.Items()), EMenuError);  // a menu's root
  EXPECT_THROW(file->Insert(3, Item("x")), EMenuError);
  EXPECT_THROW(file->Remove(line), EMenuError);
  EXPECT_THROW(file->Items(2), EMenuError);
  EXPECT_EQ(Captions(*file), "&Open,&Save");

  // Freeing an item frees its sub-items and takes it out of its parent.
  const int components = owner.ComponentCount();
  delete file;
  EXPECT_EQ(Captions(*menu.Items()), "&Edit");
  EXPECT_EQ(owner.ComponentCount(), components - 3);
}

TEST_F(MenuTreeTest, CommandsAreUniqueAndFindTheirItems) {
  TMenu menu(&owner);
  std::set<unsigned> commands{menu.Items()->Command()};
  TMenuItem* parent = menu.Items();
  std::vector<TMenuItem*> items;
  for (int depth = 0; depth < 4; ++depth) {
    for (int i = 0; i < 5; ++i) {
      TMenuItem* item = Item("item");
      parent->Add(item);
      items.push_back(item);
      EXPECT_TRUE(commands.insert(item->Command()).second) << item->Command();
    }
    parent = items.back();
  }
  for (TMenuItem* item : items) EXPECT_EQ(menu.FindItem(item->Command(), TFindItemKind::fkCommand), item);
  TMenuItem* other_menu_item = Item("elsewhere");
  EXPECT_EQ(menu.FindItem(other_menu_item->Command(), TFindItemKind::fkCommand), nullptr);
  items[7]->SetShortCut(scCtrl | 'S');
  EXPECT_EQ(menu.FindItem(scCtrl | 'S', TFindItemKind::fkShortCut), items[7]);
  EXPECT_EQ(menu.FindItem(scNone, TFindItemKind::fkShortCut), nullptr);

  // A freed item's command may serve a new item, never two at once.
  const unsigned freed = items[19]->Command();
  delete items[19];
  EXPECT_EQ(menu.FindItem(freed, TFindItemKind::fkCommand), nullptr);
  TMenuItem* fresh = Item("fresh");
  EXPECT_EQ(commands.count(fresh->Command()) == 0 || fresh->Command() == freed, true);

  // Commands click their item; a disabled item does nothing.
  std::vector<TObject*> clicked;
  items[3]->SetOnClick({"", [&](TObject* sender) { clicked.push_back(sender); }});
  EXPECT_TRUE(menu.DispatchCommand(items[3]->Command()));
  items[3]->SetEnabled(false);
  EXPECT_TRUE(menu.DispatchCommand(items[3]->Command()));
  EXPECT_FALSE(menu.DispatchCommand(other_menu_item->Command()));
  EXPECT_EQ(clicked, std::vector<TObject*>{items[3]});
}

// Records what a menu tells its system menu.
class RecordingNative : public TMenuNative {
 public:
  explicit RecordingNative(std::vector<std::string>& log) : log_(log) {}
  HMENU ItemHandle(const TMenuItem&) override { return nullptr; }
  void ItemChanged(const TMenuItem& item) override { log_.push_back("changed " + item.Caption()); }
  void ItemsChanged(const TMenuItem& parent) override { log_.push_back("list " + parent.Caption()); }
  void ItemRemoved(const TMenuItem& item) override {
    log_.push_back("removed " + item.Caption() + " with " + std::to_string(item.Count()));
  }
  void Rebuild() override { log_.push_back("rebuild"); }

 private:
  std::vector<std::string>& log_;
};

class RecordingMenu : public TMenu {
 public:
  explicit RecordingMenu(TComponent* owner) : TMenu(owner) {
    SetNative(std::make_unique<RecordingNative>(log));
  }
  void MenuChanged() override { log.push_back("menu changed"); }
  std::vector<std::string> log;
};

TEST_F(MenuTreeTest, EveryChangeReachesTheSystemMenuBeforeTheMenuIsTold) {
  RecordingMenu menu(&owner);
  TMenuItem* file = Item("File");
  TMenuItem* save = Item("Save");
  file->Add(save);  // not in the menu yet: nobody to tell
  save->SetChecked(true);
  EXPECT_TRUE(menu.log.empty());

  menu.Items()->Add(file);
  save->SetEnabled(false);
  save->SetEnabled(false);  // no change
  save->SetVisible(false);
  menu.SetOwnerDraw(true);
  menu.Items()->Remove(file);
  save->SetCaption("Save as");  // left the menu with its parent
  const std::vector<std::string> expected{"list ",     "menu changed",        "changed Save", "menu changed",
                                          "list File", "menu changed",        "rebuild",      "menu changed",
                                          "list ",     "removed File with 1", "menu changed"};
  EXPECT_EQ(menu.log, expected);
}

class TMenuForm : public TComponent {
 public:
  explicit TMenuForm(TComponent* owner) : TComponent(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TMethodInfo methods[] = {PublishMethod("Save1Click", &TMenuForm::Save1Click)};
    static const TClassInfo info = MakeClassInfo<TMenuForm, TComponent>("TMenuForm", {}, methods);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Save1Click(TObject* sender) { clicked = sender; }
  TObject* clicked = nullptr;
};

TEST(MenuDescription, NestsItemsInTheirMenuAndParentItem) {
  static const TClassRegistry classes{{&TMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo()}};
  TMenuForm form(nullptr);
  ReadForm(form, R"(object MenuForm: TMenuForm
  object Menu1: TMenu
    OwnerDraw = True
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
        Default = True
        OnClick = Save1Click
      end
      object Hidden1: TMenuItem
        Caption = 'Hidden'
        Checked = True
        Enabled = False
        Visible = False
        ImageIndex = 2
        Tag = 7
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
end
)",
           classes);
  auto* menu = ObjectAs<TMenu>(form.FindComponent("Menu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->OwnerDraw());
  ASSERT_EQ(menu->Items()->Count(), 2);
  TMenuItem* file = menu->Items()->Items(0);
  EXPECT_EQ(file->Name(), "File1");
  EXPECT_EQ(menu->Items()->Items(1)->Caption(), "&Help");
  ASSERT_EQ(file->Count(), 2);
  TMenuItem* save = file->Items(0);
  EXPECT_EQ(ShortCutToText(save->ShortCut()), "Ctrl+S");
  EXPECT_TRUE(save->Default());
  TMenuItem* hidden = file->Items(1);
  EXPECT_TRUE(hidden->Checked());
  EXPECT_FALSE(hidden->Enabled());
  EXPECT_FALSE(hidden->Visible());
  EXPECT_EQ(hidden->ImageIndex(), 2);
  EXPECT_EQ(hidden->Tag(), 7);
  EXPECT_TRUE(menu->DispatchCommand(save->Command()));
  EXPECT_EQ(form.clicked, save);

  // An item outside a menu is refused with its line.
  TMenuForm other(nullptr);
  EXPECT_THROW(
      ReadForm(other, "object MenuForm: TMenuForm\n  object Stray1: TMenuItem\n  end\nend\n", classes),
      EParserError);
  EXPECT_EQ(other.ComponentCount(), 0);
}

}  // namespace

#include "framework/form_reader.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/collection.h"
#include "framework/control.h"
#include "framework/published.h"
#include "framework/string_list.h"

namespace {

class TTestForm;

// Notes each Loaded call in the form's log, with whether loading was still on.
void NoteLoaded(TComponent& component, TComponent* form);

class TTestButton : public TControl {
 public:
  explicit TTestButton(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
        PublishObject("Buddy", &TTestButton::Buddy, &TTestButton::SetBuddy),
    };
    static const TClassInfo info = MakeClassInfo<TTestButton, TControl>("TTestButton", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Loaded() override { NoteLoaded(*this, Owner()); }

  TComponent* Buddy() const { return buddy_; }
  void SetBuddy(TComponent* buddy) { buddy_ = buddy; }

 private:
  TComponent* buddy_ = nullptr;
};

class TTestPanel : public TControl {
 public:
  explicit TTestPanel(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TTestPanel, TControl>("TTestPanel");
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Loaded() override { NoteLoaded(*this, Owner()); }
};

class TTestMemo : public TControl {
 public:
  explicit TTestMemo(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishObject("Lines", &TTestMemo::Lines),
    };
    static const TClassInfo info = MakeClassInfo<TTestMemo, TControl>("TTestMemo", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TStringList* Lines() const { return lines_.get(); }

 private:
  std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
};

class TTestColumn : public TCollectionItem {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishString("Caption", &TTestColumn::Caption, &TTestColumn::SetCaption),
        PublishInteger("Width", &TTestColumn::Width, &TTestColumn::SetWidth),
    };
    static const TClassInfo info = MakeClassInfo<TTestColumn, TCollectionItem>("TTestColumn", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  const AnsiString& Caption() const { return caption_; }
  void SetCaption(std::string_view caption) { caption_ = AnsiString(caption); }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }

 private:
  AnsiString caption_;
  int width_ = 50;
};

class TTestColumns : public TCollection {
 public:
  TTestColumn* Column(int index) const { return static_cast<TTestColumn*>(Items(index)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TTestColumn>(); }
};

class TTestList : public TControl {
 public:
  explicit TTestList(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishObject("Columns", &TTestList::Columns),
    };
    static const TClassInfo info = MakeClassInfo<TTestList, TControl>("TTestList", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TTestColumns* Columns() const { return columns_.get(); }

 private:
  std::unique_ptr<TTestColumns> columns_ = std::make_unique<TTestColumns>();
};

// A non-visual component with stored bytes, like a skin component.
class TTestData : public TComponent {
 public:
  explicit TTestData(TComponent* owner) : TComponent(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishBinary("Stream", &TTestData::Stream, &TTestData::SetStream),
    };
    static const TClassInfo info = MakeClassInfo<TTestData, TComponent>("TTestData", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Loaded() override { NoteLoaded(*this, Owner()); }

  const TBytes& Stream() const { return stream_; }
  void SetStream(const TBytes& stream) {
    stream_ = stream;
    set_while_loading_ = HasState(TComponentStateFlag::csLoading);
  }
  bool set_while_loading_ = false;

 private:
  TBytes stream_;
};

class TTestForm : public TControl {
 public:
  explicit TTestForm(TComponent* owner) : TControl(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TMethodInfo methods[] = {
        PublishMethod("btn1Click", &TTestForm::btn1Click),
    };
    static const TClassInfo info = MakeClassInfo<TTestForm, TControl>("TTestForm", {}, methods);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Loaded() override { NoteLoaded(*this, this); }

  void btn1Click(TObject* sender) { clicked.push_back(sender); }

  std::vector<TObject*> clicked;
  std::vector<AnsiString> log;
};

void NoteLoaded(TComponent& component, TComponent* form) {
  static_cast<TTestForm*>(form)->log.push_back(
      component.Name() + (component.HasState(TComponentStateFlag::csLoading) ? "*" : ""));
}

const TClassRegistry& TestClasses() {
  static const TClassRegistry registry{{
      &TTestButton::StaticClassInfo(),
      &TTestPanel::StaticClassInfo(),
      &TTestMemo::StaticClassInfo(),
      &TTestList::StaticClassInfo(),
      &TTestData::StaticClassInfo(),
  }};
  return registry;
}

constexpr std::string_view kForm =
    "object frmmain: TTestForm\n"
    "  Left = 10\n"
    "  Caption = 'Lexi Tally'\n"
    "  Font.Name = '宋体'\n"
    "  Font.Height = -12\n"
    "  Font.Style = [fsBold]\n"
    "  object pnl1: TTestPanel\n"
    "    Align = alTop\n"
    "    object btn1: TTestButton\n"
    "      Caption = '打开文件'\n"
    "      Anchors = [akTop, akRight]\n"
    "      OnClick = btn1Click\n"
    "      Buddy = skndt1\n"
    "    end\n"
    "  end\n"
    "  object mmo1: TTestMemo\n"
    "    Color = 16644846\n"
    "    ParentFont = False\n"
    "    Font.Charset = GB2312_CHARSET\n"
    "    Lines.Strings = (\n"
    "      'mmo1'\n"
    "      'second')\n"
    "  end\n"
    "  object lst1: TTestList\n"
    "    Columns = <\n"
    "      item\n"
    "        Caption = '编号'\n"
    "        Width = 60\n"
    "      end\n"
    "      item\n"
    "        Caption = '单词'\n"
    "      end>\n"
    "  end\n"
    "  object skndt1: TTestData\n"
    "    Stream = {\n"
    "      0300000041424\n"
    "      3}\n"
    "  end\n"
    "end\n";

int ReadErrorLine(std::string_view description) {
  TTestForm form(nullptr);
  try {
    ReadForm(form, description, TestClasses());
  } catch (const EParserError& error) {
    EXPECT_EQ(form.ComponentCount(), 0) << "a failed read leaves no components behind";
    return error.Line();
  }
  ADD_FAILURE() << "no error for: " << description;
  return 0;
}

}  // namespace

TEST(FormReader, BuildsTheFormWithOwnersParentsAndProperties) {
  TTestForm form(nullptr);
  ReadForm(form, kForm, TestClasses());
  EXPECT_EQ(form.Name(), "frmmain");
  EXPECT_EQ(form.Left(), 10);
  EXPECT_EQ(form.Caption(), "Lexi Tally");
  EXPECT_EQ(form.Font()->Name(), "宋体");
  EXPECT_EQ(form.Font()->Height(), -12);
  EXPECT_TRUE(form.Font()->Style().Contains(TFontStyle::fsBold));
  ASSERT_EQ(form.ComponentCount(), 5);

  auto* pnl1 = ObjectAs<TTestPanel>(form.FindComponent("pnl1"));
  auto* btn1 = ObjectAs<TTestButton>(form.FindComponent("btn1"));
  auto* mmo1 = ObjectAs<TTestMemo>(form.FindComponent("mmo1"));
  ASSERT_TRUE(pnl1 && btn1 && mmo1);
  EXPECT_EQ(btn1->Owner(), &form);
  EXPECT_EQ(btn1->Parent(), pnl1);
  EXPECT_EQ(pnl1->Parent(), &form);
  EXPECT_EQ(pnl1->Align(), TAlign::alTop);
  EXPECT_EQ(btn1->Caption(), "打开文件");
  EXPECT_EQ(btn1->Anchors(), (TAnchors{TAnchorKind::akTop, TAnchorKind::akRight}));
  EXPECT_EQ(btn1->Buddy(), form.FindComponent("skndt1"));
  EXPECT_EQ(btn1->Font()->Name(), "宋体") << "a child follows its parent's font";

  EXPECT_EQ(mmo1->Color(), 16644846);
  EXPECT_EQ(mmo1->Font()->Charset(), GB2312_CHARSET);
  EXPECT_FALSE(mmo1->ParentFont());
  EXPECT_EQ(mmo1->Lines()->Items(), (std::vector<AnsiString>{"mmo1", "second"}));

  auto* columns = ObjectAs<TTestList>(form.FindComponent("lst1"))->Columns();
  ASSERT_EQ(columns->Count(), 2);
  EXPECT_EQ(columns->Column(0)->Caption(), "编号");
  EXPECT_EQ(columns->Column(0)->Width(), 60);
  EXPECT_EQ(columns->Column(1)->Width(), 50);

  auto* data = ObjectAs<TTestData>(form.FindComponent("skndt1"));
  EXPECT_EQ(data->Stream(), (TBytes{3, 0, 0, 0, 'A', 'B', 'C'}));
  EXPECT_TRUE(data->set_while_loading_);
}

TEST(FormReader, EventsBindToTheFormsHandlersByName) {
  TTestForm form(nullptr);
  ReadForm(form, kForm, TestClasses());
  auto* btn1 = static_cast<TControl*>(form.FindComponent("btn1"));
  EXPECT_EQ(btn1->OnClick().method, "btn1Click");
  btn1->Click();
  EXPECT_EQ(form.clicked, std::vector<TObject*>{btn1});
}

TEST(FormReader, LoadedRunsOnceOnEveryComponentAfterTheWholeForm) {
  TTestForm form(nullptr);
  ReadForm(form, kForm, TestClasses());
  EXPECT_EQ(form.log, (std::vector<AnsiString>{"frmmain", "pnl1", "btn1", "skndt1"}));
  EXPECT_FALSE(form.FindComponent("mmo1")->HasState(TComponentStateFlag::csLoading));
}

TEST(FormReader, UnknownNamesAndWrongValuesAreErrorsAtTheirLine) {
  EXPECT_EQ(ReadErrorLine("object f: TTestPanel\nend"), 1);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object b: TNoSuchClass\n end\nend"), 2);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object b: TTestButton\n  Checked = True\n end\nend"), 3);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object b: TTestButton\n  OnClick = btn2Click\n end\nend"),
            3);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object b: TTestButton\n  Buddy = nobody\n end\nend"), 3);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object b: TTestButton\n  Left = True\n end\nend"), 3);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n\n Left = 'ten'\nend"), 3);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n Align = alMiddle\nend"), 2);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n Anchors = [akLeft, akNowhere]\nend"), 2);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n Font.Nmae = 'x'\nend"), 2);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n Left.Name = 'x'\nend"), 2);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object m: TTestMemo\n  Lines.Strings = ('a' 1)\n end\nend"),
            3);
  EXPECT_EQ(
      ReadErrorLine("object f: TTestForm\n object a: TTestPanel\n end\n object A: TTestPanel\n end\nend"), 4);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n object a: TTestPanel\n  object b: TTestButton\n"
                          "   Left = 1\n   Top = x\n  end\n end\nend"),
            5);
  EXPECT_EQ(ReadErrorLine("object f: TTestForm\n Left = 1\n Top 2\nend"), 3);
}

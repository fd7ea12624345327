#include <gtest/gtest.h>

#include "framework/form_reader.h"
#include "framework/properties.h"
#include "framework/published.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/list_view.h"
#include "framework/win/standard_classes.h"
#include "framework/win/wide.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

std::vector<AnsiString> Captions(const TListView& list) {
  std::vector<AnsiString> captions;
  for (int i = 0; i < list.Items()->Count(); ++i) captions.push_back(list.Items()->Item(i)->Caption());
  return captions;
}

// The caption the window shows in row `row`.
AnsiString ShownCaption(TListView& list, int row) {
  wchar_t text[32];
  LVITEMW item{};
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(list.Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return FromWide(text);
}

using Texts = std::vector<AnsiString>;

// A form whose description sorts its list by caption length.
class TSortForm : public TForm {
 public:
  using TForm::TForm;
  static const TClassInfo& StaticClassInfo() {
    static const TMethodInfo methods[] = {PublishMethod("ByLength", &TSortForm::ByLength)};
    static const TClassInfo info = MakeClassInfo<TSortForm, TForm>("TSortForm", {}, methods);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void ByLength(TObject*, TListItem* a, TListItem* b, int, int& compare) {
    compare = static_cast<int>(a->Caption().size()) - static_cast<int>(b->Caption().size());
  }
};

}  // namespace

TEST(ListView, SortTypeKeepsRowsInCaptionOrderOrTheCompareEventsOrder) {
  Application().Initialize();
  TForm* form = new TForm(&Application());
  TListView* list = new TListView(form);
  list->SetParent(form);
  list->SetViewStyle(TViewStyle::vsReport);
  list->Columns()->Add()->SetCaption("A");
  TListItems& items = *list->Items();
  for (const char* caption : {"b", "C", "a"}) items.Add()->SetCaption(caption);
  EXPECT_EQ(Captions(*list), (Texts{"b", "C", "a"}));
  // Without an event, stData has nothing to order by.
  list->SetSortType(TSortType::stData);
  EXPECT_FALSE(list->AlphaSort());
  EXPECT_EQ(Captions(*list), (Texts{"b", "C", "a"}));

  list->SetSortType(TSortType::stText);
  EXPECT_EQ(Captions(*list), (Texts{"a", "b", "C"}));
  // New rows and changed captions take their place; a bulk change sorts once
  // at its end.
  items.Add()->SetCaption("bb");
  items.Item(0)->SetCaption("d");
  EXPECT_EQ(Captions(*list), (Texts{"b", "bb", "C", "d"}));
  EXPECT_EQ(ShownCaption(*list, 0), "b");
  EXPECT_EQ(ShownCaption(*list, 3), "d");

  // Once set, the event decides, for any sort type but stNone.
  list->SetOnCompare([](TObject*, TListItem* a, TListItem* b, int data, int& compare) {
    EXPECT_EQ(data, 0);
    compare = -a->Caption().compare(b->Caption());
  });
  EXPECT_EQ(Captions(*list), (Texts{"d", "bb", "b", "C"}));
  list->SetSortType(TSortType::stNone);
  // A compare event that raises leaves every row where it was.
  list->SetOnCompare([](TObject*, TListItem*, TListItem*, int, int&) { throw EListError("no order"); });
  EXPECT_THROW(list->AlphaSort(), EListError);
  EXPECT_EQ(Captions(*list), (Texts{"d", "bb", "b", "C"}));
  items.Add()->SetCaption("z");
  EXPECT_EQ(Captions(*list).back(), "z");
  form->Free();
}

TEST(ListView, SortTypeAndCompareEventReadFromADescription) {
  Application().Initialize();
  TSortForm* form = new TSortForm(&Application());
  const TClassRegistry classes{{&TSortForm::StaticClassInfo()}, &StandardClasses()};
  ReadForm(
      *form,
      "object f: TSortForm\n object lv: TListView\n  SortType = stBoth\n  OnCompare = ByLength\n end\nend",
      classes);
  auto* list = static_cast<TListView*>(form->FindComponent("lv"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(GetEnumProp(*list, "SortType"), "stBoth");
  EXPECT_EQ(std::get<TNotifyEvent>(GetPropValue(*list, "OnCompare")).method, "ByLength");
  for (const char* caption : {"ccc", "a", "bb"}) list->Items()->Add()->SetCaption(caption);
  EXPECT_EQ(Captions(*list), (Texts{"a", "bb", "ccc"}));
  form->Free();
}

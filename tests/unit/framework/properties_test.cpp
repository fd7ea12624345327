#include "framework/properties.h"

#include <gtest/gtest.h>

#include "framework/control.h"
#include "framework/published.h"

namespace {

enum class TGadgetKind { gkPlain, gkFancy };
constexpr const char* kGadgetKindNames[] = {"gkPlain", "gkFancy"};
const TEnumInfo kGadgetKindInfo{"TGadgetKind", kGadgetKindNames};

// A control publishing one property of every kind besides the inherited ones.
class TGadget : public TControl {
 public:
  using TControl::TControl;
  static const TClassInfo& StaticClassInfo() {
    static const TPropInfo properties[] = {
        PublishEnum("Kind", kGadgetKindInfo, &TGadget::Kind, &TGadget::SetKind),
        PublishBinary("Data", &TGadget::Data, &TGadget::SetData),
        PublishList("Items", &TGadget::Items, &TGadget::SetItems),
        PublishString("Version", &TGadget::Version, nullptr),
        PublishObject("Buddy", &TGadget::Buddy, &TGadget::SetBuddy),
        PublishEvent("OnClick", &TControl::OnClick, &TControl::SetOnClick),
    };
    static const TClassInfo info = MakeClassInfo<TGadget, TControl>("TGadget", properties);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TGadgetKind Kind() const { return kind_; }
  void SetKind(TGadgetKind kind) { kind_ = kind; }
  const TBytes& Data() const { return data_; }
  void SetData(const TBytes& data) { data_ = data; }
  const TStringArray& Items() const { return items_; }
  void SetItems(const TStringArray& items) { items_ = items; }
  AnsiString Version() const { return "1.0"; }
  TControl* Buddy() const { return buddy_; }
  void SetBuddy(TControl* buddy) { buddy_ = buddy; }

 private:
  TGadgetKind kind_ = TGadgetKind::gkPlain;
  TBytes data_;
  TStringArray items_;
  TControl* buddy_ = nullptr;
};

}  // namespace

TEST(Properties, IntegersTakeNumbersNamedConstantsAndDecimalText) {
  TGadget gadget(nullptr);
  SetPropValue(gadget, "left", std::int64_t{12});
  SetPropValue(gadget, "Color", AnsiString("clRed"));
  SetPropValue(gadget, "Tag", AnsiString("-99"));
  EXPECT_EQ(gadget.Left(), 12);
  EXPECT_EQ(gadget.Color(), 0xFF);
  EXPECT_EQ(gadget.Tag(), -99);
  EXPECT_EQ(GetOrdProp(gadget, "Left"), 12);
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(gadget, "Tag")), -99);
  EXPECT_THROW(SetPropValue(gadget, "Left", AnsiString("12px")), EConvertError);
  EXPECT_THROW(SetPropValue(gadget, "Left", AnsiString("clRed")), EConvertError);
  EXPECT_THROW(SetPropValue(gadget, "Left", TStringArray{}), EConvertError);
}

TEST(Properties, EnumerationsAndBooleansReadAsIdentifiers) {
  TGadget gadget(nullptr);
  SetPropValue(gadget, "Kind", AnsiString("GKFANCY"));
  EXPECT_EQ(gadget.Kind(), TGadgetKind::gkFancy);
  EXPECT_EQ(GetEnumProp(gadget, "kind"), "gkFancy");
  EXPECT_EQ(GetEnumProp(gadget, "Visible"), "True");
  SetPropValue(gadget, "Visible", AnsiString("false"));
  EXPECT_FALSE(gadget.Visible());
  SetPropValue(gadget, "Align", std::int64_t{5});
  EXPECT_EQ(gadget.Align(), TAlign::alClient);
  EXPECT_EQ(std::get<AnsiString>(GetPropValue(gadget, "Align")), "alClient");
  EXPECT_THROW(SetPropValue(gadget, "Kind", AnsiString("gkOther")), EConvertError);
  EXPECT_THROW(SetPropValue(gadget, "Kind", std::int64_t{2}), EConvertError);
  EXPECT_THROW(GetEnumProp(gadget, "Left"), EConvertError);
}

TEST(Properties, SetsReadAndWriteAsMemberIdentifiersOrBits) {
  TGadget gadget(nullptr);
  EXPECT_EQ(std::get<TSetValue>(GetPropValue(gadget, "Anchors")), (TSetValue{{"akLeft", "akTop"}}));
  SetPropValue(gadget, "Anchors", TSetValue{{"akTop", "AKRIGHT"}});
  EXPECT_EQ(gadget.Anchors(), (TAnchors{TAnchorKind::akTop, TAnchorKind::akRight}));
  EXPECT_EQ(GetOrdProp(gadget, "Anchors"), 0b0110);
  SetPropValue(gadget, "Anchors", TSetValue{});
  EXPECT_TRUE(gadget.Anchors().Empty());
  EXPECT_THROW(SetPropValue(gadget, "Anchors", TSetValue{{"akMiddle"}}), EConvertError);
}

TEST(Properties, StringsBytesListsAndEventsPassThrough) {
  TGadget gadget(nullptr);
  SetPropValue(gadget, "Caption", AnsiString("打开文件"));
  EXPECT_EQ(gadget.Caption(), "打开文件");
  EXPECT_EQ(GetStrProp(gadget, "caption"), "打开文件");
  SetPropValue(gadget, "Data", TBytes{0, 0xFF, 7});
  EXPECT_EQ(std::get<TBytes>(GetPropValue(gadget, "Data")), (TBytes{0, 0xFF, 7}));
  SetPropValue(gadget, "Items", TStringArray{"a", "b"});
  EXPECT_EQ(gadget.Items(), (TStringArray{"a", "b"}));
  TObject* seen = nullptr;
  SetPropValue(gadget, "OnClick", TNotifyEvent{"btn1Click", [&](TObject* sender) { seen = sender; }});
  gadget.Click();
  EXPECT_EQ(seen, &gadget);
  EXPECT_EQ(std::get<TNotifyEvent>(GetPropValue(gadget, "OnClick")).method, "btn1Click");
}

TEST(Properties, ObjectPropertiesCheckTheClassAndSubObjectsAreReadOnly) {
  TGadget gadget(nullptr);
  TControl buddy(nullptr);
  TComponent stranger(nullptr);
  SetPropValue(gadget, "Buddy", static_cast<TPersistent*>(&buddy));
  EXPECT_EQ(gadget.Buddy(), &buddy);
  EXPECT_EQ(GetObjectProp(gadget, "Buddy"), &buddy);
  EXPECT_THROW(SetPropValue(gadget, "Buddy", static_cast<TPersistent*>(&stranger)), EConvertError);
  SetPropValue(gadget, "Buddy", static_cast<TPersistent*>(nullptr));
  EXPECT_EQ(gadget.Buddy(), nullptr);
  EXPECT_EQ(GetObjectProp(gadget, "Font"), gadget.Font());
  EXPECT_THROW(SetPropValue(gadget, "Font", static_cast<TPersistent*>(nullptr)), EPropertyError);
  EXPECT_THROW(SetPropValue(gadget, "Version", AnsiString("2")), EPropertyError);
  EXPECT_EQ(GetStrProp(gadget, "Version"), "1.0");
}

TEST(Properties, LookupWalksInheritedRowsAndReportsAbsence) {
  TGadget gadget(nullptr);
  EXPECT_NE(FindPropInfo(&gadget, "Name"), nullptr);
  EXPECT_NE(FindPropInfo(&gadget, "Kind"), nullptr);
  EXPECT_EQ(FindPropInfo(&gadget, "Checked"), nullptr);
  EXPECT_EQ(FindPropInfo(nullptr, "Name"), nullptr);
  EXPECT_THROW(GetPropValue(gadget, "Checked"), EPropertyError);
  TControl plain(nullptr);
  EXPECT_EQ(FindPropInfo(&plain, "Kind"), nullptr);
}

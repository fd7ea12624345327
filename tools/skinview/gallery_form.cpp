#include "gallery_form.h"

#include <functional>

#include "framework/file_io.h"
#include "framework/properties.h"
#include "framework/published.h"
#include "framework/win/bit_btn.h"
#include "framework/win/button.h"
#include "framework/win/check_box.h"
#include "framework/win/check_list_box.h"
#include "framework/win/combo_box.h"
#include "framework/win/date_time_picker.h"
#include "framework/win/dialogs.h"
#include "framework/win/edit.h"
#include "framework/win/gdi.h"
#include "framework/win/group_box.h"
#include "framework/win/image_list.h"
#include "framework/win/label.h"
#include "framework/win/list_box.h"
#include "framework/win/list_view.h"
#include "framework/win/memo.h"
#include "framework/win/page_control.h"
#include "framework/win/progress_bar.h"
#include "framework/win/radio_button.h"
#include "framework/win/radio_group.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/speed_button.h"
#include "framework/win/tab_control.h"
#include "framework/win/tool_bar.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"
#include "skin/data/archive/skin_folder.h"

namespace fs = std::filesystem;

namespace {

// A control of the gallery at its place.
template <class T>
T* Put(TWinControl* parent, int left, int top, int width, int height, std::string_view caption = {}) {
  T* control = new T(parent);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  if (!caption.empty()) control->SetCaption(caption);
  return control;
}

using TClick = std::function<void(TObject* sender)>;

TMenuItem* Item(TMenuItem* parent, std::string_view caption, TClick on_click = {},
                TShortCut shortcut = scNone) {
  auto* item = new TMenuItem(parent);
  item->SetCaption(caption);
  if (shortcut != scNone) item->SetShortCut(shortcut);
  if (on_click) item->SetOnClick({{}, std::move(on_click)});
  parent->Add(item);
  return item;
}

void Line(TMenuItem* parent) {
  Item(parent, "-");
}

// Three 16 x 16 menu images, drawn here: an open folder, tiled and cascaded
// windows. Fuchsia is see-through.
TImageList* MenuImages(TComponent* owner) {
  constexpr int kSize = 16;
  auto* images = new TImageList(owner);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  UniqueBitmap strip(CreateCompatibleBitmap(screen, 3 * kSize, kSize));
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(dc, strip.get());
  const auto fill = [&](int left, int top, int right, int bottom, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    const RECT r{left, top, right, bottom};
    FillRect(dc, &r, brush.get());
  };
  fill(0, 0, 3 * kSize, kSize, RGB(255, 0, 255));
  fill(1, 4, 15, 14, RGB(120, 90, 20));  // the folder
  fill(2, 5, 14, 13, RGB(240, 200, 80));
  fill(1, 2, 7, 5, RGB(120, 90, 20));
  for (const int x : {17, 25})  // tiled windows
    for (const int y : {1, 9}) {
      fill(x, y, x + 6, y + 6, RGB(40, 70, 130));
      fill(x + 1, y + 2, x + 5, y + 5, RGB(255, 255, 255));
    }
  for (const int k : {0, 4, 8}) {  // cascaded windows
    fill(33 + k, 1 + k, 40 + k, 8 + k, RGB(40, 70, 130));
    fill(34 + k, 3 + k, 39 + k, 7 + k, RGB(255, 255, 255));
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  images->AddMasked(strip.get(), RGB(255, 0, 255));
  return images;
}

void Toggle(TMenuItem* item) {
  item->SetChecked(!item->Checked());
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner, std::vector<fs::path> skins)
    : TForm(owner), skins_(std::move(skins)) {
  SetCaption("skinview");
  SetBounds(40, 30, 820, 620);
  SetPropValue(*this, "FormStyle", AnsiString("fsMDIForm"));
  // Made before any window: the skin takes the windows over as they come.
  skin_ = new TSkinData(this);
  skin_->SetActive(true);
  BuildMenus();
  status_ = new TStatusBar(this);
  status_->SetParent(this);
  SetPropValue(*status_, "Align", AnsiString("alBottom"));
  for (const int width : {220, 200, 100}) status_->Panels()->Add()->SetWidth(width);
  BuildToolBar();
  gallery_ = new TPanel(this);
  gallery_->SetParent(this);
  gallery_->SetHeight(330);
  SetPropValue(*gallery_, "Align", AnsiString("alTop"));
  gallery_->SetPopupMenu(context_);
  BuildGallery(gallery_);
}

void TGalleryForm::BuildMenus() {
  menu_ = new TMainMenu(this);
  menu_->SetImages(MenuImages(this));
  TMenuItem* skin = Item(menu_->Items(), "&Skin");
  for (const fs::path& path : skins_) {
    Item(skin, path.stem().string(), [this, path](TObject*) {
      std::string error;
      if (!ShowSkin(path, error)) status_->Panels()->Items(2)->SetText("not shown");
    });
  }
  Line(skin);
  Item(
      skin, "&Open skin archive...", [this](TObject*) { OpenSkinArchive(); }, scCtrl | 'O')
      ->SetImageIndex(0);
  Line(skin);
  skinning_ = Item(
      skin, "S&kinning",
      [this](TObject*) {
        Toggle(skinning_);
        skin_->SetActive(skinning_->Checked());
      },
      scCtrl | 'K');
  skinning_->SetChecked(true);
  Line(skin);
  Item(skin, "E&xit", [this](TObject*) { Close(); });

  TMenuItem* gallery = Item(menu_->Items(), "&Gallery");
  enabled_ = Item(gallery, "&Controls enabled", [this](TObject*) {
    Toggle(enabled_);
    SetGalleryEnabled(enabled_->Checked());
  });
  enabled_->SetChecked(true);
  Line(gallery);
  TMenuItem* checked =
      Item(gallery, "C&hecked item", [](TObject* item) { Toggle(static_cast<TMenuItem*>(item)); });
  checked->SetChecked(true);
  Item(gallery, "&Disabled item")->SetEnabled(false);
  Item(gallery, "De&fault item")->SetDefault(true);
  Item(gallery, "Item with a &shortcut", {}, scCtrl | scShift | 'S');
  TMenuItem* more = Item(gallery, "&More");
  Item(more, "&First");
  Item(more, "&Second");

  TMenuItem* window = Item(menu_->Items(), "&Window");
  Item(window, "&Tile", [this](TObject*) { Tile(); })->SetImageIndex(1);
  Item(window, "&Cascade", [this](TObject*) { Cascade(); })->SetImageIndex(2);
  SetMenu(menu_);

  context_ = new TPopupMenu(this);
  Item(context_->Items(), "S&kinning", [this](TObject*) { skinning_->Click(); });
  Item(context_->Items(), "&Controls enabled", [this](TObject*) { enabled_->Click(); });
  Line(context_->Items());
  Item(context_->Items(), "&Tile", [this](TObject*) { Tile(); })->SetImageIndex(1);
  context_->SetImages(menu_->Images());
}

void TGalleryForm::BuildToolBar() {
  auto* bar = new TToolBar(this);
  bar->SetParent(this);
  bar->SetShowCaptions(true);
  bar->SetButtonWidth(64);
  const auto add = [&](const char* caption, TToolButtonStyle style) {
    auto* button = new TToolButton(this);
    button->SetCaption(caption);
    button->SetStyle(style);
    button->SetToolBar(bar);
    return button;
  };
  add("Tile", TToolButtonStyle::tbsButton)->SetOnClick({{}, [this](TObject*) { Tile(); }});
  add("Cascade", TToolButtonStyle::tbsButton)->SetOnClick({{}, [this](TObject*) { Cascade(); }});
  add("", TToolButtonStyle::tbsSeparator);
  TToolButton* skinning = add("Skinning", TToolButtonStyle::tbsCheck);
  skinning->SetDown(true);
  skinning->SetOnClick({{}, [this, skinning](TObject*) {
                          skinning_->Click();
                          skinning->SetDown(skinning_->Checked());
                        }});
}

void TGalleryForm::BuildGallery(TWinControl* area) {
  // Left column: buttons of every kind.
  Put<TButton>(area, 10, 10, 90, 25, "Button");
  Put<TButton>(area, 110, 10, 90, 25, "Default")->SetDefault(true);
  Put<TBitBtn>(area, 10, 45, 90, 25)->SetKind(TBitBtnKind::bkOK);
  auto* speed = Put<TSpeedButton>(area, 110, 45, 42, 25, "A");
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  Put<TSpeedButton>(area, 158, 45, 42, 25, "B")->SetGroupIndex(1);
  Put<TCheckBox>(area, 10, 80, 90, 20, "Check box");
  Put<TCheckBox>(area, 110, 80, 90, 20, "Checked")->SetChecked(true);
  Put<TRadioButton>(area, 10, 105, 90, 20, "Radio 1")->SetChecked(true);
  Put<TRadioButton>(area, 110, 105, 90, 20, "Radio 2");
  auto* group = Put<TRadioGroup>(area, 10, 130, 190, 70, "Radio group");
  for (const char* item : {"First", "Second", "Third"}) group->Items()->Add(item);
  group->SetItemIndex(0);
  auto* box = Put<TGroupBox>(area, 10, 205, 190, 115, "Group box");
  Put<TLabel>(box, 10, 20, 60, 16, "Number:");
  auto* number = Put<TEdit>(box, 70, 18, 70, 21, "5");
  auto* spin = Put<TUpDown>(box, 140, 18, 17, 21);
  spin->SetMin(0);
  spin->SetMax(100);
  spin->SetAssociate(number);
  spin->SetPosition(5);
  auto* combo = Put<TComboBox>(box, 10, 48, 170, 21);
  for (const char* item : {"Red", "Green", "Blue"}) combo->Items()->Add(item);
  Put<TDateTimePicker>(box, 10, 80, 170, 21);

  // Middle column: lists and text.
  auto* list = Put<TListBox>(area, 210, 10, 140, 90);
  for (int i = 1; i <= 12; ++i) list->Items()->Add("List item " + std::to_string(i));
  auto* checks = Put<TCheckListBox>(area, 210, 105, 140, 80);
  for (const char* item : {"Apples", "Pears", "Plums", "Cherries", "Lemons", "Limes"})
    checks->Items()->Add(item);
  checks->SetChecked(1, true);
  auto* memo = Put<TMemo>(area, 210, 190, 140, 130);
  SetPropValue(*memo, "ScrollBars", AnsiString("ssBoth"));
  std::string text;
  for (int i = 1; i <= 40; ++i) text += "Memo line " + std::to_string(i) + " with some words\r\n";
  memo->SetText(text);

  // Right column: report, tabs, bars.
  auto* report = Put<TListView>(area, 360, 10, 240, 110);
  SetPropValue(*report, "ViewStyle", AnsiString("vsReport"));
  for (const char* column : {"Word", "Count"}) {
    TListColumn* c = report->Columns()->Add();
    c->SetCaption(column);
    c->SetWidth(100);
  }
  for (int i = 1; i <= 10; ++i) {
    TListItem* row = report->Items()->Add();
    row->SetCaption("word " + std::to_string(i));
    row->SubItems()->Add(std::to_string(11 - i));
  }
  auto* pages = Put<TPageControl>(area, 360, 125, 240, 100);
  for (const char* name : {"First page", "Second page"}) {
    auto* sheet = new TTabSheet(pages);
    sheet->SetPageControl(pages);
    sheet->SetCaption(name);
    Put<TLabel>(sheet, 10, 10, 200, 16, std::string("This is the ") + name);
  }
  auto* tabs = Put<TTabControl>(area, 360, 230, 240, 40);
  for (const char* name : {"One", "Two", "Three"}) tabs->Tabs()->Add(name);
  tabs->SetTabIndex(0);
  auto* progress = Put<TProgressBar>(area, 360, 278, 240, 16);
  progress->SetPosition(60);
  auto* track = Put<TTrackBar>(area, 610, 10, 190, 40);
  track->SetMax(10);
  track->SetPosition(3);
  Put<TScrollBar>(area, 610, 60, 190, 17);
  auto* vertical = Put<TTrackBar>(area, 610, 85, 40, 150);
  vertical->SetOrientation(TTrackBarOrientation::trVertical);
  vertical->SetMax(10);
  Put<TPanel>(area, 660, 85, 140, 60, "Panel");
  Put<TEdit>(area, 660, 155, 140, 21, "Edit box");
}

void TGalleryForm::SetGalleryEnabled(bool enabled) {
  for (int i = 0; i < gallery_->ControlCount(); ++i) gallery_->Controls(i)->SetEnabled(enabled);
}

void TGalleryForm::OpenChildren() {
  for (const char* name : {"First child", "Second child"}) {
    auto* child = new TForm(this);
    SetPropValue(*child, "FormStyle", AnsiString("fsMDIChild"));
    child->SetCaption(name);
    child->SetBounds(0, 0, 260, 160);
    // Closing a child ends it, as its close button promises.
    child->SetOnClose([](TObject*, TCloseAction& action) { action = TCloseAction::caFree; });
    Put<TMemo>(child, 0, 0, 250, 120, std::string("The text of the ") + name);
    child->Show();
  }
  Tile();
}

bool TGalleryForm::ShowSkin(const fs::path& skin, std::string& error) {
  std::string archive;
  try {
    archive = fs::is_directory(skin) ? PackSkinFolder(skin).Archive : ReadFileBytes(skin.string());
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  skin_->SetSkinStream(TSkinData::StoredStream(archive));
  if (skin_->LastLoadResult() != TArchiveResult::arLoaded) {
    error = skin.string() + ": not a skin archive, or a damaged one";
    return false;
  }
  skin_->ApplySkin();
  status_->Panels()->Items(0)->SetText(skin_->SkinName);
  status_->Panels()->Items(1)->SetText(skin.filename().string());
  return true;
}

void TGalleryForm::OpenSkinArchive() {
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("Skin archives (*.skn)|*.skn|All files (*.*)|*.*");
  if (!dialog.Execute()) return;
  std::string error;
  if (!ShowSkin(fs::path(dialog.FileName().c_str()), error))
    status_->Panels()->Items(2)->SetText("not shown");
}

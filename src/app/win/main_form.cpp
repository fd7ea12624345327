#include "app/win/main_form.h"

#include "app/frequency_report.h"
#include "app/report_export.h"
#include "app/word_split.h"
#include "framework/file_io.h"
#include "framework/locale.h"
#include "framework/published.h"
#include "framework/text.h"
#include "framework/win/application.h"
#include "framework/win/command_line.h"
#include "framework/win/form_resource.h"
#include "framework/win/message_box.h"
#include "framework/win/standard_classes.h"
#include "framework/win/win_api.h"
#include "skin/data/model/skin_data.h"

Tfrmmain* frmmain = nullptr;

namespace {
// The classes the main window's description names.
const TClassRegistry& MainFormClasses() {
  static const TClassRegistry registry{
      {&TOrderListView::StaticClassInfo(), &TPerlRegEx::StaticClassInfo(), &TSkinData::StaticClassInfo()},
      &StandardClasses()};
  return registry;
}
}  // namespace

const TClassInfo& Tfrmmain::StaticClassInfo() {
  static const TMethodInfo methods[] = {
      PublishMethod("FormCreate", &Tfrmmain::FormCreate),
      PublishMethod("FormDestroy", &Tfrmmain::FormDestroy),
      PublishMethod("btn1Click", &Tfrmmain::btn1Click),
      PublishMethod("btn2Click", &Tfrmmain::btn2Click),
      PublishMethod("btn3Click", &Tfrmmain::btn3Click),
      PublishMethod("Button3Click", &Tfrmmain::Button3Click),
      PublishMethod("btn4Click", &Tfrmmain::btn4Click),
      PublishMethod("btn5Click", &Tfrmmain::btn5Click),
      PublishMethod("chk4Click", &Tfrmmain::chk4Click),
  };
  static const TClassInfo info = MakeClassInfo<Tfrmmain, TForm>("Tfrmmain", {}, methods);
  return info;
}

template <class T>
T* Tfrmmain::Field(const char* name) {
  T* field = ObjectAs<T>(FindComponent(name));
  if (field == nullptr) throw Exception("The main window's description lacks " + AnsiString(name));
  return field;
}

Tfrmmain::Tfrmmain(TComponent* owner)
    : TForm(owner), RunCommand([](const AnsiString& command) { StartCommand(command); }) {
  frmmain = this;
  InitForm("TFRMMAIN", MainFormClasses());
  pnl1 = Field<TPanel>("pnl1");
  chk1 = Field<TCheckBox>("chk1");
  chk2 = Field<TCheckBox>("chk2");
  chk3 = Field<TCheckBox>("chk3");
  btn1 = Field<TButton>("btn1");
  btn2 = Field<TButton>("btn2");
  btn3 = Field<TButton>("btn3");
  Button3 = Field<TButton>("Button3");
  chk5 = Field<TCheckBox>("chk5");
  chk4 = Field<TCheckBox>("chk4");
  lbl2 = Field<TLabel>("lbl2");
  edt1 = Field<TEdit>("edt1");
  btn4 = Field<TButton>("btn4");
  btn5 = Field<TButton>("btn5");
  mmo1 = Field<TMemo>("mmo1");
  spl1 = Field<TSplitter>("spl1");
  pnl3 = Field<TPanel>("pnl3");
  cbb1 = Field<TComboBox>("cbb1");
  pnl4 = Field<TPanel>("pnl4");
  mmo2 = Field<TMemo>("mmo2");
  mmo3 = Field<TMemo>("mmo3");
  spl2 = Field<TSplitter>("spl2");
  ordrlstvw1 = Field<TOrderListView>("ordrlstvw1");
  dlgOpen1 = Field<TOpenDialog>("dlgOpen1");
  dlgSave1 = Field<TSaveDialog>("dlgSave1");
  prlrgx1 = Field<TPerlRegEx>("prlrgx1");
  DoCreate();
}

void Tfrmmain::FormCreate(TObject*) {
  mmo1->Clear();
  mmo3->Clear();
  ScratchLines = std::make_unique<TStringList>();
  MergedLines = std::make_unique<TStringList>();
  RawWords = std::make_unique<TStringList>();
  DistinctWords = std::make_unique<TStringList>();
  SetCaption(kTitle);
  Application().SetTitle(kTitle);
}

void Tfrmmain::FormDestroy(TObject*) {
  ScratchLines.reset();
  MergedLines.reset();
  RawWords.reset();
  DistinctWords.reset();
}

void Tfrmmain::btn1Click(TObject*) {
  Application().ProcessMessages();
  if (!dlgOpen1->Execute()) return;
  ScratchLines->Clear();
  MergedLines->Clear();
  // A file that cannot be read raises here, before the pane is touched.
  ScratchLines->LoadFromFile(dlgOpen1->FileName());
  MergedLines->Assign(*mmo1->Lines());
  if (!chk2->Checked()) MergedLines->Clear();
  const bool drop_blank = chk1->Checked();
  for (const AnsiString& line : ScratchLines->Items()) {
    if (drop_blank && Trim(line).empty()) continue;
    MergedLines->Add(line);
  }
  mmo1->Lines()->Assign(*MergedLines);
}

void Tfrmmain::btn2Click(TObject*) {
  mmo1->PasteFromClipboard();
}

void Tfrmmain::btn3Click(TObject*) {
  mmo1->Clear();
  mmo2->Clear();
  mmo3->Clear();
  ordrlstvw1->Items()->Clear();
  lbl2->SetCaption("");
}

void Tfrmmain::chk4Click(TObject*) {
  edt1->SetEnabled(chk4->Checked());
}

void Tfrmmain::Button3Click(TObject*) {
  AnsiString text = Trim(mmo1->Text());
  if (text.empty()) return;
  const TSplitOptions options{.ignore_repeats = chk5->Checked(), .numbered = chk4->Checked()};
  std::optional<TSplitResult> split = SplitWords(std::move(text), options, *prlrgx1, DefaultLocale());
  if (!split) return;
  RawWords->SetStrings(std::move(split->raw_words));
  // A split makes it one entry per word, whatever its case, in the report's
  // order; the words come sorted that way already.
  DistinctWords->SetDuplicates(TDuplicates::dupIgnore);
  DistinctWords->SetSorted(true);
  DistinctWords->SetOrderedStrings(std::move(split->distinct_words));
  // One text per memo: one WM_SETTEXT, not one per line.
  mmo2->Lines()->SetText(split->split_text);
  mmo3->Lines()->SetText(split->sorted_text);

  // The report counts the same words as RawWords, by number rather than by
  // text, in the order of ScratchLines.
  ScratchLines->Assign(*DistinctWords);
  lbl2->SetCaption(split->report.summary);
  ordrlstvw1->SetRows(split->report.rows);
}

void Tfrmmain::btn4Click(TObject*) {
  if (ordrlstvw1->Items()->Count() == 0) return;
  if (!dlgSave1->Execute()) return;
  const AnsiString bytes = ExportReport(ordrlstvw1->Rows(), chk4->Checked());
  ScratchLines->SetText(bytes);
  // A file that cannot be written raises here, and nothing is started.
  WriteFileBytes(dlgSave1->FileName(), bytes);
  RunCommand("notepad.exe " + dlgSave1->FileName());
}

void Tfrmmain::btn5Click(TObject*) {
  // Yes/No, information icon, No as default, topmost.
  constexpr UINT kExitQuestion = 0x40144;
  if (ShowMessageBox("确定要退出程序吗？", Application().Title(), kExitQuestion) != IDNO) Close();
}

#pragma once
// The main window: the input pane, the tool strip, the result panes and the
// report, read from the form's stored description, and its handlers.

#include <functional>
#include <memory>

#include "controls/win/order_list_view.h"

#include "framework/string_list.h"
#include "framework/win/button.h"
#include "framework/win/check_box.h"
#include "framework/win/combo_box.h"
#include "framework/win/dialogs.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/label.h"
#include "framework/win/list_view.h"
#include "framework/win/memo.h"
#include "framework/win/panel.h"
#include "framework/win/splitter.h"
#include "regex/perl_regex.h"

class Tfrmmain : public TForm {
 public:
  explicit Tfrmmain(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The window's fixed title, shown from creation on.
  static constexpr const char* kTitle = "文章单词拆分及单词统计工具 Lexitally";

  void FormCreate(TObject* sender);
  void FormDestroy(TObject* sender);
  void btn1Click(TObject* sender);
  void btn2Click(TObject* sender);
  void btn3Click(TObject* sender);
  void Button3Click(TObject* sender);
  void btn4Click(TObject* sender);
  void btn5Click(TObject* sender);
  void chk4Click(TObject* sender);

  // Starts a command line without waiting for it; tests replace it so that
  // no editor is started.
  std::function<void(const AnsiString& command)> RunCommand;

  // Controls of the description, found by name once it is read; the form
  // owns them.
  TPanel* pnl1;
  TCheckBox* chk1;
  TCheckBox* chk2;
  TCheckBox* chk3;
  TButton* btn1;
  TButton* btn2;
  TButton* btn3;
  TButton* Button3;
  TCheckBox* chk5;
  TCheckBox* chk4;
  TLabel* lbl2;
  TEdit* edt1;
  TButton* btn4;
  TButton* btn5;
  TMemo* mmo1;
  TSplitter* spl1;
  TPanel* pnl3;
  TComboBox* cbb1;
  TPanel* pnl4;
  TMemo* mmo2;
  TMemo* mmo3;
  TSplitter* spl2;
  TOrderListView* ordrlstvw1;
  TOpenDialog* dlgOpen1;
  TSaveDialog* dlgSave1;
  TPerlRegEx* prlrgx1;

  // Working lists, from FormCreate to FormDestroy.
  std::unique_ptr<TStringList> ScratchLines;
  std::unique_ptr<TStringList> MergedLines;
  std::unique_ptr<TStringList> RawWords;
  std::unique_ptr<TStringList> DistinctWords;

 private:
  template <class T>
  T* Field(const char* name);
};

// The program's main window, from its creation by the application.
extern Tfrmmain* frmmain;

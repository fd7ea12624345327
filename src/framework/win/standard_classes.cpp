#include "framework/win/standard_classes.h"

#include "framework/win/button.h"
#include "framework/win/check_box.h"
#include "framework/win/combo_box.h"
#include "framework/win/dialogs.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/image_list.h"
#include "framework/win/label.h"
#include "framework/win/list_view.h"
#include "framework/win/main_menu.h"
#include "framework/win/memo.h"
#include "framework/win/panel.h"
#include "framework/win/popup_menu.h"
#include "framework/win/splitter.h"

const TClassRegistry& StandardClasses() {
  static const TClassRegistry registry{{
      &TButton::StaticClassInfo(),
      &TCheckBox::StaticClassInfo(),
      &TComboBox::StaticClassInfo(),
      &TEdit::StaticClassInfo(),
      &TForm::StaticClassInfo(),
      &TImageList::StaticClassInfo(),
      &TLabel::StaticClassInfo(),
      &TListView::StaticClassInfo(),
      &TMainMenu::StaticClassInfo(),
      &TMenuItem::StaticClassInfo(),
      &TMemo::StaticClassInfo(),
      &TOpenDialog::StaticClassInfo(),
      &TPanel::StaticClassInfo(),
      &TPopupMenu::StaticClassInfo(),
      &TSaveDialog::StaticClassInfo(),
      &TSplitter::StaticClassInfo(),
  }};
  return registry;
}

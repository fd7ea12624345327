#include "framework/win/standard_classes.h"

#include "framework/win/bit_btn.h"
#include "framework/win/button.h"
#include "framework/win/check_box.h"
#include "framework/win/check_list_box.h"
#include "framework/win/combo_box.h"
#include "framework/win/date_time_picker.h"
#include "framework/win/dialogs.h"
#include "framework/win/edit.h"
#include "framework/win/form.h"
#include "framework/win/group_box.h"
#include "framework/win/image_list.h"
#include "framework/win/label.h"
#include "framework/win/list_box.h"
#include "framework/win/list_view.h"
#include "framework/win/main_menu.h"
#include "framework/win/memo.h"
#include "framework/win/page_control.h"
#include "framework/win/panel.h"
#include "framework/win/popup_menu.h"
#include "framework/win/progress_bar.h"
#include "framework/win/radio_button.h"
#include "framework/win/radio_group.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/speed_button.h"
#include "framework/win/splitter.h"
#include "framework/win/status_bar.h"
#include "framework/win/tab_control.h"
#include "framework/win/tool_bar.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"

const TClassRegistry& StandardClasses() {
  static const TClassRegistry registry{{
      &TBitBtn::StaticClassInfo(),      &TButton::StaticClassInfo(),
      &TCheckBox::StaticClassInfo(),    &TCheckListBox::StaticClassInfo(),
      &TComboBox::StaticClassInfo(),    &TDateTimePicker::StaticClassInfo(),
      &TEdit::StaticClassInfo(),        &TForm::StaticClassInfo(),
      &TGroupBox::StaticClassInfo(),    &TImageList::StaticClassInfo(),
      &TLabel::StaticClassInfo(),       &TListBox::StaticClassInfo(),
      &TListView::StaticClassInfo(),    &TMainMenu::StaticClassInfo(),
      &TMemo::StaticClassInfo(),        &TMenuItem::StaticClassInfo(),
      &TOpenDialog::StaticClassInfo(),  &TPageControl::StaticClassInfo(),
      &TPanel::StaticClassInfo(),       &TPopupMenu::StaticClassInfo(),
      &TProgressBar::StaticClassInfo(), &TRadioButton::StaticClassInfo(),
      &TRadioGroup::StaticClassInfo(),  &TSaveDialog::StaticClassInfo(),
      &TScrollBar::StaticClassInfo(),   &TSpeedButton::StaticClassInfo(),
      &TSplitter::StaticClassInfo(),    &TStatusBar::StaticClassInfo(),
      &TTabControl::StaticClassInfo(),  &TTabSheet::StaticClassInfo(),
      &TToolBar::StaticClassInfo(),     &TToolButton::StaticClassInfo(),
      &TTrackBar::StaticClassInfo(),    &TUpDown::StaticClassInfo(),
  }};
  return registry;
}

#include "skin/controls/win/skin_control_factory.h"

#include <algorithm>

#include "skin/controls/win/skin_adv_page.h"
#include "skin/controls/win/skin_bit_button.h"
#include "skin/controls/win/skin_box.h"
#include "skin/controls/win/skin_box_h.h"
#include "skin/controls/win/skin_button.h"
#include "skin/controls/win/skin_check_box.h"
#include "skin/controls/win/skin_check_list.h"
#include "skin/controls/win/skin_com_box.h"
#include "skin/controls/win/skin_date_time.h"
#include "skin/controls/win/skin_edit.h"
#include "skin/controls/win/skin_group_box.h"
#include "skin/controls/win/skin_header.h"
#include "skin/controls/win/skin_list_view.h"
#include "skin/controls/win/skin_menu_button.h"
#include "skin/controls/win/skin_mp.h"
#include "skin/controls/win/skin_obj_image.h"
#include "skin/controls/win/skin_progress.h"
#include "skin/controls/win/skin_radio_button.h"
#include "skin/controls/win/skin_sc_control.h"
#include "skin/controls/win/skin_scrollbar.h"
#include "skin/controls/win/skin_sizer.h"
#include "skin/controls/win/skin_speed_button.h"
#include "skin/controls/win/skin_status_bar.h"
#include "skin/controls/win/skin_tab.h"
#include "skin/controls/win/skin_tab31.h"
#include "skin/controls/win/skin_tab_btn.h"
#include "skin/controls/win/skin_tab_sheet.h"
#include "skin/controls/win/skin_track_bar.h"
#include "skin/controls/win/skin_up_down.h"

namespace {

// Classes with no mode of their own.
template <class T>
TSkinControl* Make(TComponent* owner, const TSkinChoice&) {
  return new T(owner);
}

TSkinControl* MakeComBox(TComponent* owner, const TSkinChoice& choice) {
  return new TSkinComBox(owner, choice.ExtendedCombo);
}

TSkinControl* MakeBitButton(TComponent* owner, const TSkinChoice& choice) {
  return new TSkinBitButton(owner, choice.GlyphProperty);
}

TSkinControl* MakeSpeedButton(TComponent* owner, const TSkinChoice& choice) {
  return new TSkinSpeedButton(owner, choice.GlyphProperty);
}

TSkinControl* MakeTab(TComponent* owner, const TSkinChoice& choice) {
  return new TSkinTab(owner, choice.Variant);
}

TSkinControl* MakeObjImage(TComponent* owner, const TSkinChoice& choice) {
  return new TSkinObjImage(owner, choice.Variant);
}

}  // namespace

TSkinControlFactory SkinControlFactory() {
  static constexpr TSkinControlFactoryRow kRows[] = {
      {TSkinControlClass::scSkinAdvPage, Make<TSkinAdvPage>},
      {TSkinControlClass::scSkinBitButton, MakeBitButton},
      {TSkinControlClass::scSkinBox, Make<TSkinBox>},
      {TSkinControlClass::scSkinBoxH, Make<TSkinBoxH>},
      {TSkinControlClass::scSkinButton, Make<TSkinButton>},
      {TSkinControlClass::scSkinCheckBox, Make<TSkinCheckBox>},
      {TSkinControlClass::scSkinCheckList, Make<TSkinCheckList>},
      {TSkinControlClass::scSkinComBox, MakeComBox},
      {TSkinControlClass::scSkinDateTime, Make<TSkinDateTime>},
      {TSkinControlClass::scSkinEdit, Make<TSkinEdit>},
      {TSkinControlClass::scSkinGroupBox, Make<TSkinGroupBox>},
      {TSkinControlClass::scSkinHeader, Make<TSkinHeader>},
      {TSkinControlClass::scSkinListView, Make<TSkinListView>},
      {TSkinControlClass::scSkinMenuButton, Make<TSkinMenuButton>},
      {TSkinControlClass::scSkinMP, Make<TSkinMP>},
      {TSkinControlClass::scSkinObjImage, MakeObjImage},
      {TSkinControlClass::scSkinProgress, Make<TSkinProgress>},
      {TSkinControlClass::scSkinRadioButton, Make<TSkinRadioButton>},
      {TSkinControlClass::scSkinScControl, Make<TSkinScControl>},
      {TSkinControlClass::scSkinScrollbar, Make<TSkinScrollbar>},
      {TSkinControlClass::scSkinSizer, Make<TSkinSizer>},
      {TSkinControlClass::scSkinSpeedButton, MakeSpeedButton},
      {TSkinControlClass::scSkinStatusBar, Make<TSkinStatusBar>},
      {TSkinControlClass::scSkinTab, MakeTab},
      {TSkinControlClass::scSkinTab31, Make<TSkinTab31>},
      {TSkinControlClass::scSkinTabBtn, Make<TSkinTabBtn>},
      {TSkinControlClass::scSkinTabSheet, Make<TSkinTabSheet>},
      {TSkinControlClass::scSkinTrackBar, Make<TSkinTrackBar>},
      {TSkinControlClass::scSkinUpDown, Make<TSkinUpDown>},
  };
  return kRows;
}

TSkinControlCreator FindCreator(TSkinControlFactory table, TSkinControlClass cls) {
  const auto row = std::ranges::find(table, cls, &TSkinControlFactoryRow::Class);
  return row != table.end() ? row->Create : nullptr;
}

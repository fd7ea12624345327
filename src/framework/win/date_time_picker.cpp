#include "framework/win/date_time_picker.h"

#include <commctrl.h>

#include "framework/published.h"

namespace {
constexpr const char* kKindNames[] = {"dtkDate", "dtkTime"};
constexpr const char* kDateFormatNames[] = {"dfShort", "dfLong"};
}  // namespace

const TEnumInfo kDateTimeKindInfo{"TDateTimeKind", kKindNames};
const TEnumInfo kDTDateFormatInfo{"TDTDateFormat", kDateFormatNames};

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  GetLocalTime(&value_);
}

const TClassInfo& TDateTimePicker::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishEnum("Kind", kDateTimeKindInfo, &TDateTimePicker::Kind, &TDateTimePicker::SetKind),
      PublishEnum("DateFormat", kDTDateFormatInfo, &TDateTimePicker::DateFormat,
                  &TDateTimePicker::SetDateFormat),
      PublishBoolean("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox),
      PublishBoolean("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked),
      PublishEvent("OnChange", &TDateTimePicker::OnChange, &TDateTimePicker::SetOnChange),
  };
  static const TClassInfo info = MakeClassInfo<TDateTimePicker, TWinControl>("TDateTimePicker", properties);
  return info;
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  kind_ = kind;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format) {
  date_format_ = format;
  RecreateWnd();
}

void TDateTimePicker::SetShowCheckbox(bool show) {
  show_checkbox_ = show;
  RecreateWnd();
}

void TDateTimePicker::SetChecked(bool checked) {
  checked_ = checked;
  SendValue();
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
  value_ = value;
  SendValue();
}

void TDateTimePicker::SendValue() {
  if (!HandleAllocated()) return;
  const bool none = show_checkbox_ && !checked_;
  SendMessageW(WindowHandle(), DTM_SETSYSTEMTIME, none ? GDT_NONE : GDT_VALID,
               none ? 0 : reinterpret_cast<LPARAM>(&value_));
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TDateTimePicker", DATETIMEPICK_CLASSW};
  if (kind_ == TDateTimeKind::dtkTime) {
    params.style |= DTS_TIMEFORMAT;
  } else {
    params.style |= date_format_ == TDTDateFormat::dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
  }
  if (show_checkbox_) params.style |= DTS_SHOWNONE;
}

void TDateTimePicker::InitializeWnd() {
  SendValue();
}

void TDateTimePicker::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(m.LParam)->code == DTN_DATETIMECHANGE) {
    const auto& change = *reinterpret_cast<const NMDATETIMECHANGE*>(m.LParam);
    checked_ = change.dwFlags == GDT_VALID;
    if (checked_) value_ = change.st;
    on_change_(this);
    return;
  }
  TWinControl::WndProc(m);
}

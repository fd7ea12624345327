#pragma once
// Date and time picker: a superclass of the common DATETIMEPICK_CLASS,
// editing a date (Kind dtkDate, with a drop-down calendar) or a time of day
// (dtkTime, with arrows). The value is kept as the system's SYSTEMTIME.

#include "framework/win/win_control.h"

enum class TDateTimeKind { dtkDate, dtkTime };
extern const TEnumInfo kDateTimeKindInfo;
enum class TDTDateFormat { dfShort, dfLong };
extern const TEnumInfo kDTDateFormatInfo;

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind kind);
  TDTDateFormat DateFormat() const { return date_format_; }
  void SetDateFormat(TDTDateFormat format);
  bool ShowCheckbox() const { return show_checkbox_; }
  void SetShowCheckbox(bool show);
  // With the check box shown: whether it is ticked.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  const SYSTEMTIME& DateTime() const { return value_; }
  void SetDateTime(const SYSTEMTIME& value);

  const TNotifyEvent& OnChange() const { return on_change_; }
  void SetOnChange(TNotifyEvent handler) { on_change_ = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void SendValue();

  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateFormat date_format_ = TDTDateFormat::dfShort;
  bool show_checkbox_ = false;
  bool checked_ = true;
  SYSTEMTIME value_{};
  TNotifyEvent on_change_;
};

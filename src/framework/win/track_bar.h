#pragma once
// Track bar: a superclass of the common TRACKBAR_CLASS. Position follows the
// thumb as the user drags it and runs OnChange.

#include "framework/win/win_control.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };
extern const TEnumInfo kTrackBarOrientationInfo;

class TTrackBar : public TWinControl {
 public:
  explicit TTrackBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  int PageSize() const { return page_size_; }
  void SetPageSize(int page_size);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation);

  const TNotifyEvent& OnChange() const { return on_change_; }
  void SetOnChange(TNotifyEvent handler) { on_change_ = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void PositionChanged(int position);

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int page_size_ = 2;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  TNotifyEvent on_change_;
};

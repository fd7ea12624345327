#pragma once
// Progress bar: a superclass of the common PROGRESS_CLASS.

#include "framework/win/win_control.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
extern const TEnumInfo kProgressBarOrientationInfo;

class TProgressBar : public TWinControl {
 public:
  explicit TProgressBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Step() const { return step_; }
  void SetStep(int step) { step_ = step; }
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation orientation);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool smooth);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

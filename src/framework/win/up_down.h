#pragma once
// Up-down: a superclass of the common UPDOWN_CLASS. With an Associate (an
// edit, its buddy) each click writes the new Position into the buddy's text.

#include "framework/win/win_control.h"

enum class TUDOrientation { udHorizontal, udVertical };
extern const TEnumInfo kUDOrientationInfo;

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* associate);
  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Increment() const { return increment_; }
  void SetIncrement(int increment);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool wrap);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool thousands);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation orientation);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void SendRange();

  TWinControl* associate_ = nullptr;  // not owned: a sibling of the same form
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  bool wrap_ = false;
  bool thousands_ = true;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
};

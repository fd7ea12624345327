#pragma once
// Splitter: a bar without a window that resizes the control aligned next to
// it when dragged, keeping that control and the rest of the parent at least
// MinSize.

#include "framework/win/graphic_control.h"

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int MinSize() const { return min_size_; }
  void SetMinSize(int min_size) { min_size_ = min_size; }

  void Paint(HDC dc) override;
  HCURSOR Cursor() const override;
  // The control the splitter resizes: aligned to the same side, touching it.
  TControl* Neighbour() const;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  bool Horizontal() const;
  int SizeOf(const TControl& c) const;
  int FreeSpace() const;

  int min_size_ = 30;

  // The drag in progress: the neighbour, its size and the cursor's screen
  // position when it began, and the room the rest of the parent had then.
  TControl* dragged_ = nullptr;
  int start_size_ = 0;
  POINT start_cursor_{};
  int free_space_ = 0;
};

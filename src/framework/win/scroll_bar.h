#pragma once
// Scroll bar: a superclass of the system SCROLLBAR class. The control moves
// Position for each arrow, page or thumb action of the user and runs
// OnChange; PageSize is the size of the thumb in the range.

#include "framework/win/win_control.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };
extern const TEnumInfo kScrollBarKindInfo;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int PageSize() const { return page_size_; }
  void SetPageSize(int page_size);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int change) { small_change_ = change; }
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int change) { large_change_ = change; }

  const TNotifyEvent& OnChange() const { return on_change_; }
  void SetOnChange(TNotifyEvent handler) { on_change_ = std::move(handler); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override { UpdateScrollInfo(); }
  void Loaded() override;
  void WndProc(TMessage& message) override;

 private:
  void CnScroll(TMessage& message);
  void UpdateScrollInfo();
  // The highest position: with a thumb of PageSize the bar ends at Max.
  int Highest() const;

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int page_size_ = 0;
  int small_change_ = 1;
  int large_change_ = 1;
  TNotifyEvent on_change_;
};

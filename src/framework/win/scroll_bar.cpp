#include "framework/win/scroll_bar.h"

#include <algorithm>

#include "framework/published.h"

namespace {
constexpr const char* kKindNames[] = {"sbHorizontal", "sbVertical"};
}  // namespace

const TEnumInfo kScrollBarKindInfo{"TScrollBarKind", kKindNames};

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

const TClassInfo& TScrollBar::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishEnum("Kind", kScrollBarKindInfo, &TScrollBar::Kind, &TScrollBar::SetKind),
      PublishInteger("Min", &TScrollBar::Min, &TScrollBar::SetMin),
      PublishInteger("Max", &TScrollBar::Max, &TScrollBar::SetMax),
      PublishInteger("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
      PublishInteger("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize),
      PublishInteger("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange),
      PublishInteger("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange),
      PublishEvent("OnChange", &TScrollBar::OnChange, &TScrollBar::SetOnChange),
  };
  static const TClassInfo info = MakeClassInfo<TScrollBar, TWinControl>("TScrollBar", properties);
  return info;
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  // A bar turned on its side keeps its proportions.
  if (!HasState(TComponentStateFlag::csLoading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetMin(int min) {
  min_ = min;
  UpdateScrollInfo();
}

void TScrollBar::SetMax(int max) {
  max_ = max;
  UpdateScrollInfo();
}

void TScrollBar::SetPageSize(int page_size) {
  page_size_ = page_size;
  UpdateScrollInfo();
}

int TScrollBar::Highest() const {
  return std::max(min_, max_ - std::max(page_size_ - 1, 0));
}

void TScrollBar::SetPosition(int position) {
  // Kept as given while loading: the range may come after it.
  if (!HasState(TComponentStateFlag::csLoading)) position = std::clamp(position, min_, Highest());
  if (position == position_) return;
  position_ = position;
  UpdateScrollInfo();
  if (!HasState(TComponentStateFlag::csLoading)) on_change_(this);
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  // The range is complete now: a stored position past its end moves in.
  position_ = std::clamp(position_, min_, Highest());
  UpdateScrollInfo();
}

void TScrollBar::UpdateScrollInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_ALL, min_, max_, static_cast<UINT>(std::max(page_size_, 0)),
                  position_,    0};
  SetScrollInfo(WindowHandle(), SB_CTL, &info, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TScrollBar", L"SCROLLBAR"};
  params.style |= kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
      return CnScroll(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TScrollBar::CnScroll(TMessage& m) {
  int position = position_;
  switch (LOWORD(m.WParam)) {
    case SB_LINEUP:
      position -= small_change_;
      break;
    case SB_LINEDOWN:
      position += small_change_;
      break;
    case SB_PAGEUP:
      position -= large_change_;
      break;
    case SB_PAGEDOWN:
      position += large_change_;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit thumb position: the message carries only 16 bits.
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(WindowHandle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    case SB_TOP:
      position = min_;
      break;
    case SB_BOTTOM:
      position = max_;
      break;
    default:
      return;
  }
  SetPosition(position);
}

#include "framework/win/list_view.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <utility>

#include "framework/locale.h"
#include "framework/published.h"
#include "framework/win/wide.h"

namespace {
constexpr const char* kViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};
constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
constexpr const char* kSortTypeNames[] = {"stNone", "stData", "stText", "stBoth"};
}  // namespace

const TEnumInfo kViewStyleInfo{"TViewStyle", kViewStyleNames};
const TEnumInfo kSortTypeInfo{"TSortType", kSortTypeNames};

const TClassInfo& TListColumn::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishString("Caption", &TListColumn::Caption, &TListColumn::SetCaption),
      PublishInteger("Width", &TListColumn::Width, &TListColumn::SetWidth),
  };
  static const TClassInfo info = MakeClassInfo<TListColumn, TCollectionItem>("TListColumn", properties);
  return info;
}

void TListColumn::SetCaption(std::string_view caption) {
  caption_ = AnsiString(caption);
  Changed();
}

void TListColumn::SetWidth(int width) {
  width_ = width;
  Changed();
}

const TClassInfo& TListColumns::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TListColumns, TCollection>("TListColumns");
  return info;
}

void TListColumns::Update(TCollectionItem* item) {
  owner_.ColumnsChanged(item != nullptr ? item->Index() : -1);
}

void TListItem::SetCaption(std::string_view caption) {
  caption_ = AnsiString(caption);
  owner_.ItemsChanged();
}

TListItem* TListItems::Item(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)].get();
}

TListItem* TListItems::Insert(int index) {
  if (index < 0 || index > Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  // Taken before Changed(): a sorted list may move the new row.
  TListItem* item = items_.insert(items_.begin() + index, std::make_unique<TListItem>(owner_))->get();
  Changed();
  return item;
}

void TListItems::Delete(int index) {
  Item(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TListItems::Clear() {
  items_.clear();
  cleared_ = true;
  Changed();
}

void TListItems::Reorder(std::span<const std::size_t> order) {
  // Checked whole first: a wrong order leaves the rows as they were.
  std::vector<bool> placed(items_.size(), false);
  bool whole = order.size() == items_.size();
  for (std::size_t p = 0; whole && p < order.size(); ++p) {
    whole = order[p] < placed.size() && !placed[order[p]];
    if (whole) placed[order[p]] = true;
  }
  if (!whole) throw EListError("Row order does not place each row once");
  std::vector<std::unique_ptr<TListItem>> moved;
  moved.reserve(items_.size());
  for (std::size_t source : order) moved.push_back(std::move(items_[source]));
  items_ = std::move(moved);
  cleared_ = true;
  Changed();
}

void TListItems::EndUpdate() {
  if (updates_ > 0 && --updates_ == 0) Changed();
}

void TListItems::Changed() {
  if (updates_ == 0) owner_.ItemsChanged();
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(static_cast<TColor>(0xFF000005u));
}

const TClassInfo& TCustomListView::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TCustomListView, TWinControl>("TCustomListView");
  return info;
}

const TClassInfo& TListView::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishObject("Columns", &TCustomListView::Columns),
      PublishEnum("ViewStyle", kViewStyleInfo, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle),
      PublishBoolean("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines),
      PublishBoolean("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect),
      PublishBoolean("ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly),
      PublishBoolean("HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection),
      PublishBoolean("ColumnClick", &TCustomListView::ColumnClickEnabled,
                     &TCustomListView::SetColumnClickEnabled),
      PublishEnum("SortType", kSortTypeInfo, &TCustomListView::SortType, &TCustomListView::SetSortType),
      PublishEvent("OnCompare", &TCustomListView::OnCompare, &TCustomListView::SetOnCompare),
  };
  static const TClassInfo info = MakeClassInfo<TListView, TCustomListView>("TListView", properties);
  return info;
}

void TCustomListView::SetViewStyle(TViewStyle view_style) {
  view_style_ = view_style;
  RecreateWnd();
}

void TCustomListView::SetGridLines(bool grid_lines) {
  grid_lines_ = grid_lines;
  SetExtendedStyle();
}

void TCustomListView::SetRowSelect(bool row_select) {
  row_select_ = row_select;
  SetExtendedStyle();
}

void TCustomListView::SetReadOnly(bool read_only) {
  read_only_ = read_only;
  RecreateWnd();
}

void TCustomListView::SetHideSelection(bool hide_selection) {
  hide_selection_ = hide_selection;
  RecreateWnd();
}

void TCustomListView::SetColumnClickEnabled(bool column_click) {
  column_click_ = column_click;
  RecreateWnd();
}

void TCustomListView::SetSortType(TSortType sort_type) {
  sort_type_ = sort_type;
  if (sort_type_ != TSortType::stNone) AlphaSort();
}

void TCustomListView::SetOnCompare(TLVCompareEvent handler) {
  on_compare_ = std::move(handler);
  if (sort_type_ != TSortType::stNone) AlphaSort();
}

bool TCustomListView::AlphaSort() {
  if (!SortItems()) return false;
  ShowItems();
  return true;
}

bool TCustomListView::SortItems() {
  const bool by_caption = sort_type_ == TSortType::stText || sort_type_ == TSortType::stBoth;
  if (!on_compare_ && !by_caption) return false;
  const TLocale& locale = DefaultLocale();
  std::vector<std::unique_ptr<TListItem>>& items = items_->items_;
  // Row numbers are sorted, not the rows: a compare event that raises leaves
  // every row in its place. Stable, so that rows comparing equal keep their
  // order and sorting a sorted list moves nothing.
  std::vector<std::size_t> order(items.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    int compare = 0;
    if (on_compare_) {
      on_compare_(this, items[a].get(), items[b].get(), 0, compare);
    } else {
      compare = locale.CompareText(items[a]->Caption(), items[b]->Caption());
    }
    return compare < 0;
  });
  std::vector<std::unique_ptr<TListItem>> sorted;
  sorted.reserve(items.size());
  for (std::size_t i : order) sorted.push_back(std::move(items[i]));
  items = std::move(sorted);
  return true;
}

void TCustomListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.window_class = {L"TListView", WC_LISTVIEWW};
  params.style |= kViewStyles[static_cast<int>(view_style_)] | LVS_OWNERDATA | LVS_SHAREIMAGELISTS |
                  (read_only_ ? 0 : LVS_EDITLABELS) | (hide_selection_ ? 0 : LVS_SHOWSELALWAYS) |
                  (column_click_ ? 0 : LVS_NOSORTHEADER);
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TCustomListView::InitializeWnd() {
  SetExtendedStyle();
  ColumnsChanged(-1);
  ShowItems();
}

void TCustomListView::SetExtendedStyle() {
  if (!HandleAllocated()) return;
  const DWORD mask = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
  const DWORD style = (grid_lines_ ? LVS_EX_GRIDLINES : 0) | (row_select_ ? LVS_EX_FULLROWSELECT : 0);
  SendMessageW(WindowHandle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

void TCustomListView::ColumnsChanged(int index) {
  if (!HandleAllocated()) return;
  if (index >= 0) return SyncColumn(index);
  const HWND header = reinterpret_cast<HWND>(SendMessageW(WindowHandle(), LVM_GETHEADER, 0, 0));
  int shown = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  while (shown > columns_->Count())
    SendMessageW(WindowHandle(), LVM_DELETECOLUMN, static_cast<WPARAM>(--shown), 0);
  for (int i = 0; i < columns_->Count(); ++i) SyncColumn(i);
}

// Shows column `index` as it is, inserting it when the header lacks it.
void TCustomListView::SyncColumn(int index) {
  const HWND wnd = WindowHandle();
  const HWND header = reinterpret_cast<HWND>(SendMessageW(wnd, LVM_GETHEADER, 0, 0));
  const int shown = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  const TListColumn* column = columns_->Items(index);
  std::wstring caption = ToWide(column->Caption());
  LVCOLUMNW lvc{};
  lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  lvc.pszText = caption.data();
  lvc.cx = column->Width();
  lvc.iSubItem = index;
  SendMessageW(wnd, index < shown ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&lvc));
}

void TCustomListView::ItemsChanged() {
  if (items_->updates_ > 0) return;
  if (sort_type_ != TSortType::stNone) SortItems();
  ShowItems();
}

void TCustomListView::ShowItems() {
  if (!HandleAllocated()) return;
  const HWND wnd = WindowHandle();
  const auto count = static_cast<LRESULT>(items_->Count());
  // A new count costs the window its scroll bars' layout and more: rows of
  // the same count are only drawn again.
  const bool same_count = SendMessageW(wnd, LVM_GETITEMCOUNT, 0, 0) == count;
  // The window keeps selection and focus by index; rows made anew or moved
  // have neither, and show from the top.
  if (std::exchange(items_->cleared_, false)) {
    if (same_count) {
      DropSelection();
      SendMessageW(wnd, LVM_ENSUREVISIBLE, 0, FALSE);
    } else {
      SendMessageW(wnd, LVM_SETITEMCOUNT, 0, 0);
    }
  }
  if (!same_count) SendMessageW(wnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
  InvalidateRect(wnd, nullptr, TRUE);
}

void TCustomListView::DropSelection() {
  const HWND wnd = WindowHandle();
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  // Searching for selected rows reads every row after the first: only when
  // there are some.
  if (SendMessageW(wnd, LVM_GETSELECTEDCOUNT, 0, 0) > 0) {
    for (auto row = SendMessageW(wnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED); row != -1;
         row = SendMessageW(wnd, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))
      SendMessageW(wnd, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&none));
  }
  if (const auto focused = SendMessageW(wnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
      focused != -1)
    SendMessageW(wnd, LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&none));
}

void TCustomListView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY:
      return CnNotify(m);
    default:
      return TWinControl::WndProc(m);
  }
}

void TCustomListView::CnNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  switch (header->code) {
    case LVN_GETDISPINFOW:
      return GetDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(m.LParam));
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<NMLISTVIEW*>(m.LParam)->iSubItem;
      if (column >= 0 && column < columns_->Count()) ColumnClick(columns_->Items(column));
      return;
    }
    default:
      return;
  }
}

void TCustomListView::GetDisplayInfo(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  if (item.iItem < 0 || item.iItem >= items_->Count()) return;
  const TListItem* row = items_->Item(item.iItem);
  if ((item.mask & LVIF_IMAGE) != 0) item.iImage = row->ImageIndex();
  if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) return;
  const int sub = item.iSubItem;
  const AnsiString text = sub == 0                             ? row->Caption()
                          : sub - 1 < row->SubItems()->Count() ? row->SubItems()->Item(sub - 1)
                                                               : AnsiString();
  const std::wstring wide = ToWide(text);
  const std::size_t n = std::min<std::size_t>(wide.size(), static_cast<std::size_t>(item.cchTextMax - 1));
  std::copy_n(wide.c_str(), n, item.pszText);
  item.pszText[n] = L'\0';
}

void TCustomListView::ColumnClick(TListColumn* column) {
  if (OnColumnClick) OnColumnClick(this, column);
}

#include "controls/win/order_list_view.h"

#include "controls/order_sort.h"
#include "framework/published.h"
#include "framework/scoped_value.h"

const TClassInfo& TOrderListView::StaticClassInfo() {
  static const TClassInfo info = MakeClassInfo<TOrderListView, TListView>("TOrderListView");
  return info;
}

std::vector<TReportRow> TOrderListView::Rows() const {
  const TListItems& items = *Items();
  std::vector<TReportRow> rows;
  rows.reserve(static_cast<std::size_t>(items.Count()));
  for (int r = 0; r < items.Count(); ++r) {
    const TListItem& item = *items.Item(r);
    rows.push_back({item.Caption(), item.SubItems()->Items(), item.ImageIndex()});
  }
  return rows;
}

void TOrderListView::SetRows(const std::vector<TReportRow>& rows) {
  TListItems& items = *Items();
  items.BeginUpdate();
  TryFinally(
      [&] {
        items.Clear();
        for (const TReportRow& row : rows) {
          TListItem* item = items.Add();
          item->SetCaption(row.caption);
          item->SubItems()->SetStrings(row.sub_items);
          item->SetImageIndex(row.image_index);
        }
      },
      [&] { items.EndUpdate(); });
}

void TOrderListView::ColumnClick(TListColumn* column) {
  TListColumns& columns = *Columns();
  std::vector<AnsiString> captions;
  for (int k = 0; k < columns.Count(); ++k) captions.push_back(columns.Items(k)->Caption());
  TListItems& items = *Items();
  const int index = column->Index();
  CheckColumn(index, columns.Count());
  // The rows move where they are; their texts are read, never copied.
  std::vector<std::string_view> keys;
  keys.reserve(static_cast<std::size_t>(items.Count()));
  for (int r = 0; r < items.Count(); ++r) {
    const TListItem& item = *items.Item(r);
    // Raises on an incomplete row before the list or its captions change.
    CheckSubItems(static_cast<std::size_t>(item.SubItems()->Count()), columns.Count());
    keys.push_back(index == 0 ? std::string_view(item.Caption())
                              : std::string_view(item.SubItems()->Item(index - 1)));
  }
  const TColumnOrder sorted = ColumnOrder(keys, captions, index);
  items.BeginUpdate();
  TryFinally(
      [&] {
        items.Reorder(sorted.order);
        // Rows keep one sub-item per further column, as rows made anew do.
        for (int r = 0; r < items.Count(); ++r) {
          TStringList& sub_items = *items.Item(r)->SubItems();
          while (sub_items.Count() > columns.Count() - 1) sub_items.Delete(sub_items.Count() - 1);
        }
      },
      [&] { items.EndUpdate(); });
  for (int k = 0; k < columns.Count(); ++k) {
    TListColumn& target = *columns.Items(k);
    if (target.Caption() != sorted.captions[static_cast<std::size_t>(k)])
      target.SetCaption(sorted.captions[static_cast<std::size_t>(k)]);
  }
  TListView::ColumnClick(column);
}

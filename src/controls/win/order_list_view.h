#pragma once
// A report list that sorts its rows when a column header is clicked and marks
// the sorted column with an arrow in front of its caption.

#include <vector>

#include "controls/report_row.h"
#include "framework/win/list_view.h"

class TOrderListView : public TListView {
 public:
  using TListView::TListView;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The rows as plain data, top to bottom: caption, sub-items, image index.
  std::vector<TReportRow> Rows() const;
  // Replaces every row; the window redraws once.
  void SetRows(const std::vector<TReportRow>& rows);

 protected:
  // Sorts first, so that OnColumnClick sees the rows in their new order.
  void ColumnClick(TListColumn* column) override;
};

#pragma once
// Report list: a superclass of the system list view (SysListView32) with
// columns and rows of texts. The rows live here and the window asks for the
// texts it shows (an owner-data list), so adding, changing or removing rows
// in bulk redraws once.

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "framework/collection.h"
#include "framework/string_list.h"
#include "framework/win/win_control.h"

#include <commctrl.h>

class TCustomListView;

class TListColumn : public TCollectionItem {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  int Width() const { return width_; }
  void SetWidth(int width);

 private:
  AnsiString caption_;
  int width_ = 50;
};

// The columns of a report list; every change reaches the list's header.
class TListColumns : public TCollection {
 public:
  explicit TListColumns(TCustomListView& owner) : owner_(owner) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() override { return std::make_unique<TListColumn>(); }
  void Update(TCollectionItem* item) override;

 private:
  TCustomListView& owner_;
};

// One row: the caption shows in column 0, the sub-items in columns 1, 2, ...
class TListItem {
 public:
  explicit TListItem(TCustomListView& owner) : owner_(owner) {}

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  TStringList* SubItems() { return &sub_items_; }
  const TStringList* SubItems() const { return &sub_items_; }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int image_index) { image_index_ = image_index; }

 private:
  TCustomListView& owner_;
  AnsiString caption_;
  TStringList sub_items_;
  int image_index_ = -1;
};

class TListItems {
 public:
  explicit TListItems(TCustomListView& owner) : owner_(owner) {}

  int Count() const { return static_cast<int>(items_.size()); }
  TListItem* Item(int index) const;
  TListItem* Add() { return Insert(Count()); }
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  // Puts the rows in a new order, element p of `order` being the index of the
  // row that moves to p (each row once). The window's selection and focus go,
  // as with new rows.
  void Reorder(std::span<const std::size_t> order);
  // Changes between these reach the window once, at the outermost end.
  void BeginUpdate() { ++updates_; }
  void EndUpdate();

 private:
  friend class TCustomListView;
  void Changed();

  TCustomListView& owner_;
  std::vector<std::unique_ptr<TListItem>> items_;
  int updates_ = 0;
  bool cleared_ = false;  // since the window last heard: its selection went with the rows
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
extern const TEnumInfo kViewStyleInfo;

// What keeps the rows in order: nothing, or the compare event (any other
// value); without one, stText and stBoth order captions as the locale does.
enum class TSortType { stNone, stData, stText, stBoth };
extern const TEnumInfo kSortTypeInfo;

// Orders two rows: `compare` set negative, zero or positive; `data` is what
// the sort was given (0 for AlphaSort).
using TLVCompareEvent = TEvent<TListItem* /*item1*/, TListItem* /*item2*/, int /*data*/, int& /*compare*/>;

class TCustomListView : public TWinControl {
 public:
  explicit TCustomListView(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TListColumns* Columns() const { return columns_.get(); }
  TListItems* Items() const { return items_.get(); }

  TViewStyle ViewStyle() const { return view_style_; }
  void SetViewStyle(TViewStyle view_style);
  bool GridLines() const { return grid_lines_; }
  void SetGridLines(bool grid_lines);
  bool RowSelect() const { return row_select_; }
  void SetRowSelect(bool row_select);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only);
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool hide_selection);
  bool ColumnClickEnabled() const { return column_click_; }
  void SetColumnClickEnabled(bool column_click);
  TSortType SortType() const { return sort_type_; }
  // Anything but stNone sorts the rows now and after every change to them.
  void SetSortType(TSortType sort_type);
  const TLVCompareEvent& OnCompare() const { return on_compare_; }
  void SetOnCompare(TLVCompareEvent handler);
  // Sorts the rows once, stably, by OnCompare or else by caption; false when
  // there is nothing to order them by.
  bool AlphaSort();

  std::function<void(TObject* sender, TListColumn* column)> OnColumnClick;

  // Told by columns and rows of their changes; a column index of -1 means
  // all columns.
  void ColumnsChanged(int index);
  void ItemsChanged();

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  // A click on a column header; raises OnColumnClick.
  virtual void ColumnClick(TListColumn* column);

 private:
  void CnNotify(TMessage& message);
  void GetDisplayInfo(NMLVDISPINFOW& info) const;
  void SetExtendedStyle();
  void SyncColumn(int index);
  // Orders the rows as AlphaSort does, telling no one.
  bool SortItems();
  void ShowItems();
  // Clears the window's selection and focus.
  void DropSelection();

  std::unique_ptr<TListColumns> columns_ = std::make_unique<TListColumns>(*this);
  std::unique_ptr<TListItems> items_ = std::make_unique<TListItems>(*this);
  TViewStyle view_style_ = TViewStyle::vsIcon;
  bool grid_lines_ = false;
  bool row_select_ = false;
  bool read_only_ = false;
  bool hide_selection_ = true;
  bool column_click_ = true;  // header clicks are reported
  TSortType sort_type_ = TSortType::stNone;
  TLVCompareEvent on_compare_;
};

class TListView : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

#pragma once
// Ordered lists of GBK texts. TStrings holds what every list shares (text
// joining and splitting, files); TStringList stores its items itself and can
// keep them sorted by the locale's case-insensitive comparison.

#include <string_view>
#include <vector>

#include "framework/locale.h"
#include "framework/object.h"
#include "framework/scoped_value.h"
#include "framework/text.h"

// Published as a sub-object (a memo's Lines, a combo box's Items) whose
// "Strings" property holds the items, as form descriptions store them.
class TStrings : public TPersistent {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  virtual int Count() const = 0;
  virtual AnsiString Get(int index) const = 0;
  virtual void Put(int index, std::string_view s);
  virtual void Insert(int index, std::string_view s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int Add(std::string_view s);
  virtual int IndexOf(std::string_view s) const;

  // Every item followed by CR LF, the last one included.
  virtual AnsiString Text() const;
  // Empties the list and adds one item per line (CR LF, CR or LF end a line; a
  // last line without a break counts); stops at the first NUL byte.
  virtual void SetText(std::string_view text);

  void Assign(const TStrings& source);
  void Assign(const TPersistent& source) override;
  TStringArray Strings() const;
  void SetStrings(const TStringArray& items);
  void SetStrings(TStringArray&& items);
  void LoadFromFile(const AnsiString& file_name);
  void SaveToFile(const AnsiString& file_name) const;

  AnsiString operator[](int index) const { return Get(index); }

 protected:
  // Runs around bulk changes so that lists backed by a window redraw once.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}
  // Adds the items of a bulk change (a new text, an assignment) to the
  // emptied list, as Add would one by one.
  virtual void AddAll(std::vector<AnsiString> items);

 private:
  // Runs a bulk change between BeginUpdate and EndUpdate, which ends it also
  // when the change fails part way.
  template <class Change>
  void Update(Change&& change) {
    BeginUpdate();
    TryFinally(std::forward<Change>(change), [this] { EndUpdate(); });
  }
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  explicit TStringList(const TLocale& locale = DefaultLocale()) : locale_(&locale) {}

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int Count() const override { return static_cast<int>(items_.size()); }
  AnsiString Get(int index) const override;
  const AnsiString& Item(int index) const;
  void Put(int index, std::string_view s) override;
  void Insert(int index, std::string_view s) override;
  void Delete(int index) override;
  void Clear() override { items_.clear(); }
  // In a sorted list the item goes before the items that compare equal to it;
  // with dupIgnore an equal item is not added and the existing index returned.
  int Add(std::string_view s) override;
  int IndexOf(std::string_view s) const override;

  // Binary search of a sorted list: the first item not less than s.
  bool Find(std::string_view s, int& index) const;

  bool Sorted() const { return sorted_; }
  // Sorting on orders the items; sorting off leaves the order as it is.
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  const TLocale& Locale() const { return *locale_; }

  const std::vector<AnsiString>& Items() const { return items_; }
  // Empties the list and takes items that already stand in its order (each
  // once where duplicates are ignored), without comparing them again.
  void SetOrderedStrings(std::vector<AnsiString> items);

 protected:
  // A sorted list sorts the whole batch at once (Add would insert each item
  // in the middle of the list, a cost that grows with the square of the
  // count, and compare texts each time): the same items in the same order as
  // adding them one by one.
  void AddAll(std::vector<AnsiString> items) override;

 private:
  void CheckIndex(int index, bool allow_end) const;

  const TLocale* locale_;  // not owned
  std::vector<AnsiString> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = TDuplicates::dupAccept;
};

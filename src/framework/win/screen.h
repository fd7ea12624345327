#pragma once
// The screen: the list of the program's forms, in creation order.

#include <vector>

class TCustomForm;

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }
  // The form that holds the focus, or null.
  TCustomForm* ActiveForm() const;

  void AddForm(TCustomForm* form) { forms_.push_back(form); }
  void RemoveForm(TCustomForm* form);

 private:
  std::vector<TCustomForm*> forms_;  // not owned
};

TScreen& Screen();

#pragma once
// TSkinListView: a list view's bars and border as every scrolling control
// gets them, plus its column header drawn from the skin. The header's skin
// belongs to this object: it is made with it, detached with it and freed
// with it, and answers for the header window alone.

#include <memory>

#include "skin/controls/win/skin_header.h"
#include "skin/controls/win/skin_scrollbar.h"

class TSkinListView : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  ~TSkinListView() override;

  // The bars and border, then the header (a list without one has none).
  void AttachControl(TWinSkinForm* form, TSkinData& data, bool change_color) override;
  void Detach() override;
  void SkinChanged() override;

  // Null without a header or once detached.
  TSkinHeader* Header() const { return header_.get(); }

 private:
  std::unique_ptr<TSkinHeader> header_;
};

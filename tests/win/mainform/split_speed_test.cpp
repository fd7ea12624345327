#include "form_fixture.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "corpus.h"

namespace {

// The corpora to split: LEXITALLY_SPLIT_CORPORA (names separated by spaces,
// e.g. "mixed_1m mixed_10m" for the figures of a 10 MB text), else 1 MB.
std::vector<std::string> SplitCorpora() {
  const char* names = std::getenv("LEXITALLY_SPLIT_CORPORA");
  std::istringstream in(names != nullptr ? names : "mixed_1m");
  std::vector<std::string> corpora;
  for (std::string name; in >> name;) corpora.push_back(name);
  return corpora;
}

}  // namespace

// From the click on the split button to the report filled, on mixed prose;
// the result memos then fill while idle, in parts short enough to keep the
// window responsive. The figures are printed; the bounds are far above them,
// and a later, larger text may take at most three times its size ratio to the
// first text times that text's time: work growing with the square of the text
// fails, a busy machine does not.
TEST_F(MainFormTest, SplittingLargeTextsShowsTheReportAtOnceAndFillsTheMemosInShortParts) {
  DWORD first_report = 0;
  std::size_t first_bytes = 0;
  for (const std::string& corpus : SplitCorpora()) {
    const TCorpusShape shape = CorpusShape(corpus);
    form->mmo1->SetText(MakeCorpus(shape));
    const DWORD clicked = GetTickCount();
    SendMessageW(form->Button3->Handle(), BM_CLICK, 0, 0);
    const DWORD report = GetTickCount() - clicked;
    const int rows = form->ordrlstvw1->Items()->Count();
    EXPECT_EQ(rows, form->DistinctWords->Count());
    EXPECT_GT(rows, 1000);
    EXPECT_EQ(SendMessageW(form->ordrlstvw1->Handle(), LVM_GETITEMCOUNT, 0, 0), rows);

    // A few parts of each memo's fill, timed one by one.
    DWORD longest_part = 0;
    int parts = 0;
    const TWndMethod saved = form->mmo2->WindowProc;
    form->mmo2->WindowProc = [&](TMessage& m) {
      const DWORD start = GetTickCount();
      saved(m);
      if (m.Msg != WM_TIMER) return;
      longest_part = std::max(longest_part, GetTickCount() - start);
      ++parts;
    };
    // One message at a time: a pump that empties the queue would run the
    // whole fill, its timer being always due.
    for (MSG msg; parts < 5 && form->mmo2->Filling();) {
      if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&msg);
      } else {
        Sleep(1);
      }
    }
    form->mmo2->WindowProc = saved;
    std::printf("%s: %d words, %d distinct; report in %lu ms; longest of %d memo fill parts %lu ms\n",
                corpus.c_str(), form->RawWords->Count(), rows, static_cast<unsigned long>(report), parts,
                static_cast<unsigned long>(longest_part));
    if (first_bytes == 0) {
      first_report = report;
      first_bytes = shape.bytes;
      EXPECT_LT(report, 60000u);
    } else {
      EXPECT_LT(report, 3 * shape.bytes / first_bytes * first_report + 5000);
    }
    EXPECT_LT(longest_part, 2000u);
    EXPECT_EQ(form->mmo2->Lines()->Count(), form->RawWords->Count());
  }
}

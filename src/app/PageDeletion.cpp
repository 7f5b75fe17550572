#include "app/PageDeletion.h"

#include <algorithm>

#include "data/InsatsuSeigyoModel.h"
#include "data/TaikaiModel.h"

namespace qv {

int DeleteSelectedPages(InsatsuSeigyoRec& layout, std::vector<ShumokuRec>& events) {
  const int oldCount = std::max(0, layout.PageCount);
  std::vector<PageRec>& pages = layout.Pages;
  if (pages.size() < static_cast<std::size_t>(oldCount) + 1) pages.resize(oldCount + 1);

  // newNumber[i]: the 1-based number old page i gets, 0 when it goes.
  std::vector<int> newNumber(static_cast<std::size_t>(oldCount), 0);
  int deleted = 0;
  for (int i = 0; i < oldCount; ++i) {
    PageRec& page = pages[static_cast<std::size_t>(i)];
    if (page.Selected) {
      ++deleted;
      continue;
    }
    newNumber[static_cast<std::size_t>(i)] = i - deleted + 1;
    if (deleted > 0) pages[static_cast<std::size_t>(i - deleted)] = std::move(page);
  }
  if (deleted > 0) {
    pages[static_cast<std::size_t>(oldCount - deleted)] =
        std::move(pages[static_cast<std::size_t>(oldCount)]);
  }
  layout.PageCount = oldCount - deleted;
  pages.resize(static_cast<std::size_t>(layout.PageCount) + 1);

  const auto renumber = [&](int& mark) {
    mark = mark >= 1 && mark <= oldCount ? newNumber[static_cast<std::size_t>(mark - 1)] : 0;
  };
  for (ShumokuRec& event : events) {
    renumber(event.YosenLeaguePage);
    renumber(event.KesshouTournamentPage);
    // The upper-rounds and final-league marks follow too, so that none points at a page
    // that moved or is gone.
    renumber(event.JouiTournamentPage);
    renumber(event.KesshouLeaguePage);
  }
  return deleted;
}

}  // namespace qv

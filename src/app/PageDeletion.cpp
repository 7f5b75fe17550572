#include "app/PageDeletion.h"

#include <algorithm>

#include "data/InsatsuSeigyoModel.h"
#include "data/ModelAccess.h"
#include "data/TaikaiModel.h"

namespace qv {

int DeleteSelectedPages(InsatsuSeigyoRec& layout, std::vector<ShumokuRec>& events) {
  const int oldCount = std::max(0, layout.PageCount);
  std::vector<PageRec>& pages = layout.Pages;
  if (pages.size() < oneBasedSize(oldCount)) pages.resize(oldCount + 1);

  // newNumber[i]: the 1-based number old page i gets, 0 when it goes.
  std::vector<int> newNumber(countSize(oldCount), 0);
  int deleted = 0;
  for (int i = 0; i < oldCount; ++i) {
    PageRec& page = pages.at(i);
    if (page.Selected) {
      ++deleted;
      continue;
    }
    newNumber.at(i) = i - deleted + 1;
    if (deleted > 0) pages.at(i - deleted) = std::move(page);
  }
  if (deleted > 0) {
    pages.at(oldCount - deleted) =
        std::move(pages.at(oldCount));
  }
  layout.PageCount = oldCount - deleted;
  pages.resize(oneBasedSize(layout.PageCount));

  const auto renumber = [&](int& mark) {
    mark = mark >= 1 && mark <= oldCount ? newNumber.at(mark - 1) : 0;
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

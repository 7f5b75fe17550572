#include "data/InsatsuSeigyo.h"

#include <array>

#include "data/Model.h"

namespace qv {

namespace {

// Labels of the knock-out layouts, indexed by code; the digits are full-width.
const std::array<QString, 6>& keishikiNames() {
  static const std::array<QString, 6> names = {
      QStringLiteral("左"),   QStringLiteral("左右"), QStringLiteral("２頁"),
      QStringLiteral("４頁"), QStringLiteral("８頁"), QStringLiteral("１６頁")};
  return names;
}

}  // namespace

void InitInsatsuSeigyo(Model& model) {
  InsatsuSeigyoState& state = model.insatsu;
  InsatsuSeigyoRec& rec = state.InsatsuSeigyo;
  rec.PageCount = 0;
  rec.PaperName = QStringLiteral("A4");
  rec.MarginLeft = 20;
  rec.MarginRight = 20;
  rec.PaperWidth = 210;
  rec.PaperHeight = 297;
  rec.MarginTop = 15;
  rec.MarginBottom = 15;
  rec.Pages.assign(1, PageRec{});
  state.CurrentPage = 0;
  state.CurrentRyouiki = -1;
  // The font list is looked up again when a window or print next needs it, not here:
  // the lookup starts the font system, which an open does not need.
  model.bunshou.FontNamesStale = true;
}

void ResetInsatsuSeigyoForTournament(Model& model) {
  InitInsatsuSeigyo(model);
  // A page range chosen for the previous tournament may not exist in this one.
  InsatsuSeigyoRec& rec = model.insatsu.InsatsuSeigyo;
  rec.PageSelectMode = 0;
  rec.PageRangeFrom = 0;
  rec.PageRangeTo = 0;
  model.bunshou.BunshouItemCount = 0;  // lets the defaults replace the fields
  InitBunshouItems(model);
}

QString GetTournamentKeishikiName(int code) {
  const auto& names = keishikiNames();
  if (code < 0 || code >= static_cast<int>(names.size())) return {};
  return names.at(code);
}

int GetTournamentKeishikiCode(const QString& label) {
  const auto& names = keishikiNames();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == label) return static_cast<int>(i);
  return 0;
}

}  // namespace qv

// The layout editor's paper: the size and orientation buttons show the layout's paper, and
// a click on one of them sets the paper and shows the page on it.

#include <QRadioButton>

#include <array>
#include <utility>

#include "layout/FrmLayout.h"
#include "layout/PagePicture.h"
#include "program/Program.h"

namespace qv {

namespace {

struct PaperSize {
  const char* name;
  float width;
  float height;
};
constexpr std::array<PaperSize, 4> kPapers{{{"A3", 297, 420}, {"B4", 257, 364},
                                            {"A4", 210, 297}, {"B5", 182, 257}}};

}  // namespace

// The paper buttons show the paper of the layout, so that a click on one of them changes
// only what it says.
void FrmLayout::showPaperOptions() {
  const InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  for (std::size_t i = 0; i < kPapers.size(); ++i)
    if (rec.PaperName == QLatin1String(kPapers[i].name)) OptSize[i]->setChecked(true);
  const bool landscape = rec.PaperOrientation == QStringLiteral("横") ||
                         (rec.PaperOrientation.isEmpty() && rec.PaperWidth > rec.PaperHeight);
  OptHoukou[landscape ? 1 : 0]->setChecked(true);
}

void FrmLayout::SetPaperSize() {
  program_.insatsu.LayoutChanged = true;
  InsatsuSeigyoRec& rec = program_.insatsu.InsatsuSeigyo;
  for (std::size_t i = 0; i < kPapers.size(); ++i) {
    if (!OptSize[i]->isChecked()) continue;
    rec.PaperName = QLatin1String(kPapers[i].name);
    rec.PaperWidth = kPapers[i].width;
    rec.PaperHeight = kPapers[i].height;
  }
  if (OptHoukou[0]->isChecked()) {
    rec.PaperOrientation = QStringLiteral("縦");
  } else {
    rec.PaperOrientation = QStringLiteral("横");
    std::swap(rec.PaperWidth, rec.PaperHeight);
  }
  PicPage->setPaper(rec.PaperWidth, rec.PaperHeight);
  ShowPage();
}

void FrmLayout::OptSize_Click(int) { SetPaperSize(); }

void FrmLayout::OptHoukou_Click(int) { SetPaperSize(); }

}  // namespace qv

// The main window's print switches, the page list with its selection modes, and the
// deletion of selected pages.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/FrmInsatsuSeigyo.h"
#include "app/PageDeletion.h"
#include "data/ModelAccess.h"
#include "data/Taikai.h"
#include "platform/Numbers.h"
#include "platform/Width.h"
#include "program/Program.h"

namespace qv {

namespace {

const QString kMEntryOption = QStringLiteral("多種目参加者");
const QString kMincho = QStringLiteral("ＭＳ 明朝");
const QString kGothic = QStringLiteral("ＭＳ ゴシック");
constexpr int kBoxes = 6;
constexpr int kPagesPerColumn = 3;

QString fullWidthNumber(int n) { return platform::toFullWidth(QString::number(n)); }

// One line per placement of the page, regions in order, deleted regions left out.
QString pageContents(const PageRec& page, const TaikaiRec& taikai) {
  QStringList lines;
  const int regions = std::min<int>(page.RyouikiCount, static_cast<int>(page.Ryouiki.size()));
  for (int r = 0; r < regions; ++r) {
    const RyouikiRec& region = page.Ryouiki.at(r);
    if (region.Deleted) continue;
    const int count = std::min<int>(region.HaichiCount, static_cast<int>(region.Haichi.size()));
    for (int h = 0; h < count; ++h) {
      const HaichiRec& item = region.Haichi.at(h);
      if (item.Kind == QStringLiteral("文字列") || item.Kind == QStringLiteral("参加者名簿")) {
        lines.append(item.BunshouName);
        continue;
      }
      const ShumokuRec* event = eventAt(taikai, item.ShumokuIdx);
      const QString name = event ? event->Name : QString();
      lines.append(name + QStringLiteral("(") + item.Kind + QStringLiteral(")"));
    }
  }
  return lines.join(QChar('\n'));
}

// A text that is not a number as a whole counts as 0.
int wholePageNumber(const QString& text) { return platform::strictWholeNumber(text).value_or(0); }

}  // namespace

void FrmInsatsuSeigyo::ShowPageList() {
  PageListReady = false;
  TaikaiSwitches& sw = program_.taikai.sw;
  InsatsuSeigyoRec& layout = program_.insatsu.InsatsuSeigyo;
  const int pageCount = std::max(0, layout.PageCount);

  ChkMEntry->setChecked(IsTaikaiOption(sw, kMEntryOption));
  OptFont[program_.kankyou.InsatsuFont == kMincho ? 0 : 1]->setChecked(true);

  {
    // The scroll bar moves the list a column of three pages at a time.
    const QSignalBlocker quiet(HScPage);
    if (pageCount < 7) {
      HScPage->setRange(0, 0);
      HScPage->setVisible(false);
    } else {
      HScPage->setRange(0, (pageCount - 4) / kPagesPerColumn);
      HScPage->setVisible(true);
    }
  }
  const int first = HScPage->value() * kPagesPerColumn;

  LblPage[6]->setText(QStringLiteral("全") + fullWidthNumber(pageCount) + QStringLiteral("頁"));
  for (int k = 0; k < kBoxes; ++k) {
    const int p = first + k;
    const bool shown = p < pageCount;
    TxtPage[k]->setVisible(shown);
    LblPage[k]->setVisible(shown);
    if (!shown) continue;
    const PageRec& page = layout.Pages.at(p);
    LblPage[k]->setText(fullWidthNumber(p + 1) + QStringLiteral("頁"));
    TxtPage[k]->setPlainText(pageContents(page, program_.taikai.Taikai));
    setPageColour(k, page.Selected);
  }

  if (layout.PageSelectMode >= 0 && layout.PageSelectMode < static_cast<int>(OptPage.size()))
    OptPage[layout.PageSelectMode]->setChecked(true);
  OptNumber[sw.NumberSeedJun ? 2 : sw.NumberJunban ? 1 : 0]->setChecked(true);
  ChkNumber->setChecked(sw.ShozokuNaiJunban);
  TxtPS->setText(QString::number(layout.PageRangeFrom));
  TxtPE->setText(QString::number(layout.PageRangeTo));
  PageListReady = true;
}

void FrmInsatsuSeigyo::setPageColour(int box, bool selected) {
  QPalette palette = TxtPage[box]->palette();
  palette.setColor(QPalette::Base, selected ? SelectedPageColor : NormalPageColor);
  TxtPage[box]->setPalette(palette);
}

void FrmInsatsuSeigyo::HScPage_Change() { ShowPageList(); }

void FrmInsatsuSeigyo::OptPage_Click(int index) {
  if (!PageListReady) return;
  InsatsuSeigyoRec& layout = program_.insatsu.InsatsuSeigyo;
  layout.PageSelectMode = index;
  const int pageCount = std::min<int>(layout.PageCount, static_cast<int>(layout.Pages.size()));
  if (index == 0) {
    for (int i = 0; i < pageCount; ++i) layout.Pages.at(i).Selected = true;
  } else if (index == 1) {
    // Text that is not a number counts as 0, so such a range selects nothing.
    layout.PageRangeFrom = wholePageNumber(TxtPS->text());
    layout.PageRangeTo = wholePageNumber(TxtPE->text());
    for (int i = 0; i < pageCount; ++i) {
      layout.Pages.at(i).Selected =
          layout.PageRangeFrom <= i + 1 && i + 1 <= layout.PageRangeTo;
    }
  }
  ShowPageList();
}

void FrmInsatsuSeigyo::TxtPage_Click(int index) {
  if (!PageListReady) return;
  InsatsuSeigyoRec& layout = program_.insatsu.InsatsuSeigyo;
  const int p = HScPage->value() * kPagesPerColumn + index;
  if (p < 0 || p >= layout.PageCount || p >= static_cast<int>(layout.Pages.size())) return;
  PageListReady = false;
  PageRec& page = layout.Pages.at(p);
  page.Selected = !page.Selected;
  setPageColour(index, page.Selected);
  layout.PageSelectMode = 2;
  OptPage[2]->setChecked(true);
  PageListReady = true;
}

void FrmInsatsuSeigyo::CmdDelete_Click() {
  const platform::MsgAnswer answer = program_.messages.show(
      QStringLiteral("レイアウトの削除"), QStringLiteral("選択頁を削除します。よろしいですね。"),
      platform::MsgIcon::Question, platform::MsgButtons::OkCancel);
  if (answer != platform::MsgAnswer::Ok) return;
  DeleteSelectedPages(program_.insatsu.InsatsuSeigyo, program_.taikai.Taikai.Shumoku);
  ShowPageList();
}

void FrmInsatsuSeigyo::SetMEntryOption() {
  QStringList& options = program_.taikai.sw.TaikaiOptions;
  if (ChkMEntry->isChecked()) {
    options.append(kMEntryOption);
    return;
  }
  // The word is blanked, not removed: the count of option words stays.
  const qsizetype at = options.indexOf(kMEntryOption);
  if (at >= 0) options[at].clear();
}

void FrmInsatsuSeigyo::ChkBilingal_Click() { program_.taikai.sw.Nikokugo = ChkBilingal->isChecked(); }

void FrmInsatsuSeigyo::ChkKNKNJ_Click() {
  if (PageListReady) program_.run.KanaKanji = ChkKNKNJ->isChecked();
}

void FrmInsatsuSeigyo::ChkMark_Click() {
  program_.taikai.sw.ShumokuRyakugouHyouji = ChkMark->isChecked();
}

void FrmInsatsuSeigyo::ChkNumber_Click() {
  program_.taikai.sw.ShozokuNaiJunban = ChkNumber->isChecked();
}

void FrmInsatsuSeigyo::ChkSeed_Click() { program_.run.SeedInsatsu = ChkSeed->isChecked(); }

void FrmInsatsuSeigyo::ChkMEntry_Click() {
  if (PageListReady) SetMEntryOption();
}

void FrmInsatsuSeigyo::OptFont_Click(int index) {
  if (PageListReady) program_.kankyou.InsatsuFont = index == 0 ? kMincho : kGothic;
}

void FrmInsatsuSeigyo::OptNumber_Click(int index) {
  TaikaiSwitches& sw = program_.taikai.sw;
  sw.NumberJunban = false;
  sw.NumberSeedJun = false;
  if (index == 1) sw.NumberJunban = OptNumber[1]->isChecked();
  if (index == 2) sw.NumberSeedJun = OptNumber[2]->isChecked();
}

}  // namespace qv

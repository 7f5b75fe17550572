// The layout editor's event grid: twelve rows of events with their league, knock-out and
// upper-rounds boxes, and the marks that choose what the next placement puts on the page.
// A mark is 0 (or below 1) when not marked, 999 when marked, or the page (from 1) the item
// is placed on.

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "data/Fields.h"
#include "data/ModelAccess.h"
#include "layout/FrmLayout.h"
#include "layout/JouiSize.h"
#include "program/Program.h"

namespace qv {

namespace {

constexpr int kMarked = 999;

}  // namespace

void FrmLayout::setBoxColour(QLineEdit* box, const QColor& colour) {
  QPalette p = box->palette();
  p.setColor(QPalette::Base, colour);
  box->setPalette(p);
}


void FrmLayout::SetUpShumokuGrid() {
  const int events = eventCount(program_.taikai.Taikai);
  const QSignalBlocker quiet(VScShumoku);
  if (events <= kGridRows) {
    VScShumoku->setRange(0, 0);
    VScShumoku->setVisible(false);
    for (int i = events; i < kGridRows; ++i) {
      TxtShumoku[i]->setVisible(false);
      TxtLeague[i]->setVisible(false);
      TxtTournament[i]->setVisible(false);
    }
  } else {
    // The last position shows the last twelve events.
    VScShumoku->setRange(0, events - kGridRows);
    VScShumoku->setVisible(true);
  }
}

void FrmLayout::ShowShumokuGrid() {
  LblTop->setVisible(false);
  TaikaiRec& taikai = program_.taikai.Taikai;
  const auto colourOf = [this](int mark) { return mark >= 1 ? UsedColour : NormalColour; };
  for (int i = 0; i < kGridRows; ++i) {
    ShumokuRec* event = eventAt(taikai, VScShumoku->value() + i);
    if (!event) return;  // the rows after the last event keep their state
    TxtShumoku[i]->setText(event->Name);
    setBoxColour(TxtShumoku[i], NormalColour);
    const int blocks = blockCount(event->YosenLeague);
    if (blocks < 1) {
      TxtLeague[i]->setVisible(false);
    } else {
      TxtLeague[i]->setText(QString::number(blocks));
      TxtLeague[i]->setVisible(true);
      setBoxColour(TxtLeague[i], colourOf(event->YosenLeaguePage));
    }
    if (event->TournamentCount < 1) {
      TxtTournament[i]->setVisible(false);
      TxtTop[i]->setVisible(false);
      continue;
    }
    TxtTournament[i]->setText(QString::number(event->TournamentCount));
    TxtTournament[i]->setVisible(true);
    setBoxColour(TxtTournament[i], colourOf(event->KesshouTournamentPage));
    event->JouiTournamentSize =
        NormalisedJouiSize(event->JouiTournamentSize,
                           static_cast<long long>(event->KesshouShinshutsuSuu) + event->SankashaCount);
    TxtTop[i]->setText(QString::number(event->JouiTournamentSize));
    TxtTop[i]->setVisible(true);
    setBoxColour(TxtTop[i], colourOf(event->JouiTournamentPage));
    LblTop->setVisible(true);
  }
}

void FrmLayout::toggleMark(int& mark, QLineEdit* box) {
  if (mark == kMarked) {
    mark = 0;
    setBoxColour(box, NormalColour);
  } else if (mark < 1) {
    mark = kMarked;
    setBoxColour(box, MarkedColour);
  }
  // A placed item keeps its page until its placement is taken out.
}

void FrmLayout::TxtLeague_Click(int index) {
  if (!GridReady) return;
  if (ShumokuRec* event = eventAt(program_.taikai.Taikai, VScShumoku->value() + index))
    toggleMark(event->YosenLeaguePage, TxtLeague[index]);
}

void FrmLayout::TxtTournament_Click(int index) {
  if (!GridReady) return;
  if (ShumokuRec* event = eventAt(program_.taikai.Taikai, VScShumoku->value() + index))
    toggleMark(event->KesshouTournamentPage, TxtTournament[index]);
}

void FrmLayout::TxtTop_Click(int index) {
  if (!GridReady) return;
  if (ShumokuRec* event = eventAt(program_.taikai.Taikai, VScShumoku->value() + index))
    toggleMark(event->JouiTournamentPage, TxtTop[index]);
}

void FrmLayout::TxtShumoku_Click(int index) {
  if (!TxtLeague[index]->isHidden()) TxtLeague_Click(index);
  if (!TxtTournament[index]->isHidden()) TxtTournament_Click(index);
}

void FrmLayout::TxtTop_LostFocus(int index) {
  if (!GridReady) return;
  ShumokuRec* event = eventAt(program_.taikai.Taikai, VScShumoku->value() + index);
  // A text that is no number keeps the size the event has.
  if (event) event->JouiTournamentSize = LngOrDefault(TxtTop[index]->text(), event->JouiTournamentSize);
}

void FrmLayout::VScShumoku_Change() {
  if (GridReady) ShowShumokuGrid();
}

}  // namespace qv

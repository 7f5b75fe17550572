#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "LayoutFixture.h"

using namespace qv;
using namespace qv::test;

namespace {

class FrmLayoutGridTest : public ::testing::Test, public LayoutFixture {
 protected:
  ShumokuRec& event(int i) { return tp.program.taikai.Taikai.Shumoku[static_cast<std::size_t>(i)]; }
  static QColor colour(const QLineEdit* box) { return box->palette().color(QPalette::Base); }
};

const QColor kMarked(192, 192, 255);
const QColor kUsed(0xE0, 0xE0, 0xE0);

}  // namespace

TEST_F(FrmLayoutGridTest, FiveEventsUseFiveRowsWithoutAScrollBar) {
  setEvents(5);
  event(1).YosenLeague.BlockCount = 0;  // no league
  event(2).TournamentCount = 0;         // no knock-out
  FrmLayout& w = open();
  EXPECT_FALSE(w.VScShumoku->isVisible());
  for (int i = 0; i < FrmLayout::kGridRows; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(w.TxtShumoku[i]->isVisible(), i < 5);
    if (i < 5) {
      EXPECT_EQ(w.TxtShumoku[i]->text(), QStringLiteral("E%1").arg(i));
    }
  }
  EXPECT_EQ(w.TxtLeague[0]->text(), QStringLiteral("1"));
  EXPECT_FALSE(w.TxtLeague[1]->isVisible());
  EXPECT_TRUE(w.TxtTournament[1]->isVisible());
  EXPECT_FALSE(w.TxtTournament[2]->isVisible());
  EXPECT_FALSE(w.TxtTop[2]->isVisible());
  EXPECT_TRUE(w.TxtTop[0]->isVisible());
  EXPECT_EQ(w.TxtTop[0]->text(), QStringLiteral("8"));  // 0 becomes 8 for 16 entries
  EXPECT_EQ(event(0).JouiTournamentSize, 8);
  EXPECT_TRUE(w.LblTop->isVisible());
}

TEST_F(FrmLayoutGridTest, ThirtyEventsScrollTwelveAtATime) {
  setEvents(30);
  FrmLayout& w = open();
  EXPECT_TRUE(w.VScShumoku->isVisible());
  EXPECT_EQ(w.VScShumoku->maximum(), 18);
  w.VScShumoku->setValue(18);
  EXPECT_EQ(w.TxtShumoku[0]->text(), QStringLiteral("E18"));
  EXPECT_EQ(w.TxtShumoku[11]->text(), QStringLiteral("E29"));
  // A click on a scrolled row marks the event it shows.
  QTest::mouseClick(w.TxtLeague[11], Qt::LeftButton);
  EXPECT_EQ(event(29).YosenLeaguePage, 999);
  EXPECT_EQ(event(11).YosenLeaguePage, 0);
}

TEST_F(FrmLayoutGridTest, UpperRoundsHeadingHiddenWhenNoRowHasAKnockOut) {
  setEvents(2);
  event(0).TournamentCount = 0;
  event(1).TournamentCount = 0;
  FrmLayout& w = open();
  EXPECT_FALSE(w.LblTop->isVisible());
}

TEST_F(FrmLayoutGridTest, ClicksToggleTheMarksAndColourTheirBoxes) {
  setEvents(3);
  event(2).KesshouTournamentPage = 4;  // placed on page 4
  FrmLayout& w = open();
  EXPECT_EQ(w.MarkedColour, kMarked);
  EXPECT_EQ(w.UsedColour, kUsed);
  EXPECT_EQ(colour(w.TxtShumoku[0]), w.NormalColour);
  EXPECT_EQ(colour(w.TxtTournament[2]), kUsed);

  struct Box {
    std::array<QLineEdit*, FrmLayout::kGridRows> FrmLayout::*boxes;
    int ShumokuRec::*mark;
  };
  const Box boxes[] = {{&FrmLayout::TxtLeague, &ShumokuRec::YosenLeaguePage},
                       {&FrmLayout::TxtTournament, &ShumokuRec::KesshouTournamentPage},
                       {&FrmLayout::TxtTop, &ShumokuRec::JouiTournamentPage}};
  for (const Box& b : boxes) {
    QLineEdit* box = (w.*b.boxes)[0];
    SCOPED_TRACE(box->objectName().toStdString());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(event(0).*b.mark, 999);
    EXPECT_EQ(colour(box), kMarked);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(event(0).*b.mark, 0);
    EXPECT_EQ(colour(box), w.NormalColour);
    QTest::mouseClick(box, Qt::LeftButton);
  }
  // A refresh shows a marked item like a placed one.
  w.ShowShumokuGrid();
  for (QLineEdit* box : {w.TxtLeague[0], w.TxtTournament[0], w.TxtTop[0]}) EXPECT_EQ(colour(box), kUsed);
  // A placed item does not toggle.
  QTest::mouseClick(w.TxtTournament[2], Qt::LeftButton);
  EXPECT_EQ(event(2).KesshouTournamentPage, 4);
  EXPECT_EQ(colour(w.TxtTournament[2]), kUsed);
  EXPECT_FALSE(tp.program.insatsu.LayoutChanged);
}

TEST_F(FrmLayoutGridTest, ANameClickTogglesTheLeagueAndTheKnockOutEachByItsOwnRule) {
  setEvents(2);
  event(0).YosenLeaguePage = 999;
  event(1).YosenLeague.BlockCount = 0;
  FrmLayout& w = open();
  QTest::mouseClick(w.TxtShumoku[0], Qt::LeftButton);
  EXPECT_EQ(event(0).YosenLeaguePage, 0);
  EXPECT_EQ(event(0).KesshouTournamentPage, 999);
  EXPECT_EQ(event(0).JouiTournamentPage, 0);
  QTest::mouseClick(w.TxtShumoku[1], Qt::LeftButton);
  EXPECT_EQ(event(1).YosenLeaguePage, 0);  // its league box is hidden
  EXPECT_EQ(event(1).KesshouTournamentPage, 999);
}

TEST_F(FrmLayoutGridTest, ATypedSizeIsStoredAndShownNormalisedAtTheNextRefresh) {
  setEvents(1);
  event(0).SankashaCount = 5;
  event(0).JouiTournamentSize = 4;
  FrmLayout& w = open();
  struct Case {
    const char* typed;
    int stored;
    const char* shown;
  };
  const Case cases[] = {{"12", 12, "3"}, {"2.5", 2, "2"}, {"abc", 2, "2"}, {"", 2, "2"}, {"7", 7, "4"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    w.TxtTop[0]->setFocus();
    w.TxtTop[0]->setText(QString::fromLatin1(c.typed));
    w.TxtShumoku[0]->setFocus();  // the size box loses the focus
    EXPECT_EQ(event(0).JouiTournamentSize, c.stored);
    EXPECT_EQ(w.TxtTop[0]->text(), QString::fromLatin1(c.typed));
    w.ShowShumokuGrid();
    EXPECT_EQ(w.TxtTop[0]->text(), QString::fromLatin1(c.shown));
  }
}

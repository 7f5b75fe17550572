#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "StartupFixture.h"
#include "data/Taikai.h"
#include "platform/Width.h"

using namespace qv;
using namespace qv::test;

namespace {

// The main window started without a tournament, then given a layout of its own.
class PageListTest : public ::testing::Test, public StartupFixture {
 protected:
  void SetUp() override {
    start();
    window->show();
  }

  InsatsuSeigyoRec& layout() { return tp.program.insatsu.InsatsuSeigyo; }

  void setPages(int count) {
    layout().PageCount = 0;
    layout().Pages.assign(1, PageRec{});
    for (int i = 0; i < count; ++i) layout().AppendPage();
    window->ShowPageList();
  }

  std::vector<int> selectedNumbers() {
    std::vector<int> numbers;
    for (int i = 0; i < layout().PageCount; ++i)
      if (layout().Pages[i].Selected) numbers.push_back(i + 1);
    return numbers;
  }

  bool shown(QWidget* w) { return w->isVisibleTo(window.get()); }

  void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2)); }
  void clickBox(int k) {
    QTest::mouseClick(window->TxtPage[k]->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  }
};

}  // namespace

TEST_F(PageListTest, ScrollBarAndBoxesFollowThePageCount) {
  struct Case {
    int pages;
    bool bar;
    int maximum;
    QString total;
  };
  const Case cases[] = {{0, false, 0, "全０頁"}, {6, false, 0, "全６頁"},
                        {7, true, 1, "全７頁"},  {10, true, 2, "全１０頁"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pages);
    setPages(c.pages);
    FrmInsatsuSeigyo& w = *window;
    EXPECT_EQ(shown(w.HScPage), c.bar);
    EXPECT_EQ(w.HScPage->maximum(), c.maximum);
    EXPECT_EQ(w.LblPage[6]->text(), c.total);
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(shown(w.TxtPage[k]), k < c.pages);
      EXPECT_EQ(shown(w.LblPage[k]), k < c.pages);
    }
  }
  // Ten pages at the last position: pages 7 to 10, boxes 4 and 5 hidden.
  window->HScPage->setValue(2);
  const QString labels[] = {"７頁", "８頁", "９頁", "１０頁"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_TRUE(shown(window->TxtPage[k]));
    EXPECT_EQ(window->LblPage[k]->text(), labels[k]);
  }
  EXPECT_FALSE(shown(window->TxtPage[4]));
  EXPECT_FALSE(shown(window->TxtPage[5]));
  // Fewer pages pull the position back into range.
  setPages(7);
  EXPECT_EQ(window->HScPage->value(), 1);
  EXPECT_EQ(window->LblPage[0]->text(), "４頁");
}

TEST_F(PageListTest, BoxesListThePlacementsOfTheirPageInTheSelectionColour) {
  tp.program.taikai.Taikai.Shumoku.resize(2);
  tp.program.taikai.Taikai.Shumoku[0].Name = "男子単";
  tp.program.taikai.Taikai.Shumoku[1].Name = "女子複";
  tp.program.taikai.Taikai.ShumokuCount = 2;
  setPages(2);
  PageRec& page = layout().Pages[0];
  page.RyouikiCount = 3;
  page.Ryouiki.resize(3);
  auto place = [](RyouikiRec& r, const QString& kind, int event, const QString& phrase) {
    HaichiRec h;
    h.Kind = kind;
    h.ShumokuIdx = event;
    h.BunshouName = phrase;
    r.Haichi.push_back(h);
    r.HaichiCount = static_cast<int>(r.Haichi.size());
  };
  place(page.Ryouiki[0], "トーナメント", 0, "");
  place(page.Ryouiki[0], "リーグ", 1, "");
  place(page.Ryouiki[1], "上位", 0, "");
  page.Ryouiki[1].Deleted = true;
  place(page.Ryouiki[2], "文字列", -1, "表彰式のご案内");
  place(page.Ryouiki[2], "参加者名簿", -1, "参加者名簿");
  place(page.Ryouiki[2], "リーグ", 7, "");  // an event the tournament does not have
  layout().Pages[1].Selected = true;
  window->ShowPageList();

  EXPECT_EQ(window->TxtPage[0]->toPlainText(),
            "男子単(トーナメント)\n女子複(リーグ)\n表彰式のご案内\n参加者名簿\n(リーグ)");
  EXPECT_EQ(window->LblPage[0]->text(), "１頁");
  EXPECT_EQ(window->TxtPage[0]->palette().color(QPalette::Base), window->NormalPageColor);
  EXPECT_EQ(window->TxtPage[1]->palette().color(QPalette::Base), QColor(192, 255, 255));
}

TEST_F(PageListTest, SelectionModesAndRanges) {
  setPages(5);
  FrmInsatsuSeigyo& w = *window;
  EXPECT_EQ(w.Frame3->title(), "印刷頁");
  EXPECT_EQ(w.OptPage[0]->text(), "全頁");
  EXPECT_EQ(w.OptPage[1]->text(), "範囲指定");
  EXPECT_EQ(w.OptPage[2]->text(), "選択頁");

  click(w.OptPage[0]);
  EXPECT_EQ(selectedNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(layout().PageSelectMode, 0);

  struct Range {
    QString from, to;
    std::vector<int> selected;
    int storedFrom, storedTo;
  };
  const Range ranges[] = {
      {"2", "4", {2, 3, 4}, 2, 4},
      {"4", "2", {}, 4, 2},
      {"abc", "3", {1, 2, 3}, 0, 3},  // not a number counts as 0
      {"2.5", "3.5", {2, 3, 4}, 2, 4},  // halves go to the even neighbour
      {"1", "99999999999999", {1, 2, 3, 4, 5}, 1, 2147483647},
  };
  for (const Range& r : ranges) {
    SCOPED_TRACE(r.from.toStdString() + "-" + r.to.toStdString());
    w.TxtPS->setText(r.from);
    w.TxtPE->setText(r.to);
    click(w.OptPage[1]);
    EXPECT_EQ(layout().PageSelectMode, 1);
    EXPECT_EQ(selectedNumbers(), r.selected);
    EXPECT_EQ(layout().PageRangeFrom, r.storedFrom);
    EXPECT_EQ(layout().PageRangeTo, r.storedTo);
    EXPECT_EQ(w.TxtPS->text(), QString::number(r.storedFrom));
  }

  // 選択頁 keeps the flags; a click on a box inverts only its page and picks 選択頁.
  w.TxtPS->setText("2");
  w.TxtPE->setText("3");
  click(w.OptPage[1]);
  click(w.OptPage[2]);
  EXPECT_EQ(selectedNumbers(), (std::vector<int>{2, 3}));
  click(w.OptPage[1]);
  clickBox(4);
  EXPECT_EQ(selectedNumbers(), (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(layout().PageSelectMode, 2);
  EXPECT_TRUE(w.OptPage[2]->isChecked());
  EXPECT_EQ(w.TxtPage[4]->palette().color(QPalette::Base), w.SelectedPageColor);
  clickBox(1);
  EXPECT_EQ(selectedNumbers(), (std::vector<int>{3, 5}));
  EXPECT_EQ(w.TxtPage[1]->palette().color(QPalette::Base), w.NormalPageColor);
}

TEST_F(PageListTest, BoxClickWhileScrolledInvertsThePageItShows) {
  // The list moves a column of three pages per position: box k shows page position × 3 + k.
  struct Case {
    int position, box;
    int page;  // 1-based
  } cases[] = {{1, 0, 4}, {1, 5, 9}, {2, 1, 8}, {2, 3, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.position) + "/" + std::to_string(c.box));
    setPages(10);
    window->HScPage->setValue(c.position);
    ASSERT_EQ(window->LblPage[c.box]->text(), platform::toFullWidth(QString::number(c.page)) + "頁");
    clickBox(c.box);
    EXPECT_EQ(selectedNumbers(), std::vector<int>{c.page});
    EXPECT_EQ(window->TxtPage[c.box]->palette().color(QPalette::Base), window->SelectedPageColor);
    clickBox(c.box);
    EXPECT_TRUE(selectedNumbers().empty());
  }
}

TEST_F(PageListTest, DeletingSelectedPagesAsksFirstAndRenumbersTheMarks) {
  tp.program.taikai.Taikai.Shumoku.resize(3);
  tp.program.taikai.Taikai.ShumokuCount = 3;
  auto& events = tp.program.taikai.Taikai.Shumoku;
  events[0].YosenLeaguePage = 4;
  events[1].YosenLeaguePage = 3;
  events[1].JouiTournamentPage = 5;
  events[2].KesshouTournamentPage = 1;
  events[2].YosenLeaguePage = 999;
  setPages(5);
  clickBox(1);
  clickBox(2);

  tp.messages.answers.push_back(platform::MsgAnswer::Cancel);
  QTest::mouseClick(window->CmdDelete, Qt::LeftButton);
  ASSERT_EQ(tp.messages.shown.size(), 1u);
  EXPECT_EQ(tp.messages.shown[0].title, "レイアウトの削除");
  EXPECT_EQ(tp.messages.shown[0].text, "選択頁を削除します。よろしいですね。");
  EXPECT_EQ(tp.messages.shown[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_EQ(layout().PageCount, 5);
  EXPECT_EQ(events[2].YosenLeaguePage, 999);

  QTest::mouseClick(window->CmdDelete, Qt::LeftButton);  // OK
  EXPECT_EQ(layout().PageCount, 3);
  EXPECT_EQ(window->LblPage[6]->text(), "全３頁");
  EXPECT_FALSE(window->TxtPage[3]->isVisibleTo(window.get()));
  EXPECT_EQ(events[0].YosenLeaguePage, 2);
  EXPECT_EQ(events[1].YosenLeaguePage, 0);
  EXPECT_EQ(events[1].JouiTournamentPage, 3);
  EXPECT_EQ(events[2].KesshouTournamentPage, 1);
  EXPECT_EQ(events[2].YosenLeaguePage, 0);
}

TEST_F(PageListTest, CheckBoxesAndOptionsSetThePrintSwitches) {
  FrmInsatsuSeigyo& w = *window;
  Program& p = tp.program;
  struct Box {
    QCheckBox* box;
    QString caption;
    std::function<bool()> value;
  };
  const Box boxes[] = {
      {w.ChkSeed, "シード印刷", [&] { return p.run.SeedInsatsu; }},
      {w.ChkKNKNJ, "カナ漢字", [&] { return p.run.KanaKanji; }},
      {w.ChkMark, "種目略号表示", [&] { return p.taikai.sw.ShumokuRyakugouHyouji; }},
      {w.ChkNumber, "所属内順番", [&] { return p.taikai.sw.ShozokuNaiJunban; }},
  };
  for (const Box& b : boxes) {
    SCOPED_TRACE(b.caption.toStdString());
    EXPECT_EQ(b.box->text(), b.caption);
    const bool before = b.value();
    click(b.box);
    EXPECT_NE(b.value(), before);
    click(b.box);
    EXPECT_EQ(b.value(), before);
  }
  EXPECT_FALSE(w.ChkBilingal->isVisibleTo(&w));  // no "YOJ"

  EXPECT_EQ(p.kankyou.InsatsuFont, "ＭＳ 明朝");
  EXPECT_TRUE(w.OptFont[0]->isChecked());
  click(w.OptFont[1]);
  EXPECT_EQ(p.kankyou.InsatsuFont, "ＭＳ ゴシック");
  click(w.OptFont[0]);
  EXPECT_EQ(p.kankyou.InsatsuFont, "ＭＳ 明朝");

  EXPECT_EQ(w.Frame1->title(), "トーナメント番号表示");
  EXPECT_TRUE(w.OptNumber[0]->isChecked());
  click(w.OptNumber[2]);
  EXPECT_TRUE(p.taikai.sw.NumberSeedJun);
  EXPECT_FALSE(p.taikai.sw.NumberJunban);
  click(w.OptNumber[1]);
  EXPECT_TRUE(p.taikai.sw.NumberJunban);
  EXPECT_FALSE(p.taikai.sw.NumberSeedJun);
  click(w.OptNumber[0]);
  EXPECT_FALSE(p.taikai.sw.NumberJunban || p.taikai.sw.NumberSeedJun);
}

TEST_F(PageListTest, MultiEventOptionIsBlankedAndAppended) {
  QStringList& options = tp.program.taikai.sw.TaikaiOptions;
  options = QStringList{"略号表示", "多種目参加者", "多種目参加者"};
  window->ShowPageList();
  EXPECT_TRUE(window->ChkMEntry->isChecked());
  click(window->ChkMEntry);
  EXPECT_EQ(options, QStringList({"略号表示", "", "多種目参加者"}));
  click(window->ChkMEntry);
  EXPECT_EQ(options, QStringList({"略号表示", "", "多種目参加者", "多種目参加者"}));
}

TEST(PageListStartTest, BilingualBoxOnlyUnderYoj) {
  for (bool yoj : {false, true}) {
    SCOPED_TRACE(yoj);
    StartupFixture f;
    f.selectWith = [&](FrmTaikai& form) {
      if (yoj) f.tp.program.taikai.sw.TaikaiOptions.append("YOJ");
      f.tp.program.taikai.sw.Nikokugo = true;
      f.tp.program.run.SeedInsatsu = true;
      f.tp.program.taikai.sw.NumberJunban = true;
      form.CmdCancel_Click();
    };
    FrmInsatsuSeigyo& w = f.start();
    EXPECT_EQ(w.ChkBilingal->isVisibleTo(&w), yoj);
    EXPECT_EQ(w.ChkBilingal->isChecked(), yoj);
    EXPECT_TRUE(w.ChkSeed->isChecked());
    EXPECT_TRUE(w.OptNumber[1]->isChecked());
    if (yoj) {
      w.show();
      QTest::mouseClick(w.ChkBilingal, Qt::LeftButton, {}, QPoint(8, w.ChkBilingal->height() / 2));
      EXPECT_FALSE(f.tp.program.taikai.sw.Nikokugo);
    }
  }
}

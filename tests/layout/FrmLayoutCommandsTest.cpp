#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <functional>

#include "LayoutFixture.h"
#include "data/BunshouItems.h"
#include "layout/FrmBunshou.h"
#include "layout/FrmMojiretsu.h"
#include "layout/WindowDriving.h"
#include "support/WindowPicture.h"

using namespace qv;
using namespace qv::test;

namespace {

class FrmLayoutCommandsTest : public ::testing::Test, public LayoutFixture {
 protected:
  void SetUp() override {
    setEvents(3);
    setPages(1);
  }

  ShumokuRec& event(int i) { return tp.program.taikai.Taikai.Shumoku[static_cast<std::size_t>(i)]; }
  RyouikiRec& region(int p, int r) {
    return layout().Pages[static_cast<std::size_t>(p)].Ryouiki[static_cast<std::size_t>(r)];
  }
  // The editor on page p with region r of it selected (-1 for none).
  FrmLayout& openOn(int p, int r) {
    tp.program.insatsu.CurrentPage = p;
    FrmLayout& f = open();
    f.HScPage->setValue(p);
    currentRyouiki() = r;
    return f;
  }

  QStringList shownLabels() const {
    QStringList texts;
    for (QLabel* l : form->LblHaichi)
      if (l->isVisible()) texts << l->text();
    return texts;
  }

  // A click on a command button (the fixture's click is a click on the preview).
  static void press(QAbstractButton* b) { qv::test::click(b); }

  std::vector<bool> commandStates() const {
    std::vector<bool> states;
    for (QPushButton* b : {form->CmdReturn, form->CmdRyouiki, form->CmdSakujo, form->CmdHaichi,
                           form->CmdMojiretsu, form->CmdTorikeshi, form->CmdPageMoji})
      states.push_back(b->isEnabled());
    return states;
  }
};

}  // namespace

TEST_F(FrmLayoutCommandsTest, MarkedItemsArePlacedInOrderOnTheSparePageWhichBecomesAPage) {
  addRegion(1, {20, 190, 30, 270});
  event(0).YosenLeaguePage = 999;
  event(0).KesshouTournamentPage = 999;
  event(1).JouiTournamentPage = 999;
  event(1).JouiTournamentSize = 8;
  event(2).KesshouTournamentPage = 1;  // placed already: stays where it is
  FrmLayout& f = openOn(1, 0);
  f.OptTournament[1]->setChecked(true);
  f.TxtBunkatsuH->setText("");
  f.TxtBunkatsuV->setText("段");
  press(f.CmdHaichi);

  EXPECT_EQ(layout().PageCount, 2);
  EXPECT_EQ(layout().Pages.size(), 3u);
  EXPECT_TRUE(page(1).Selected);
  EXPECT_EQ(page(2).RyouikiCount, 0);
  EXPECT_FALSE(page(2).Selected);
  const RyouikiRec& r = region(1, 0);
  ASSERT_EQ(r.HaichiCount, 3);
  const std::vector<std::tuple<QString, int, int>> placed{
      {"リーグ", 0, 0}, {"トーナメント", 0, 0}, {"上位", 1, 7}};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(r.Haichi[k].Kind, std::get<0>(placed[k]));
    EXPECT_EQ(r.Haichi[k].ShumokuIdx, std::get<1>(placed[k]));
    EXPECT_EQ(r.Haichi[k].Number, std::get<2>(placed[k]));
    EXPECT_TRUE(r.Haichi[k].BunshouName.isEmpty());
  }
  EXPECT_EQ(shownLabels(), QStringList({"E0(リーグ)", "E0(トーナメント)", "E1(上位8)"}));
  EXPECT_EQ(r.TournamentKeishiki, 1);
  EXPECT_EQ(r.BunkatsuH, 1);
  EXPECT_EQ(r.BunkatsuV, 3);  // a row box without a number: one row per placement
  EXPECT_EQ(event(0).YosenLeaguePage, 2);
  EXPECT_EQ(event(0).KesshouTournamentPage, 2);
  EXPECT_EQ(event(1).JouiTournamentPage, 2);
  EXPECT_EQ(event(2).KesshouTournamentPage, 1);
  EXPECT_EQ(currentRyouiki(), -1);
  EXPECT_EQ(f.EditMode, "領域変更");
  EXPECT_EQ(f.LblPage->text(), "2/2頁");
  EXPECT_EQ(f.HScPage->maximum(), 2);
  EXPECT_TRUE(tp.program.insatsu.LayoutChanged);
  KeepWindowPicture(f, "FrmLayoutPlaced");
}

TEST_F(FrmLayoutCommandsTest, PlacingWithoutMarksOrWithoutARegion) {
  addRegion(0, {20, 100, 30, 100}).TournamentKeishiki = 4;
  // Without a selected region nothing happens.
  event(0).YosenLeaguePage = 999;
  FrmLayout& f = openOn(0, -1);
  press(f.CmdHaichi);
  EXPECT_EQ(region(0, 0).HaichiCount, 0);
  EXPECT_EQ(event(0).YosenLeaguePage, 999);
  EXPECT_FALSE(page(0).Selected);

  // Nothing marked: the page is taken and the split counts stored, within 1 to 50.
  event(0).YosenLeaguePage = 0;
  const struct {
    QString across, down;
    int h, v;
  } cases[] = {{"2", "3", 2, 3}, {"2.5", "", 2, 1}, {"-4", "0", 1, 1}, {"x", "999", 1, 50}};
  for (const auto& c : cases) {
    SCOPED_TRACE((c.across + "/" + c.down).toStdString());
    currentRyouiki() = 0;
    f.TxtBunkatsuH->setText(c.across);
    f.TxtBunkatsuV->setText(c.down);
    press(f.CmdHaichi);
    EXPECT_EQ(region(0, 0).HaichiCount, 0);
    EXPECT_EQ(region(0, 0).BunkatsuH, c.h);
    EXPECT_EQ(region(0, 0).BunkatsuV, c.v);
  }
  EXPECT_TRUE(page(0).Selected);
  EXPECT_EQ(region(0, 0).TournamentKeishiki, 4);
  EXPECT_EQ(layout().PageCount, 1);

  // A deleted region that is still selected takes nothing.
  region(0, 0).Deleted = true;
  event(0).YosenLeaguePage = 999;
  currentRyouiki() = 0;
  press(f.CmdHaichi);
  EXPECT_EQ(region(0, 0).HaichiCount, 0);
  EXPECT_EQ(event(0).YosenLeaguePage, 999);
}

TEST_F(FrmLayoutCommandsTest, TakingOutDeletingAndClearingUnmarkTheEvents) {
  const auto placeAll = [&] {
    for (int r = 0; r < 2; ++r) {
      RyouikiRec& reg = region(0, r);
      reg.Haichi = {HaichiRec{"リーグ", {}, {}, r, 0}, HaichiRec{"上位", {}, {}, 2, 3},
                    HaichiRec{"参加者名簿", "参加者名簿", {}, -1, 0}};
      reg.HaichiCount = 3;
      reg.Deleted = false;
    }
    for (int e = 0; e < 3; ++e) event(e).YosenLeaguePage = event(e).JouiTournamentPage = 1;
  };
  addRegion(0, {20, 100, 30, 100});
  addRegion(0, {110, 190, 30, 100});
  layout().Pages[0].Selected = true;
  placeAll();
  FrmLayout& f = openOn(0, 0);

  press(f.CmdTorikeshi);  // 取消: the region stays, empty and deselected
  EXPECT_EQ(region(0, 0).HaichiCount, 0);
  EXPECT_EQ(region(0, 0).Haichi.size(), 1u);
  EXPECT_FALSE(region(0, 0).Deleted);
  EXPECT_EQ(currentRyouiki(), -1);
  EXPECT_EQ(event(0).YosenLeaguePage, 0);
  EXPECT_EQ(event(1).YosenLeaguePage, 1);  // placed in the other region
  EXPECT_EQ(event(2).JouiTournamentPage, 0);
  EXPECT_EQ(shownLabels(), QStringList({"E1(リーグ)", "E2(上位4)", "参加者名簿"}));

  placeAll();
  currentRyouiki() = 1;
  press(f.CmdSakujo);  // 現領域削除: the record stays, flagged deleted
  EXPECT_TRUE(region(0, 1).Deleted);
  EXPECT_EQ(region(0, 1).HaichiCount, 0);
  EXPECT_EQ(event(1).YosenLeaguePage, 0);
  EXPECT_EQ(event(0).YosenLeaguePage, 1);
  EXPECT_EQ(currentRyouiki(), -1);

  placeAll();
  press(f.CmdClear);  // 頁クリアー: every region of the page
  for (int r = 0; r < 2; ++r) {
    EXPECT_TRUE(region(0, r).Deleted);
    EXPECT_EQ(region(0, r).HaichiCount, 0);
  }
  EXPECT_EQ(event(0).YosenLeaguePage, 0);
  EXPECT_EQ(event(1).YosenLeaguePage, 0);
  EXPECT_EQ(event(2).JouiTournamentPage, 0);
  EXPECT_EQ(event(2).YosenLeaguePage, 1);  // placed in no region of the page
  EXPECT_EQ(page(0).RyouikiCount, 2);
  EXPECT_TRUE(page(0).Selected);
  EXPECT_TRUE(shownLabels().isEmpty());
  EXPECT_EQ(f.EditMode, "領域変更");

  // On a page without regions 頁クリアー only redraws; 領域作成 starts a new region.
  f.HScPage->setValue(1);
  f.EditMode = "領域変形";
  press(f.CmdClear);
  EXPECT_EQ(f.EditMode, "領域変更");
  press(f.CmdRyouiki);
  EXPECT_EQ(f.EditMode, "領域作成");
  EXPECT_EQ(currentRyouiki(), -1);
}

TEST_F(FrmLayoutCommandsTest, RosterGoesOnlyIntoAnEmptyRegion) {
  addRegion(1, {20, 100, 30, 100});
  FrmLayout& f = openOn(1, 0);
  press(f.CmdSankasha);
  const RyouikiRec& r = region(1, 0);
  ASSERT_EQ(r.HaichiCount, 1);
  EXPECT_EQ(r.Haichi[0].Kind, "参加者名簿");
  EXPECT_EQ(r.Haichi[0].BunshouName, "参加者名簿");
  EXPECT_EQ(r.Haichi[0].ShumokuIdx, -1);
  EXPECT_EQ(layout().PageCount, 2);
  EXPECT_EQ(currentRyouiki(), 0);  // stays selected
  EXPECT_EQ(shownLabels(), QStringList({"参加者名簿"}));
  press(f.CmdSankasha);
  EXPECT_EQ(region(1, 0).HaichiCount, 1);
}

TEST_F(FrmLayoutCommandsTest, TextBlockFromThePhraseWindow) {
  tp.writeFile("文章.txt", {"文章名＝注意", "一行目", "二行目", "三行目", "", "文章名＝空"});
  ReadBunshouFile(tp.program, "文章.txt");
  addRegion(0, {20, 100, 30, 100});
  addRegion(0, {110, 190, 30, 100});
  FrmLayout& f = openOn(0, 0);

  // Closed with the close box: no choice, nothing placed, no page taken.
  tp.program.bunshou.SelBunshouText = "前回の文";
  onModal<FrmBunshou>([](FrmBunshou& w) { w.close(); });
  press(f.CmdMojiretsu);
  EXPECT_EQ(region(0, 0).HaichiCount, 0);
  EXPECT_FALSE(page(0).Selected);

  std::vector<bool> whileOpen;
  onModal<FrmBunshou>([&](FrmBunshou& w) {
    whileOpen = commandStates();
    w.CmbFont->setEditText("ＭＳ ゴシック");
    w.CmdReturn_Click();
  });
  press(f.CmdMojiretsu);
  EXPECT_EQ(whileOpen, std::vector<bool>(7, false));
  EXPECT_EQ(commandStates(), std::vector<bool>(7, true));
  const RyouikiRec& r = region(0, 0);
  ASSERT_EQ(r.HaichiCount, 1);
  const HaichiRec& h = r.Haichi[0];
  EXPECT_EQ(h.Kind, "文字列");
  EXPECT_EQ(h.BunshouName, "注意");
  EXPECT_EQ(h.ShumokuIdx, -1);
  // The text ends with a line break: an empty last line.
  EXPECT_EQ(h.Moji.Lines, QStringList({"一行目", "二行目", "三行目", ""}));
  EXPECT_EQ(h.Moji.LineCount, 4);
  EXPECT_EQ(h.Moji.FontName, "ＭＳ ゴシック");
  EXPECT_EQ(h.Moji.Height, 0);
  EXPECT_TRUE(page(0).Selected);
  EXPECT_EQ(currentRyouiki(), 0);
  EXPECT_EQ(shownLabels(), QStringList({"注意"}));

  // A region that holds a placement opens no window.
  bool opened = false;
  QTimer::singleShot(0, [&] { opened = QApplication::activeModalWidget() != nullptr; });
  press(f.CmdMojiretsu);
  QApplication::processEvents();
  EXPECT_FALSE(opened);

  // A phrase with no text places nothing.
  currentRyouiki() = 1;
  onModal<FrmBunshou>([](FrmBunshou& w) {
    w.CmbBunshou->setCurrentIndex(1);
    w.CmbBunshou_Click();
    w.CmdReturn_Click();
  });
  press(f.CmdMojiretsu);
  EXPECT_EQ(tp.program.bunshou.SelBunshouName, "空");
  EXPECT_EQ(region(0, 1).HaichiCount, 0);
}

TEST_F(FrmLayoutCommandsTest, FixedPageTextsWindowOpensOverTheEditor) {
  InitBunshouItems(tp.program.bunshou, "ＭＳ 明朝");
  FrmLayout& f = openOn(0, -1);
  std::vector<bool> whileOpen;
  onModal<FrmMojiretsu>([&](FrmMojiretsu& w) {
    whileOpen = commandStates();
    typeInto(w.TxtPage[5], "後援　青葉市", w.TxtKaishi);
    w.CmdReturn_Click();
  });
  press(f.CmdPageMoji);
  EXPECT_EQ(whileOpen, std::vector<bool>(7, false));
  EXPECT_EQ(commandStates(), std::vector<bool>(7, true));
  EXPECT_EQ(tp.program.bunshou.BunshouItems[5].Text, "後援　青葉市");

  // 戻る closes the editor.
  press(f.CmdReturn);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(f.result(), QDialog::Accepted);
}

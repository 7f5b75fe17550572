// The tie detail page, switched on for the test and read back.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "team/TeamMeisaiHtml.h"
#include "team/TieSheetFixture.h"

namespace qv::test {
namespace {

class TeamMeisaiHtmlTest : public TieSheetFixture {
 protected:
  void SetUp() override {
    TieSheetFixture::SetUp();
    const int e = addEvent(QStringLiteral("MT"), 3);
    stage = addStage(e);
    p().teamOutput.HtmlFolder = tp.folder();
  }
  bool write(int tie, const QString& label = QStringLiteral("7")) {
    return WriteTeamMeisaiHtml(p(), teamEvent, p().teamOutput, stage, tie, label,
                               QStringLiteral("t.htm"), QString());
  }
  QStringList page() const {
    return platform::readTextLines(tp.folder() + QStringLiteral("t.htm")).value_or(QStringList{});
  }
  int stage = 0;
};

TEST_F(TeamMeisaiHtmlTest, NothingIsWrittenWhileSwitchedOff) {
  addTie(0, stage, 0, 1, "3", "0");
  EXPECT_FALSE(write(0));
  EXPECT_FALSE(QFile::exists(tp.folder() + QStringLiteral("t.htm")));
  p().teamOutput.HtmTeam.Enabled = true;
  EXPECT_FALSE(
      WriteTeamMeisaiHtml(p(), teamEvent, p().teamOutput, -1, 0, "1", "t.htm", QString()));
  // No such team event.
  EXPECT_FALSE(WriteTeamMeisaiHtml(p(), 1, p().teamOutput, stage, 0, "1", "t.htm", QString()));
  EXPECT_FALSE(write(5));  // no such tie
  EXPECT_FALSE(QFile::exists(tp.folder() + QStringLiteral("t.htm")));
}

TEST_F(TeamMeisaiHtmlTest, PageOfOneTieReadsBackWithTheWinnerLeft) {
  p().teamOutput.HtmTeam.Enabled = true;
  TeamTaisenRec& tie = addTie(0, stage, 0, 1, "2", "3");
  tie.Shiais[1].GameCount = {QString(), QString()};
  tie.Shiais[1].Scores = {};
  ASSERT_TRUE(write(0));
  const QStringList lines = page();
  ASSERT_EQ(lines.size(), 21);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01")));
  EXPECT_EQ(lines[5], QStringLiteral("<TITLE>MT団体　7</TITLE>"));
  EXPECT_EQ(lines[9], QStringLiteral("MT団体　7　　"));
  EXPECT_EQ(lines[13], QStringLiteral("<TR><TH>　</TH><TH BGCOLOR=\"#ffc0cb\">T1</TH><TH>3</TH>"
                                      "<TH>－</TH><TH>2</TH><TH BGCOLOR=\"#a9a9a9\">T0</TH></TR>"));
  // Side B's points first; doubles with both players; an unplayed row with blanks.
  EXPECT_EQ(lines[14], QStringLiteral("<TR><TH>複1</TH><TH>T1p0<BR>T1p1</TH><TH>0</TH>"
                                      "<TH ALIGN=\"right\">15-21<br>10-21</TH><TH>2</TH>"
                                      "<TH>T0p0<BR>T0p1</TH></TR>"));
  EXPECT_EQ(lines[15], QStringLiteral("<TR><TH>単2</TH><TH>T1p2</TH><TH>　</TH>"
                                      "<TH ALIGN=\"right\">　</TH><TH>　</TH><TH>T0p2</TH></TR>"));
  EXPECT_EQ(lines[17], QStringLiteral("</tbody></TABLE>"));
  EXPECT_EQ(lines[20], QStringLiteral("</HTML>"));
  EXPECT_EQ(p().teamOutput.TaisenLabel, QStringLiteral("7"));
  // CP932 with CR LF on disk.
  QFile f(tp.folder() + QStringLiteral("t.htm"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.contains(platform::encodeCp932(QStringLiteral("－")) + "</TH>"));
  EXPECT_TRUE(bytes.endsWith("</HTML>\r\n"));
}

TEST_F(TeamMeisaiHtmlTest, HeaderCellsFollowTheResults) {
  p().teamOutput.HtmTeam.Enabled = true;
  struct Case {
    QString a, b;
    QString header;
  } cases[] = {
      {"Ｘ", "0", "<TR><TH>　</TH><TH BGCOLOR=\"#ffc0cb\">T1</TH><TH>0</TH><TH>－</TH><TH>Ｘ</TH>"
                  "<TH BGCOLOR=\"#a9a9a9\">T0</TH></TR>"},
      {"", "", "<TR><TH>　</TH><TH>T0</TH><TH></TH><TH>－</TH><TH></TH><TH>T1</TH></TR>"},
      {"Ｘ", "Ｘ", "<TR><TH>　</TH><TH BGCOLOR=\"#a9a9a9\">T0</TH><TH>Ｘ</TH><TH>－</TH><TH>Ｘ</TH>"
                   "<TH BGCOLOR=\"#a9a9a9\">T1</TH></TR>"},
      {"10", " 9", "<TR><TH>　</TH><TH BGCOLOR=\"#ffc0cb\">T0</TH><TH>10</TH><TH>－</TH><TH>9</TH>"
                   "<TH BGCOLOR=\"#a9a9a9\">T1</TH></TR>"},
  };
  int i = 0;
  for (const Case& c : cases) {
    addTie(0, stage, 0, 1, c.a, c.b);
    ASSERT_TRUE(write(i++));
    ASSERT_GT(page().size(), 13);
    EXPECT_EQ(page()[13], c.header) << qPrintable(c.a + "/" + c.b);
  }
}

TEST_F(TeamMeisaiHtmlTest, LineFormatWritesTheTieAndAnIndexLink) {
  p().teamOutput.HtmTeam.Enabled = true;
  p().teamOutput.HtmKeitai = true;
  QBuffer index;
  index.open(QIODevice::WriteOnly);
  p().teamOutput.HtmTeam.IndexFile = &index;
  addTie(0, stage, 0, 1, "3", "0");
  ASSERT_TRUE(write(0, QStringLiteral("1")));
  const QStringList lines = page();
  ASSERT_GE(lines.size(), 16);
  EXPECT_EQ(lines[9], QStringLiteral("MT団体　1"));
  EXPECT_EQ(lines.mid(10, 7), (QStringList{"<HR>T0", "<BR>3－0", "<BR>T1", "<HR>複1",
                                           "<HR>T0p0<BR>T0p1", "<BR>［2－0］", "<br>21-15"}));
  EXPECT_EQ(lines.back(), QStringLiteral("</HTML>"));
  EXPECT_EQ(platform::decodeCp932(index.data()),
            QStringLiteral("<a href=\"t.htm\">1 T03－0T1</a><br>\r\n"));
}

}  // namespace
}  // namespace qv::test

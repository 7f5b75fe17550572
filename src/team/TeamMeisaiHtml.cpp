#include "team/TeamMeisaiHtml.h"

#include <QIODevice>

#include <algorithm>

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/SankashaRef.h"
#include "platform/Blanks.h"
#include "platform/Cp932.h"
#include "platform/TextFile.h"
#include "platform/Width.h"
#include "team/TeamMeisaiSheet.h"
#include "teamlogic/TeamNames.h"
#include "teamlogic/TeamOutputState.h"
#include "teamlogic/TeamSubMatch.h"

namespace qv {

namespace {

const QString kWinnerCell = QStringLiteral("<TH BGCOLOR=\"#ffc0cb\">");
const QString kLoserCell = QStringLiteral("<TH BGCOLOR=\"#a9a9a9\">");

// The tie as the page shows it: the sides in print order with their cells, names and
// results.
struct HtmlTie {
  int left = 0;
  int right = 1;
  QString leftCell, rightCell;
  QString leftName, rightName;
  QString leftResult, rightResult;
};

HtmlTie htmlTie(const Model& model, const TeamShumokuRec& ev, const TeamTaisenRec& tie) {
  HtmlTie h;
  const QString& a = tie.KekkaA;
  const QString& b = tie.KekkaB;
  if (a.isEmpty() && b.isEmpty()) {
    h.leftCell = h.rightCell = QStringLiteral("<TH>");
  } else if (IsForfeitResult(a) && IsForfeitResult(b)) {
    h.leftCell = h.rightCell = kLoserCell;
  } else {
    const bool aWins = !IsForfeitResult(a) && (IsForfeitResult(b) || TieResultAbove(a, b));
    h.left = aWins ? 0 : 1;
    h.right = 1 - h.left;
    h.leftCell = kWinnerCell;
    h.rightCell = kLoserCell;
  }
  const int teams[2] = {tie.TeamA, tie.TeamB};
  const QString results[2] = {a, b};
  const auto name = [&](int side) {
    const TeamSankashaRec* t = itemAt(ev.TeamCount, ev.Teams, teams[side]);
    return t ? GetShortTeamName(model.taikai.sw, ResolveSankashaRef(model, t->TeamName)) : QString();
  };
  h.leftName = name(h.left);
  h.rightName = name(h.right);
  h.leftResult = platform::trimBlanks(results[h.left]);
  h.rightResult = platform::trimBlanks(results[h.right]);
  return h;
}

QString narrowTrimmed(const QString& text) {
  return platform::trimBlanks(platform::toHalfWidth(text));
}

// Scores up to the first empty one, narrow and trimmed.
QStringList scoresOf(const SubMatchKekkaRec& k) {
  QStringList out;
  for (const QString& s : k.Scores) {
    const QString t = narrowTrimmed(s);
    if (t.isEmpty()) break;
    out << t;
  }
  return out;
}

QString playersOf(const SubMatchKekkaRec& k, bool left) {
  QString s = left ? k.LeftPlayer1 : k.RightPlayer1;
  if (k.Kind == QStringLiteral("複")) s += QStringLiteral("<BR>") + (left ? k.LeftPlayer2 : k.RightPlayer2);
  return s;
}

QString orFullBlank(const QString& text) { return text.isEmpty() ? QStringLiteral("　") : text; }

QStringList pageHead(const QString& title) {
  return {
      QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                     "\"http://www.w3.org/TR/html4/loose.dtd\">"),
      QStringLiteral("<HTML lang=\"ja\">"),
      QStringLiteral("<HEAD>"),
      QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html;charset=Shift_JIS\">"),
      QStringLiteral("<META http-equiv=\"Content-Style-Type\" content=\"text/css\">"),
      QStringLiteral("<TITLE>") + title + QStringLiteral("</TITLE>"),
      QStringLiteral("</HEAD>"),
      QStringLiteral("<BODY STYLE=\"font:normal 900 12pt 'ＭＳ 明朝'\" bgcolor=\"#e6e6fa\" "
                     "text=\"#00008b\" link=\"#0000ff\" alink=\"fuchsia\" vlink=\"#800080\">"),
      QStringLiteral("<DIV ALIGN=\"CENTER\">"),
  };
}

// The tie and its event, or nullptrs when there is none to write.
struct TieRef {
  int teamEvent = -1;
  const TeamShumokuRec* ev = nullptr;
  const TeamTaisenRec* tie = nullptr;
};

// Also sets the line-up rows up for the event, whichever event the caller set them for.
TieRef findTie(const Model& model, int teamEvent, TeamOutputState& out, int stage, int tie) {
  const TeamShumokuRec* ev = teamEventAt(model.team, teamEvent);
  if (!ev || stage < 0) return {};
  const TeamTaisenRec* t = FindTeamTaisen(*ev, stage, tie + 1);
  if (!t) return {};
  SetTeamSubMatchRows(model.team, teamEvent, out);
  return {teamEvent, ev, t};
}

// Sub-match s with the sides in print order, or an empty record when it cannot be read.
SubMatchKekkaRec subMatch(const Model& model, const TieRef& r, TeamOutputState& out, int stage,
                          int s, const HtmlTie& h) {
  if (GetTeamSubMatch(model.team, r.teamEvent, model.kankyou.KikenMark, out, stage, s, h.left,
                      h.right))
    return out.SubMatchKekka;
  return SubMatchKekkaRec{};
}

int rowCount(const TeamShumokuRec& ev) { return std::min(kouseiCount(ev), kMaxSheetSubMatches); }

bool writePage(const TeamOutputState& out, const QString& fileName, const QStringList& lines) {
  return platform::writeTextLines(out.HtmlFolder + fileName, lines);
}

}  // namespace

bool WriteTeamMeisaiHtml(const Model& model, int teamEvent, TeamOutputState& out, int stage, int tie,
                         const QString& label, const QString& fileName,
                         const QString& indexFileName) {
  if (!out.HtmTeam.Enabled || stage < 0) return false;
  if (out.HtmKeitai)
    return WriteTeamMeisaiHtmlKeitai(model, teamEvent, out, stage, tie, label, fileName,
                                     indexFileName);
  const TieRef r = findTie(model, teamEvent, out, stage, tie);
  if (!r.tie) return false;
  out.TaisenLabel = label;
  const HtmlTie h = htmlTie(model, *r.ev, *r.tie);
  const QString title = r.ev->Meishou + QStringLiteral("　") + label;

  QStringList lines = pageHead(title);
  lines << title + QStringLiteral("　　")
        << QStringLiteral("<form><input type=\"Button\" value=\"戻る\" onclick=\"history.back()\"></form>")
        << QStringLiteral("<BR><BR>")
        << QStringLiteral("<TABLE BORDER=\"1\" BGCOLOR=\"#fffff0\" summary=\"対戦明細\"><tbody>")
        << QStringLiteral("<TR><TH>　</TH>") + h.leftCell + h.leftName + QStringLiteral("</TH><TH>") +
               h.leftResult + QStringLiteral("</TH><TH>－</TH><TH>") + h.rightResult +
               QStringLiteral("</TH>") + h.rightCell + h.rightName + QStringLiteral("</TH></TR>");
  for (int s = 0; s < rowCount(*r.ev); ++s) {
    // The label may differ from the tie's number; the sub-matches are read by the number.
    out.TaisenLabel = QString::number(tie + 1);
    const SubMatchKekkaRec k = subMatch(model, r, out, stage, s, h);
    const QString scores = scoresOf(k).join(QStringLiteral("<br>"));
    lines << QStringLiteral("<TR><TH>") + r.ev->Kousei.at(s).Hyouji +
                 QStringLiteral("</TH><TH>") + playersOf(k, true) + QStringLiteral("</TH><TH>") +
                 orFullBlank(narrowTrimmed(k.GamesWon[0])) + QStringLiteral("</TH><TH ALIGN=\"right\">") +
                 orFullBlank(scores) + QStringLiteral("</TH><TH>") +
                 orFullBlank(narrowTrimmed(k.GamesWon[1])) + QStringLiteral("</TH><TH>") +
                 playersOf(k, false) + QStringLiteral("</TH></TR>");
  }
  out.TaisenLabel = label;
  lines << QStringLiteral("</tbody></TABLE>") << QStringLiteral("</DIV>") << QStringLiteral("</BODY>")
        << QStringLiteral("</HTML>");
  return writePage(out, fileName, lines);
}

bool WriteTeamMeisaiHtmlKeitai(const Model& model, int teamEvent, TeamOutputState& out, int stage,
                               int tie, const QString& label, const QString& fileName,
                               const QString& indexFileName) {
  Q_UNUSED(indexFileName);
  if (!out.HtmTeam.Enabled || stage < 0) return false;
  const TieRef r = findTie(model, teamEvent, out, stage, tie);
  if (!r.tie) return false;
  const HtmlTie h = htmlTie(model, *r.ev, *r.tie);
  const QString title = r.ev->Meishou + QStringLiteral("　") + label;

  QStringList lines = pageHead(title);
  lines << title << QStringLiteral("<HR>") + h.leftName
        << QStringLiteral("<BR>") + h.leftResult + QStringLiteral("－") + h.rightResult
        << QStringLiteral("<BR>") + h.rightName;
  for (int s = 0; s < rowCount(*r.ev); ++s) {
    out.TaisenLabel = QString::number(tie + 1);
    const SubMatchKekkaRec k = subMatch(model, r, out, stage, s, h);
    lines << QStringLiteral("<HR>") + r.ev->Kousei.at(s).Hyouji
          << QStringLiteral("<HR>") + playersOf(k, true)
          << QStringLiteral("<BR>［") + platform::trimBlanks(k.GamesWon[0]) + QStringLiteral("－") +
                 platform::trimBlanks(k.GamesWon[1]) + QStringLiteral("］");
    for (const QString& score : scoresOf(k)) lines << QStringLiteral("<br>") + score;
    lines << QStringLiteral("<BR>") + playersOf(k, false);
  }
  out.TaisenLabel = label;
  lines << QStringLiteral("</DIV>") << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
  const bool written = writePage(out, fileName, lines);
  if (written && out.HtmTeam.IndexFile) {
    const QString link = QStringLiteral("<a href=\"") + fileName + QStringLiteral("\">") + label +
                         QStringLiteral(" ") + h.leftName + h.leftResult + QStringLiteral("－") +
                         h.rightResult + h.rightName + QStringLiteral("</a><br>");
    out.HtmTeam.IndexFile->write(platform::encodeCp932(link) + "\r\n");
  }
  return written;
}

}  // namespace qv

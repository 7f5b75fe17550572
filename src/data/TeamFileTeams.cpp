// The team file's team lines: the team selector, line-ups, member lines with their
// readings and additional texts, and the split of a member entry into name and number.

#include <algorithm>
#include <cstdint>

#include "data/FatalRead.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/TeamFile.h"
#include "data/TeamFileReader.h"
#include "data/TeamModel.h"
#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"

namespace qv {
namespace teamfile {

namespace {

TeamSankashaRec& requireTeam(Reader& r) {
  TeamSankashaRec* team = r.currentTeam();
  if (!team)
    FatalDataFileMsg(r.model, r.path, QStringLiteral("団体,の行より前にあります"), r.place(),
                     teamfile::kFatalIcon);
  return *team;
}

}  // namespace

// 団体,<team name>: half- and full-width forms of a name match each other.
void readTeamLine(Reader& r, const QStringList& fields) {
  TeamShumokuRec& ev = r.currentEvent();
  const QString wanted = platform::toFullWidth(platform::trimBlanks(fields.value(1)));
  int found = -1;
  for (int i = 0; i < static_cast<int>(ev.Teams.size()); ++i) {
    if (platform::toFullWidth(ev.Teams.at(i).TeamName) == wanted) {
      found = i;
      break;
    }
  }
  if (found < 0)
    FatalDataFileMsg(r.model, r.path, QStringLiteral("団体名が見つかりません ") + fields.value(1),
                     {}, teamfile::kFatalIcon);
  // Every team line lays the lists out afresh; the file's total keeps a file of such
  // lines from doing so without end.
  std::int64_t places = ev.Kubun.Count;
  for (int d = 0; d < ev.Kubun.Count; ++d) places += std::max(0, ev.Kubun.MaxCount2.at(static_cast<std::size_t>(d)));
  if (!r.limits.take(ReadLimit::FileMemberPlaces, places)) {
    r.refuse(ReadLimit::FileMemberPlaces);
    r.team = -1;
    r.teamRefused = true;
    return;
  }
  r.team = found;
  r.teamRefused = false;
  TeamSankashaRec& team = ev.Teams.at(found);
  // The member lists are laid out to each division's cap; earlier members are dropped.
  team.KubunCount = ev.Kubun.Count;
  team.Members.assign(countSize(ev.Kubun.Count), TeamKubunMemberRec{});
  for (std::size_t d = 0; d < team.Members.size(); ++d) {
    const int cap = std::max(0, ev.Kubun.MaxCount2.at(d));
    TeamKubunMemberRec& m = team.Members[d];
    m.Names = QStringList(cap, QString());
    m.Furiganas = QStringList(cap, QString());
    m.Fukas = QStringList(cap, QString());
  }
  team.MemberCount = 0;
}

// オーダー=<match no>,<text>,<player row 0>,...
void readOrder(Reader& r, const QStringList& fields) {
  TeamSankashaRec& team = requireTeam(r);
  const auto orderNo =
      platform::strictWholeNumber(fields.value(0).mid(QStringLiteral("オーダー=").size()));
  if (!orderNo)
    FatalDataFileMsg(r.model, r.path, QStringLiteral("オーダーの試合番号が数字ではありません"),
                     r.place(), teamfile::kFatalIcon);
  TeamOrderRec order;
  order.OrderNo = *orderNo;
  order.OrderText = fields.value(1);
  order.Players = fields.mid(2);
  team.Orders.push_back(order);
  team.OrderCount = static_cast<int>(team.Orders.size());
}

// ふりがな,<text>,... / 付加,<text>,...: for the members of the preceding member line only.
void readMemberTexts(Reader& r, const QStringList& fields, bool furigana) {
  TeamSankashaRec& team = requireTeam(r);
  if (r.division < 0 || r.division >= static_cast<int>(team.Members.size())) return;
  TeamKubunMemberRec& m = team.Members.at(r.division);
  QStringList& target = furigana ? m.Furiganas : m.Fukas;
  const qsizetype end = std::min<qsizetype>(m.Count, target.size());
  for (qsizetype i = 1; i < fields.size(); ++i) {
    const qsizetype pos = m.LineStart + i - 1;
    if (pos >= end) break;
    target[pos] = fields[i];
  }
}

// <division name>,<member>,...: members of the current team, each at the division's next
// place; an empty field takes a place too.
void readMembers(Reader& r, const QStringList& fields) {
  TeamShumokuRec& ev = r.currentEvent();
  TeamSankashaRec& team = requireTeam(r);
  const qsizetype d = ev.Kubun.Names.indexOf(fields[0]);
  if (d < 0 || d >= static_cast<qsizetype>(team.Members.size())) {
    FatalDataFileMsg(r.model, team.TeamName,
                     QStringLiteral("メンバー枠区分名が見つかりません ") + fields[0], {},
                     teamfile::kFatalIcon);
  }
  r.division = static_cast<int>(d);
  TeamKubunMemberRec& m = team.Members.at(d);
  m.LineStart = m.Count;
  const int cap = std::min<int>(ev.Kubun.MaxCount2.at(static_cast<std::size_t>(d)),
                                static_cast<int>(m.Names.size()));
  for (qsizetype i = 1; i < fields.size(); ++i) {
    if (!platform::trimBlanks(fields[i]).isEmpty()) ++team.MemberCount;
    if (m.Count >= cap) {
      FatalDataFileMsg(r.model, team.TeamName,
                       fields[0] + QStringLiteral("の参加者数が枠を超えています"), {},
                       teamfile::kFatalIcon);
    }
    SplitTeamNameNo(fields[i], m.Names[m.Count], m.Fukas[m.Count]);
    ++m.Count;
  }
  r.model.team.TeamFileRead = true;
}

}  // namespace teamfile

void SplitTeamNameNo(const QString& entry, QString& name, QString& number) {
  const QString text = platform::trimBlanks(entry);
  name = text;
  number.clear();
  qsizetype p = text.indexOf(QChar('@'));
  if (p < 0) p = text.indexOf(QChar(u'＠'));
  qsizetype numberStart = p + 1;
  if (p < 0) {
    auto isDigit = [](QChar c) {
      const QString narrow = platform::toHalfWidth(QString(c));
      return narrow.size() == 1 && narrow[0] >= QChar('0') && narrow[0] <= QChar('9');
    };
    // Trailing digits after at least one leading non-digit: 東高校２ is 東高校 number 2.
    qsizetype i = text.size() - 1;
    while (i >= 1 && isDigit(text[i])) --i;
    if (i < 1 || i == text.size() - 1) return;
    p = i + 1;
    numberStart = p;
  }
  number = platform::trimBlanks(platform::toHalfWidth(text.mid(numberStart)));
  name = platform::trimBlanks(text.left(p));
}

}  // namespace qv

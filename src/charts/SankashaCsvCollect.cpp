// Collecting the participants and the affiliation tally of the roster CSV files.

#include <QHash>

#include <algorithm>

#include "charts/SankashaCsv.h"
#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/PrintFilters.h"
#include "data/SankashaRef.h"
#include "platform/CommaParts.h"

namespace qv {

namespace {

const QString kFuku = QStringLiteral("複");
const QString kSannin = QStringLiteral("３人");

QString withoutParens(QString s) {
  for (const QChar c : {QChar('('), QChar(')'), QChar(0xFF08), QChar(0xFF09)}) s.remove(c);
  return s;
}

// Two appearances are one participant when IsSameName holds for the names and the
// affiliations are equal: the name without its blanks, then the affiliation, as one key.
QString participantKey(const RosterPlayer& p) {
  QString name = p.name;
  name.remove(QChar(' '));
  name.remove(QChar(0x3000));
  return name + QChar(0x1F) + p.shozoku;
}

// The group of player k of an entry of `players` players. A one-player entry keeps its
// whole text, which may itself hold a "／" ("東京／神奈川" is one group). Otherwise each
// player but the last takes the text before the first "／" of what is left, and the last
// takes all that remains; where no "／" is left, the players after share the rest
// ("A／B" gives a trio A, B, B).
QString playerGroup(const QString& groups, size_t k, size_t players) {
  const QString slash = QStringLiteral("／");
  QString rest = groups;
  for (size_t i = 0; i < k; ++i) {
    const qsizetype cut = rest.indexOf(slash);
    if (cut < 0) return rest;
    rest = rest.mid(cut + 1);
  }
  if (k + 1 < players) {
    const qsizetype cut = rest.indexOf(slash);
    if (cut >= 0) rest.truncate(cut);
  }
  return rest;
}

}  // namespace

std::vector<RosterPlayer> RosterPlayers(const ShumokuRec& event, const QStringList& fields) {
  auto at = [&](qsizetype i) { return GetArrayItem(fields, i); };
  if (event.Shubetsu == kFuku) return {{at(0), at(2)}, {at(1), at(3)}};
  // A three-player entry holds three players; written as one name and affiliation (an
  // unresolved reference) it stays one.
  if (event.Shubetsu == kSannin && fields.size() >= 5) {
    return {{at(0), at(3)}, {at(1), at(4)}, {at(2), at(5)}};
  }
  return {{at(0), at(1)}};
}

SankashaCollection CollectSankasha(const Model& model) {
  SankashaCollection c;
  const TaikaiRec& taikai = model.taikai.Taikai;
  const auto events = static_cast<size_t>(eventCount(taikai));
  QHash<QString, size_t> participants;
  QHash<QString, size_t> tallyKeys;

  for (size_t e = 0; e < events; ++e) {
    const ShumokuRec& event = taikai.Shumoku[e];
    const QChar sexLetter = event.Seibetsu.isEmpty() ? QChar() : event.Seibetsu[0];
    const auto entries = static_cast<size_t>(entryCount(event));
    for (size_t s = 0; s < entries; ++s) {
      const SankashaRec& entry = event.Sankasha[s];
      const QStringList fields = platform::splitCommaParts(ResolveSankashaRef(model, entry.Name));
      const QStringList readings = platform::splitCommaParts(entry.SubText);
      std::vector<RosterPlayer> players = RosterPlayers(event, fields);
      for (size_t k = 0; k < players.size(); ++k) {
        RosterPlayer p{withoutParens(players[k].name), withoutParens(players[k].shozoku)};
        const QString group = playerGroup(entry.GroupName, k, players.size());
        // In a mixed event the first player counts as a man, the others as women: the
        // entry does not say, and a trio is counted the same way.
        const int sex = sexLetter == QChar(0x7537)   ? 1  // 男
                        : sexLetter == QChar(0x5973) ? 2  // 女
                                                     : (k == 0 ? 1 : 2);

        const QString key = participantKey(p);
        auto found = participants.constFind(key);
        const bool isNew = found == participants.constEnd();
        if (isNew) {
          IchiranRec rec;
          rec.Sex = sex;
          rec.Name = p.name;
          rec.Shozoku = p.shozoku;
          rec.Group = group;
          rec.Extra = GetArrayItem(readings, static_cast<qsizetype>(k));
          rec.Marks.assign(events, false);
          found = participants.insert(key, c.Ichiran.size());
          c.Ichiran.push_back(std::move(rec));
        }
        c.Ichiran[*found].Marks[e] = true;

        const QString tallyKey = p.shozoku + QChar(',') + group;
        auto t = tallyKeys.constFind(tallyKey);
        if (t == tallyKeys.constEnd()) {
          ShozokuTallyRec rec;
          rec.Shozoku = p.shozoku;
          rec.Group = group;
          rec.PerEvent.assign(events, 0);
          t = tallyKeys.insert(tallyKey, c.Tally.size());
          c.Tally.push_back(std::move(rec));
        }
        ShozokuTallyRec& tally = c.Tally[*t];
        ++tally.PerEvent[e];
        if (isNew) ++(sex == 1 ? tally.Men : tally.Women);
        ++tally.All;
      }
    }
  }
  return c;
}

}  // namespace qv

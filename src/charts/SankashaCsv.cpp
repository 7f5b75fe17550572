// The lines of the two roster CSV files that go with the roster pages.

#include "charts/SankashaCsv.h"

#include <algorithm>

#include "data/Model.h"
#include "data/ModelAccess.h"

namespace qv {

namespace {

const QString kComma = QStringLiteral(",");

std::vector<const ShumokuRec*> listedEvents(const TaikaiRec& taikai) {
  const auto n = static_cast<size_t>(eventCount(taikai));
  std::vector<const ShumokuRec*> events;
  events.reserve(n);
  for (size_t e = 0; e < n; ++e) events.push_back(&taikai.Shumoku[e]);
  return events;
}

// A count of 0 leaves its cell empty.
QString countCell(int n) { return n == 0 ? QString() : QString::number(n); }

QString tallyCells(const ShozokuTallyRec& t) {
  QString line = QString::number(t.Men) + kComma + QString::number(t.Women) + kComma +
                 QString::number(t.Men + t.Women) + kComma + QString::number(t.All);
  for (const int n : t.PerEvent) line += kComma + countCell(n);
  return line;
}

}  // namespace

QStringList ShozokuSankaLines(const Model& model, const SankashaCollection& c) {
  const auto events = listedEvents(model.taikai.Taikai);
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(c.Tally.size()) + 2);
  QString heading = QStringLiteral("No,所属団体,グループ,男子,女子,参加数,延べ参加数");
  for (const ShumokuRec* e : events) heading += kComma + e->Ryakugou;
  lines << heading;

  ShozokuTallyRec total;
  total.PerEvent.assign(events.size(), 0);
  int number = 0;
  for (const ShozokuTallyRec& t : c.Tally) {
    lines << QString::number(++number) + kComma + t.Shozoku + kComma + t.Group + kComma +
                 tallyCells(t);
    total.Men += t.Men;
    total.Women += t.Women;
    total.All += t.All;
    for (size_t e = 0; e < total.PerEvent.size() && e < t.PerEvent.size(); ++e) {
      total.PerEvent[e] += t.PerEvent[e];
    }
  }
  lines << QStringLiteral(",合計,,") + tallyCells(total);
  return lines;
}

QStringList SankashaIchiranLines(const Model& model, const SankashaCollection& c) {
  const auto events = listedEvents(model.taikai.Taikai);
  const TaikaiSwitches& sw = model.taikai.sw;
  const bool byKind = model.kankyou.SankashaShumokuShubetsu == QStringLiteral("単複混合別");
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(c.Ichiran.size()) + 1);
  QString heading = QStringLiteral("男女,氏名,所属,グループ");
  if (byKind) {
    heading += QStringLiteral(",複,単,混合,出場");
  } else {
    for (const ShumokuRec* e : events) heading += kComma + e->Ryakugou;
  }
  lines << heading;

  for (const IchiranRec& p : c.Ichiran) {
    QString fuku, tan, kongou;
    for (size_t e = 0; e < events.size() && e < p.Marks.size(); ++e) {
      if (!p.Marks[e]) continue;
      const ShumokuRec& ev = *events[e];
      if (ev.Seibetsu == QStringLiteral("混合")) kongou += ev.Ryakugou;
      else if (ev.Shubetsu == QStringLiteral("複")) fuku += ev.Ryakugou;
      else tan += ev.Ryakugou;
    }
    QStringList entered;
    for (const QString* kind : {&fuku, &tan, &kongou}) {
      if (!kind->isEmpty()) entered << *kind;
    }

    QString line = QString::number(p.Sex) + kComma + p.Name + kComma + p.Shozoku + kComma + p.Group;
    if (byKind) {
      for (const QString* kind : {&fuku, &tan, &kongou}) line += kComma + CutMarkColumn(sw, *kind);
    } else {
      for (size_t e = 0; e < events.size(); ++e) {
        const bool marked = e < p.Marks.size() && p.Marks[e];
        line += kComma + (marked ? QStringLiteral("○") : QString());
      }
    }
    line += kComma + entered.join(QChar(':')) + kComma + p.Extra;
    lines << line;
  }
  return lines;
}

QString CutMarkColumn(const TaikaiSwitches& sw, const QString& text) {
  QString r;
  if (sw.SeibetsuPosStart > 1) r = text.left(sw.SeibetsuPosStart - 1);
  if (sw.SeibetsuPosEnd < text.size()) r += text.mid(std::max(sw.SeibetsuPosEnd, 0));
  if (!text.isEmpty() && r.isEmpty()) r = QStringLiteral("○");
  return r;
}

std::vector<ChartFile> SankashaCsvFiles(const Model& model) {
  const SankashaCollection c = CollectSankasha(model);
  return {{QStringLiteral("所属団体別参加数.csv"), ShozokuSankaLines(model, c)},
          {QStringLiteral("参加者一覧.csv"), SankashaIchiranLines(model, c)}};
}

}  // namespace qv

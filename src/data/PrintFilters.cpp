#include "data/PrintFilters.h"

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/SplitSankasha.h"

namespace qv {

namespace {

QString withoutBlanks(QString s) {
  s.remove(QChar(' '));
  s.remove(QChar(0x3000));  // "　"
  return s;
}

}  // namespace

bool IsSelected(const PrintFilterState& filters, const QString& name) {
  const QString n = withoutBlanks(name);
  // Nothing occurs in an empty name, and an empty selection string has no fragments.
  if (n.isEmpty() || filters.TeamFilter.isEmpty()) return false;
  // Fragments end at "," or "、"; read in place, as every name of a chart is tested.
  const QStringView f = filters.TeamFilter;
  qsizetype start = 0;
  for (qsizetype i = 0; i <= f.size(); ++i) {
    if (i < f.size() && f[i] != u',' && f[i] != u'、') continue;
    if (n.contains(f.sliced(start, i - start))) return true;
    start = i + 1;
  }
  return false;
}

QString GetTashumokuMark(const Model& model, const CurrentChart& chart, const QString& name,
                         const SankashaRefResolver& resolve) {
  // An empty name is no player: it would match the empty second name of every singles
  // entry and colour a team or organisation as a singles player.
  if (name.isEmpty()) return {};
  const TaikaiRec& taikai = model.taikai.Taikai;
  const int events = eventCount(taikai);
  for (int i = 0; i < events; ++i) {
    if (i == chart.CurrentShumoku) continue;
    const ShumokuRec& ev = taikai.Shumoku[i];
    const int entries = entryCount(ev);
    for (int k = 0; k < entries; ++k) {
      const QString text = resolve ? resolve(ev.Sankasha[k].Name) : ev.Sankasha[k].Name;
      const SankashaPair p = SplitSankasha(model, chart, text, QStringLiteral("並列"));
      if (p.name1 != name && p.name2 != name) continue;
      // The first entry with the name decides, whatever the kind of its event.
      if (ev.Shubetsu == QStringLiteral("単")) return QStringLiteral("S");
      if (ev.Shubetsu == QStringLiteral("複")) {
        return ev.Seibetsu == QStringLiteral("混合") ? QStringLiteral("X") : QStringLiteral("D");
      }
      return {};
    }
  }
  return {};
}

QString GetArrayItem(const QStringList& items, qsizetype index) {
  return (index >= 0 && index < items.size()) ? items[index] : QString();
}

bool IsSameName(const QString& a, const QString& b) {
  return withoutBlanks(a) == withoutBlanks(b);
}

}  // namespace qv

#include "data/SankashaRef.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "data/Model.h"
#include "data/ModelAccess.h"
#include "data/Tournament.h"
#include "platform/Numbers.h"
#include "platform/Width.h"

namespace qv {

namespace {

// A chain of references is cut here, and where it comes back to a reference still being
// resolved; the text reached is printed. The step budget bounds one top-level call even
// when many entries refer onward (each place reference resolves every slot it lists).
constexpr int kMaxRefDepth = 16;
constexpr int kMaxRefSteps = 10000;

QString referenceField(const QString& text) {
  if (text.isEmpty()) return QString();
  const qsizetype comma = text.indexOf(QChar(','));
  return platform::toHalfWidth(comma < 0 ? text : text.left(comma));
}

bool isReference(const QString& text) {
  return platform::toHalfWidth(text).contains(QChar(':'));
}

// A match or place number: the text must read whole as a whole number ("07" is 7).
// Unlike platform::strictWholeNumber, a fraction is no number here: "1.5位" names no place.
std::optional<int> exactWholeNumber(const QString& text) {
  const auto v = platform::numericValue(text);
  if (!v || *v != std::floor(*v) || *v < INT_MIN || *v > INT_MAX) return std::nullopt;
  return static_cast<int>(*v);
}

// The event's knock-out when it has exactly one and it has a tree; a draw of fewer than two
// entrants has none and is undecided.
const TournamentRec* onlyTournament(const ShumokuRec& e) {
  if (e.TournamentCount != 1 || e.Tournaments.empty()) return nullptr;
  const TournamentRec& t = e.Tournaments.front();
  return TournamentHasTree(t) ? &t : nullptr;
}

bool isEntrant(long long v) { return v >= 0 && v < kShoushaUndecided; }

// The match number a label stands for, when it reads as a whole number in range.
std::optional<int> labelNumber(const TaisenRec& node) {
  const QString& label = node.ShiaiBangouHyouji.isEmpty() ? node.ShiaiBangou
                                                          : node.ShiaiBangouHyouji;
  const auto v = platform::numericValue(label);
  if (!v || *v != std::floor(*v) || *v < INT_MIN || *v > INT_MAX) return std::nullopt;
  return static_cast<int>(*v);
}

// Positions with one key, in order: the first per key and a chain to the next.
class Chains {
 public:
  void add(int key, int position) {
    if (static_cast<size_t>(position) >= next_.size()) next_.resize(oneBasedSize(position), -1);
    const auto it = ends_.find(key);
    if (it == ends_.end()) {
      first_.insert(key, position);
      ends_.insert(key, position);
    } else {
      next_.at(*it) = position;
      *it = position;
    }
  }
  int first(int key) const { return first_.value(key, -1); }
  int next(int position) const { return next_.at(position); }

 private:
  QHash<int, int> first_;
  QHash<int, int> ends_;
  std::vector<int> next_;
};

}  // namespace

struct SankashaRefIndex::Tables {
  struct Event {
    std::optional<Chains> labels;                        // knock-out nodes by match number
    std::optional<QHash<QString, std::vector<int>>> blocks;  // league blocks by name
    std::optional<QHash<QString, int>> entries;          // first entry of each name
  };

  explicit Tables(const TaikaiRec& t) : taikai(t) {
    const int n = eventCount(t);
    events.resize(countSize(n));
    for (int i = 0; i < n; ++i) byAbbreviation[t.Shumoku.at(i).Ryakugou].push_back(i);
  }

  const Chains& labels(int e, const TournamentRec& t) {
    auto& c = events.at(e).labels;
    if (!c) {
      c.emplace();
      const int nodeCount = usableCount(t.TaisenCount, t.Taisens);
      for (int k = 0; k < nodeCount; ++k)
        if (const auto number = labelNumber(t.Taisens.at(k))) c->add(*number, k);
    }
    return *c;
  }

  const std::vector<int>& blocks(int e, const QString& name) {
    static const std::vector<int> none;
    auto& b = events.at(e).blocks;
    if (!b) {
      b.emplace();
      const LeagueStageRec& league = taikai.Shumoku.at(e).YosenLeague;
      const int blocks = blockCount(league);
      for (int k = 0; k < blocks; ++k) (*b)[league.Blocks.at(k).Name].push_back(k);
    }
    const auto it = b->constFind(name);
    return it == b->cend() ? none : *it;
  }

  int entry(int e, const QString& name) {
    auto& m = events.at(e).entries;
    if (!m) {
      m.emplace();
      const ShumokuRec& ev = taikai.Shumoku.at(e);
      const int n = entryCount(ev);
      // Backwards, so that the first entry of a name is the one kept.
      for (int k = n - 1; k >= 0; --k) m->insert(ev.Sankasha.at(k).Name, k);
    }
    return m->value(name, -1);
  }

  const TaikaiRec& taikai;
  QHash<QString, std::vector<int>> byAbbreviation;  // events in order
  std::vector<Event> events;
};

SankashaRefIndex::SankashaRefIndex(const TaikaiRec& taikai) : taikai_(taikai) {}
SankashaRefIndex::~SankashaRefIndex() = default;

SankashaRefIndex::Tables& SankashaRefIndex::tables() {
  if (!tables_) tables_ = std::make_unique<Tables>(taikai_);
  return *tables_;
}

namespace {

class Resolver {
 public:
  Resolver(const Model& model, SankashaRefIndex& index, SankashaRefContext& context)
      : taikai_(model.taikai.Taikai), context_(context), index_(index) {}

  QString resolve(const QString& text, QString& subText);
  void juni(int shumokuIndex, int count, JuniEntries& entries, JuniNames& names);
  QString shouhai(const QString& text, int shumokuIndex, int matchNumber, QChar side,
                  QString& subText);

 private:
  const ShumokuRec* event(int index) const { return eventAt(taikai_, index); }
  int firstEvent(const QString& ryakugou) const {
    const auto it = index_.tables().byAbbreviation.constFind(ryakugou);
    return it == index_.tables().byAbbreviation.cend() ? -1 : it->front();
  }
  QString resolveReference(const QString& text, const QString& abbr, const QString& position,
                           QString& subText);
  QString resolveLeague(const QString& text, const QString& abbr, const QString& position,
                        QString& subText);
  // The result of a match or place: resolved again while it is itself a reference.
  QString resolveFound(const QString& found, QString& subText) {
    const QString half = platform::toHalfWidth(found);
    return half.contains(QChar(':')) ? resolve(half, subText) : found;
  }

  const TaikaiRec& taikai_;
  SankashaRefContext& context_;
  SankashaRefIndex& index_;
  QStringList active_;  // references being resolved, outermost first
  int steps_ = 0;
};

QString Resolver::resolve(const QString& text, QString& subText) {
  const QString field = referenceField(text);
  const qsizetype colon = field.indexOf(QChar(':'));
  if (colon < 0) {
    const ShumokuRec* e = event(context_.ShumokuIndex);
    const SankashaRec* printed = e ? entryAt(*e, context_.SankashaIndex) : nullptr;
    context_.SankashaRefText = printed ? printed->GroupName : QString();
    return text;
  }
  if (active_.size() >= kMaxRefDepth || active_.contains(field) || ++steps_ > kMaxRefSteps)
    return text;
  active_.append(field);
  QString result = resolveReference(text, field.left(colon), field.mid(colon + 1), subText);
  active_.removeLast();
  return result;
}

QString Resolver::resolveReference(const QString& text, const QString& abbr,
                                   const QString& position, QString& subText) {
  if (position.contains(QChar('-'))) return resolveLeague(text, abbr, position, subText);

  const int e = firstEvent(abbr);
  if (e < 0 || position.isEmpty()) return text;
  const QChar last = position.back().toUpper();
  if (last == QChar('W') || last == QChar('L')) {
    const auto n = exactWholeNumber(position.chopped(1));
    if (!n) return text;
    const QString r = shouhai(text, e, *n, last, subText);
    return r == text ? text : resolveFound(r, subText);
  }
  const auto n = exactWholeNumber(position);
  if (!n || *n < 1 || *n > kJuniSlotCount) return text;
  JuniEntries entries;
  JuniNames names;
  juni(e, *n, entries, names);
  const QString& slot = names.at(*n - 1);
  return slot.isEmpty() ? text : resolveFound(slot, subText);
}

QString Resolver::resolveLeague(const QString& text, const QString& abbr,
                                const QString& position, QString& subText) {
  const qsizetype dash = position.indexOf(QChar('-'));
  const QString blockName = position.left(dash);
  const int rank = platform::roundHalfEven(platform::Val(position.mid(dash + 1)));
  // Places count from 1; a rank without a number must not pick a member that has no place.
  if (rank < 1) return text;
  const auto events = index_.tables().byAbbreviation.constFind(abbr);
  if (events == index_.tables().byAbbreviation.cend()) return text;
  for (const int i : *events) {
    const ShumokuRec& e = taikai_.Shumoku.at(i);
    if (e.YosenLeagueAri <= 0) continue;
    for (const int b : index_.tables().blocks(i, blockName)) {
      const LeagueBlockRec& block = e.YosenLeague.Blocks.at(b);
      const int members =
          usableCount(usableCount(block.SankashaSuu, block.Sankasha), block.SankashaIchi);
      for (int m = 0; m < members; ++m) {
        if (block.SankashaIchi.at(m) != rank) continue;
        // A slot without an entry designates nobody; a later member may.
        const SankashaRec* entry = entryAt(e, block.Sankasha.at(m));
        if (!entry) continue;
        if (isReference(entry->Name)) return resolve(platform::toHalfWidth(entry->Name), subText);
        subText = entry->SubText;
        context_.SankashaRefText = entry->GroupName;
        return entry->Name;
      }
    }
  }
  return text;
}

QString Resolver::shouhai(const QString& text, int shumokuIndex, int matchNumber, QChar side,
                          QString& subText) {
  const ShumokuRec* e = event(shumokuIndex);
  const TournamentRec* t = e ? onlyTournament(*e) : nullptr;
  long long r = -1;
  if (t) {
    const Chains& labels = index_.tables().labels(shumokuIndex, *t);
    for (int k = labels.first(matchNumber); k >= 0; k = labels.next(k)) {
      const TaisenRec& node = t->Taisens.at(k);
      long long x;
      if (node.Shousha < 0) {
        x = kShoushaUndecided;
      } else if (side == QChar('W')) {
        x = node.Shousha;
      } else if (k == 0) {
        // The third-place match holds its two players' indexes in place of child nodes.
        x = static_cast<long long>(node.Taisen1) + node.Taisen2 - node.Shousha;
      } else {
        const int first = TournamentShousha(*t, node.Taisen1);
        x = first == node.Shousha ? TournamentShousha(*t, node.Taisen2) : first;
      }
      if (x >= 0) {
        r = x;
        break;
      }
    }
  }
  if (!isEntrant(r)) {
    subText.clear();
    return text;
  }

  QString name;
  const SankashaRec* entry = nullptr;
  if (e->KesshouShinshutsuSuu < 1) {
    entry = entryAt(*e, r);
    if (!entry) {
      subText.clear();
      return text;
    }
    name = entry->Name;
  } else {
    // The draw holds qualifier indexes.
    const KesshouShinshutsuRec* q = qualifierAt(*e, r);
    if (!q) {
      subText.clear();
      return text;
    }
    name = q->Hyouji;
    entry = entryAt(*e, q->SankashaIdx);
  }
  subText = entry ? entry->SubText : QString();
  context_.SankashaRefText = entry ? entry->GroupName : QString();
  return resolve(name, subText);
}

void Resolver::juni(int shumokuIndex, int count, JuniEntries& entries, JuniNames& names) {
  entries.fill(-1);
  names.fill(QString());
  count = std::clamp(count, 0, kJuniSlotCount);
  const ShumokuRec* e = event(shumokuIndex);
  const TournamentRec* t = e ? onlyTournament(*e) : nullptr;
  if (!t) return;

  // Winners of a working copy: the undecided upper rounds are filled in below.
  const int c = t->TaisenCount;
  std::vector<long long> w(oneBasedSize(c));
  for (int k = 0; k <= c; ++k) w.at(k) = t->Taisens.at(k).Shousha;
  auto W = [&](int k) { return w.at(k); };

  // No champion yet: each undecided match among the top seven takes its first feeder's
  // winner, so the leaders so far stand in the places.
  if (W(1) < 0) {
    for (int k = 7; k >= 1; --k)
      if (k <= c && 2 * k <= c && W(k) < 0) w.at(k) = W(2 * k);
  }

  std::array<long long, kJuniSlotCount> s;
  s.fill(-1);
  if (W(1) >= 0) {
    s[0] = W(1);
    s[1] = W(2) + W(3) - W(1);
    if (c > 4 && W(2) >= 0) s[2] = W(4) + W(5) - W(2);
    if (c > 6 && W(3) >= 0) s[3] = W(6) + W(7) - W(3);
    if (s[1] == W(2)) std::swap(s[2], s[3]);  // the semi-final loser beaten by the champion first
    if (s[2] < 0) {
      s[2] = s[3];
      s[3] = -1;
    }
    if (t->KetteiJuni == 0 && W(0) != s[2]) {
      s[3] = s[2];
      s[2] = W(0);
    }
  }

  // The losers of a round stand behind the player who beat them, one group further down.
  auto placeLosers = [&](int firstNode, int lastNode, int groupSize) {
    for (int k = firstNode; k <= lastNode && k + 1 <= c; k += 2) {
      const long long a = W(k);
      const long long b = W(k + 1);
      if (a < 0 || b < 0) continue;
      for (int j = 0; j < groupSize; ++j) {
        if (s.at(j) == a) {
          s.at(j + groupSize) = b;
          break;
        }
        if (s.at(j) == b) {
          s.at(j + groupSize) = a;
          break;
        }
      }
    }
  };
  if (count >= 5) placeLosers(8, 14, 4);
  if (count >= 9) placeLosers(16, 30, 8);
  if (count >= 17) placeLosers(32, 62, 16);

  for (size_t i = 0; i < s.size(); ++i)
    entries[i] = s[i] >= INT_MIN && s[i] <= INT_MAX ? static_cast<int>(s[i]) : -1;

  for (int i = 0; i < count; ++i) {
    const auto slot = static_cast<size_t>(i);
    if (!isEntrant(s[slot])) continue;
    QString scratch;
    if (e->KesshouShinshutsuSuu < 1) {
      const SankashaRec* entry = entryAt(*e, s[slot]);
      if (!entry) continue;
      QString text = resolve(entry->Name, scratch);
      if (!context_.SankashaRefText.isEmpty())
        text += QStringLiteral("[") + context_.SankashaRefText + QStringLiteral("]");
      names[slot] = text;
    } else {
      const KesshouShinshutsuRec* q = qualifierAt(*e, s[slot]);
      if (!q) continue;
      names[slot] = q->Hyouji;
      if (!q->SankashaText.isEmpty())
        names[slot] += QStringLiteral("[") + q->SankashaText + QStringLiteral("]");
      const int k = index_.tables().entry(shumokuIndex, resolve(q->Hyouji, scratch));
      if (k >= 0) entries[slot] = k;
    }
  }
}

}  // namespace

QString ResolveSankashaRef(const Model& model, SankashaRefIndex& index,
                           SankashaRefContext& context, const QString& text, QString& subText) {
  return Resolver(model, index, context).resolve(text, subText);
}

QString ResolveSankashaRef(const Model& model, SankashaRefContext& context, const QString& text,
                           QString& subText) {
  SankashaRefIndex index(model.taikai.Taikai);
  return ResolveSankashaRef(model, index, context, text, subText);
}

QString ResolveSankashaRef(const Model& model, SankashaRefContext& context, const QString& text) {
  QString scratch;
  return ResolveSankashaRef(model, context, text, scratch);
}

QString ResolveSankashaRef(const Model& model, SankashaRefIndex& index, const QString& text,
                           QString& subText) {
  SankashaRefContext scratch;
  return ResolveSankashaRef(model, index, scratch, text, subText);
}

QString ResolveSankashaRef(const Model& model, const QString& text, QString& subText) {
  SankashaRefContext scratch;
  return ResolveSankashaRef(model, scratch, text, subText);
}

QString ResolveSankashaRef(const Model& model, const QString& text) {
  SankashaRefContext scratch;
  return ResolveSankashaRef(model, scratch, text);
}

void GetTournamentJuni(const Model& model, SankashaRefIndex& index, SankashaRefContext& context,
                       int shumokuIndex, int count, JuniEntries& entries, JuniNames& names) {
  Resolver(model, index, context).juni(shumokuIndex, count, entries, names);
}

void GetTournamentJuni(const Model& model, SankashaRefContext& context, int shumokuIndex,
                       int count, JuniEntries& entries, JuniNames& names) {
  SankashaRefIndex index(model.taikai.Taikai);
  GetTournamentJuni(model, index, context, shumokuIndex, count, entries, names);
}

QString GetShiaiShouhai(const Model& model, SankashaRefIndex& index, SankashaRefContext& context,
                        const QString& text, int shumokuIndex, int matchNumber, QChar side,
                        QString& subText) {
  return Resolver(model, index, context)
      .shouhai(text, shumokuIndex, matchNumber, side.toUpper(), subText);
}

QString GetShiaiShouhai(const Model& model, SankashaRefContext& context, const QString& text,
                        int shumokuIndex, int matchNumber, QChar side, QString& subText) {
  SankashaRefIndex index(model.taikai.Taikai);
  return GetShiaiShouhai(model, index, context, text, shumokuIndex, matchNumber, side, subText);
}

}  // namespace qv

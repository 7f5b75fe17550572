#include "data/SplitSankasha.h"

#include <QStringList>

#include <algorithm>
#include <array>

#include "data/Fields.h"
#include "data/Model.h"
#include "data/PrintFilters.h"
#include "data/Taikai.h"
#include "platform/Blanks.h"

namespace qv {

namespace {

const QString kChokuretsu = QStringLiteral("直列");
const QString kKumiawase = QStringLiteral("組合せ");
const QString kNakaguro = QStringLiteral("・");

// Under "(TEAM)" a one-field text outside the league table is a player followed by the
// affiliation in full-width parentheses.
bool usesTeamRule(const CurrentChart& chart, const TaikaiSwitches& sw) {
  return chart.CurrentPrintKind != QStringLiteral("L") &&
         IsTaikaiOption(sw, QStringLiteral("(TEAM)"));
}

SankashaTrio splitOneField(const QString& text, bool teamRule) {
  SankashaTrio out;
  if (!teamRule) {
    out.aff1 = platform::trimBlanks(text);
    return out;
  }
  out.name1 = platform::trimBlanks(text);
  const qsizetype p = text.indexOf(QChar(0xFF08));  // "（"
  if (p < 0) return out;
  // The cut is made in the untrimmed text; the last character (normally "）") is dropped
  // unseen.
  out.name1 = text.left(p);
  const qsizetype affLen = text.size() - p - 2;
  if (affLen > 0) out.aff1 = text.mid(p + 1, affLen);
  return out;
}

SankashaTrio splitPair(const QString& f0, const QString& f1, const QString& f2,
                       const QString& f3, const QString& mode) {
  SankashaTrio out;
  if (mode == kChokuretsu) {
    out.name1 = f0 + kNakaguro + f1;
    out.aff1 = (f3 == f2) ? f2 : f2 + kNakaguro + f3;
  } else if (mode == kKumiawase) {
    out.name1 = f0 + kNakaguro + f1;
    if (f2 == f3) {
      out.aff1 = f2;
    } else if (f2 < f3) {
      out.aff1 = f2 + kNakaguro + f3;
    } else {
      out.aff1 = f3 + kNakaguro + f2;
    }
  } else {
    out.name1 = f0;
    out.name2 = f1;
    out.aff1 = f2;
    out.aff2 = f3;
  }
  return out;
}

SankashaTrio splitTrio(const QStringList& f, const QString& mode) {
  SankashaTrio out;
  const auto at = [&](qsizetype i) { return GetArrayItem(f, i); };
  if (mode == kChokuretsu) {
    out.name1 = at(0) + kNakaguro + at(1) + kNakaguro + at(2);
    out.aff1 = (at(3) == at(4) && at(4) == at(5))
                   ? at(3)
                   : at(3) + kNakaguro + at(4) + kNakaguro + at(5);
  } else if (mode == kKumiawase) {
    out.name1 = at(0) + kNakaguro + at(1) + kNakaguro + at(2);
    std::array<QString, 3> affs{at(3), at(4), at(5)};
    std::sort(affs.begin(), affs.end());  // by character code, duplicates kept
    out.aff1 = affs[0] + kNakaguro + affs[1] + kNakaguro + affs[2];
  } else {
    out.name1 = at(0);
    out.name2 = at(1);
    out.name3 = at(2);
    out.aff1 = at(3);
    out.aff2 = at(4);
    out.aff3 = at(5);
  }
  return out;
}

// Both splits in one: maxPlayers 2 reads a trio text as a pair of its first four fields.
SankashaTrio splitEntry(const QString& text, const QString& mode, bool teamRule,
                        int maxPlayers) {
  const QStringList f = platform::splitCommaParts(text);
  const auto at = [&](qsizetype i) { return GetArrayItem(f, i); };
  switch (f.size()) {
    case 0:
      return {};
    case 1:
      return splitOneField(f[0], teamRule);
    case 2: {
      SankashaTrio out;
      out.name1 = f[0];
      out.aff1 = f[1];
      return out;
    }
    default:
      // Three fields are outside the format: the missing fourth reads as empty.
      if (f.size() <= 4 || maxPlayers < 3) return splitPair(at(0), at(1), at(2), at(3), mode);
      return splitTrio(f, mode);
  }
}

}  // namespace

SankashaTrio SplitSankasha3(const CurrentChart& chart, const TaikaiSwitches& sw,
                            const QString& text, const QString& mode) {
  return splitEntry(text, mode, usesTeamRule(chart, sw), 3);
}

SankashaTrio SplitSankasha3(const Model& model, const CurrentChart& chart, const QString& text,
                            const QString& mode) {
  return SplitSankasha3(chart, model.taikai.sw, text, mode);
}

SankashaPair SplitSankasha(const CurrentChart& chart, const TaikaiSwitches& sw,
                           const QString& text, const QString& mode) {
  const SankashaTrio t = splitEntry(text, mode, usesTeamRule(chart, sw), 2);
  return {t.name1, t.name2, t.aff1, t.aff2};
}

SankashaPair SplitSankasha(const Model& model, const CurrentChart& chart, const QString& text,
                           const QString& mode) {
  return SplitSankasha(chart, model.taikai.sw, text, mode);
}

}  // namespace qv

#include "data/Dates.h"

#include <algorithm>

#include "platform/Blanks.h"
#include "platform/Numbers.h"
#include "platform/Width.h"

namespace qv {
namespace {

// The 年月日 form leaves a "." behind the day (2009.5.3. and a range -4.); it is dropped.
QString dropTrailingDot(QString s) {
  if (s.endsWith(QChar('.'))) s.chop(1);
  return s;
}

QString padOneChar(const QString& s) { return s.size() == 1 ? QChar('0') + s : s; }

QString dropOneLeadingZero(const QString& s) {
  return s.startsWith(QChar('0')) ? s.mid(1) : s;
}

bool hasDigit(const QString& s) {
  return std::any_of(s.cbegin(), s.cend(),
                     [](QChar c) { return c >= QChar('0') && c <= QChar('9'); });
}

// Cuts the leading number of rest at its first "." (else "/"); without either, the number
// is the first fixedWidth characters. rest keeps what follows.
int takeNumber(QString& rest, int fixedWidth) {
  qsizetype sep = rest.indexOf(QChar('.'));
  if (sep < 0) sep = rest.indexOf(QChar('/'));
  int n;
  if (sep >= 0) {
    n = platform::lenientWholeNumber(QStringView(rest).left(sep));
    rest = rest.mid(sep + 1);
  } else {
    n = platform::lenientWholeNumber(QStringView(rest).left(fixedWidth));
    rest = rest.mid(fixedWidth);
  }
  return n;
}

struct Era {
  const char16_t* name;
  int yearZero;  // western year of era year 0
};

Era eraOf(int year, int month) {
  if (year >= 2020 || (year == 2019 && month >= 5)) return {u"令和", 2018};
  if (year >= 1989) return {u"平成", 1988};
  if (year >= 1926) return {u"昭和", 1925};
  return {u"大正", 1911};
}

}  // namespace

QString NormalizeKaisaibi(const QString& typed) {
  const QString trimmed = platform::trimAllBlanks(typed);
  QString s = trimmed;
  s.remove(QStringLiteral("平成"));
  for (const QChar unit : {QChar(u'年'), QChar(u'月'), QChar(u'日')}) s.replace(unit, QChar('.'));
  s = platform::toHalfWidth(s);
  s.remove(QChar('\'')).remove(QChar('H')).remove(QChar('h'));
  s.replace(QChar(','), QChar('-'));

  QString range;
  if (const qsizetype dash = s.indexOf(QChar('-')); dash >= 0) {
    range = dropTrailingDot(s.mid(dash));
    s.truncate(dash);
  }

  QString year, month, day;
  if (const qsizetype dot1 = s.indexOf(QChar('.')); dot1 >= 0) {
    const qsizetype dot2 = s.indexOf(QChar('.'), dot1 + 1);
    if (dot2 < 0) return trimmed;
    year = s.left(dot1);
    month = padOneChar(s.mid(dot1 + 1, dot2 - dot1 - 1));
    day = padOneChar(dropTrailingDot(s.mid(dot2 + 1)));
  } else if (s.size() == 8) {
    year = s.left(4);
    month = s.mid(4, 2);
    day = s.mid(6, 2);
  } else if (s.size() == 6) {
    year = s.left(2);
    month = s.mid(2, 2);
    day = s.mid(4, 2);
  } else {
    return trimmed;
  }

  if (year.size() == 2) {
    if (year < QStringLiteral("20"))
      year.prepend(QStringLiteral("20"));
    else
      year = QStringLiteral("%1").arg(platform::lenientWholeNumber(year) + 1988, 4, 10, QChar('0'));
  }
  return year + QChar('.') + month + QChar('.') + day + range;
}

QString ToWarekiDate(const QString& date, const platform::Clock& clock) {
  // An undecided date ("未定") has no numbers to build an era date from.
  if (!hasDigit(date)) return date;
  QString rest = date;
  if (rest.size() == 4)
    rest.prepend(QStringLiteral("%1").arg(clock.now().date().year(), 4, 10, QChar('0')));

  const int year = takeNumber(rest, 4);
  const int month = takeNumber(rest, 2);
  const Era era = eraOf(year, month);
  const int eraYear = year - era.yearZero;
  if (eraYear < 1) return date;

  QString dayText;
  if (const qsizetype dash = rest.indexOf(QChar('-')); dash >= 0) {
    dayText = platform::toFullWidth(dropOneLeadingZero(rest.left(dash))) + QStringLiteral("日－");
    rest = rest.mid(dash + 1);
    rest.replace(QStringLiteral(".0"), QStringLiteral(".")).replace(QChar('.'), QChar(u'月'));
  }
  const QString endText = platform::toFullWidth(dropOneLeadingZero(rest));
  const QString eraYearText =
      eraYear > 1 ? platform::toFullWidth(QString::number(eraYear)) : QStringLiteral("元");
  return QString::fromUtf16(era.name) + eraYearText + u'年' +
         platform::toFullWidth(QString::number(month)) + u'月' + dayText + endText + u'日';
}

void DecodeShiaiKeishiki(RuleState& rule, int code) {
  if (code < 100) {
    rule.RulePoints = code;
    rule.RuleGames = 3;
    rule.RuleCap = (code - 1) + (code - 1) / 2;
  } else if (code < 1000) {
    rule.RulePoints = code / 10;
    rule.RuleGames = code % 10;
    rule.RuleCap = (rule.RulePoints - 1) + (rule.RulePoints - 1) / 2;
  } else {
    rule.RulePoints = code / 1000;
    rule.RuleGames = (code / 100) % 10;
    rule.RuleCap = code % 100;
  }
}

}  // namespace qv

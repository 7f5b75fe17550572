#include "data/KekkaFile.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

#include "data/FatalRead.h"
#include "data/Fields.h"
#include "data/InsatsuSeigyoReader.h"
#include "data/LeagueResults.h"
#include "data/Model.h"
#include "data/Taikai.h"
#include "data/TaisenData.h"
#include "data/UserErrorPrompt.h"
#include "platform/Blanks.h"
#include "platform/Files.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

const QString kReadTitle = QStringLiteral("対戦結果等読み込み");

// Minutes since a fixed day, counted on the local wall clock (seconds dropped), so that
// a change across midnight, a month or a year compares like any other.
qint64 wallClockMinutes(const QDateTime& t) {
  const QDate d = t.date();
  const QTime tm = t.time();
  return d.toJulianDay() * 1440 + tm.hour() * 60 + tm.minute();
}

// A number piece of the save time; -1 when it is not a whole number.
int timePiece(const QStringList& pieces, qsizetype i) {
  if (i >= pieces.size()) return -1;
  const auto v = platform::numericValue(pieces[i]);
  if (!v || *v < 0 || *v > 99999 || *v != std::floor(*v)) return -1;
  return static_cast<int>(*v);
}

void showUserError(Model& model) {
  const bool goOn = model.kekka.UserErrorContinue;
  if (model.userErrorPrompt) {
    model.userErrorPrompt->ShowUserError(goOn);
    return;
  }
  // No window to show it in: the warning still reaches the user as a message box.
  QString text = UserErrorLabelText(3, goOn);
  for (int i : {0, 1, 2, 5, 4}) {
    const QString label = UserErrorLabelText(i, goOn);
    if (!label.isEmpty()) text += QChar('\n') + label;
  }
  model.messages.warn(UserErrorCaption(), text);
  if (!goOn) throw platform::ProgramEnd(UserErrorCaption(), UserErrorLabelText(3, goOn));
}

}  // namespace

QString KekkaFileName(const QString& taikaiFileName) {
  return SideFileName(taikaiFileName, QStringLiteral("kai"));
}

std::optional<QDateTime> ParseHozonJikoku(const QString& hozonJikoku) {
  const QStringList halves = platform::trimBlanks(hozonJikoku).split(QChar(' '), Qt::SkipEmptyParts);
  if (halves.size() != 2) return std::nullopt;
  const QStringList date = halves[0].split(QChar('/'));
  const QStringList time = halves[1].split(QChar(':'));
  if (date.size() != 3 || time.size() < 2 || time.size() > 3) return std::nullopt;
  const int y = timePiece(date, 0);
  const QDate d(y, timePiece(date, 1), timePiece(date, 2));
  const int h = timePiece(time, 0);
  const int m = timePiece(time, 1);
  if (y < 1 || !d.isValid() || !QTime::isValid(h, m, 0)) return std::nullopt;
  return QDateTime(d, QTime(h, m));
}

bool KekkaFileChanged(const QDateTime& saved, const QDateTime& fileTime, bool readOnly) {
  if (readOnly || !fileTime.isValid()) return false;
  if (!saved.isValid()) return true;
  return wallClockMinutes(fileTime) > wallClockMinutes(saved) + 2;
}

QString ReadKekkaTaikaiData(Model& model, platform::TextFileReader& file) {
  while (!file.atEnd()) {
    const QString line = file.readLine();
    if (line.startsWith(QStringLiteral("【"))) return line;
    const qsizetype eq = line.indexOf(QChar('='));
    if (eq < 1) continue;
    const QString key = line.left(eq);
    const QString value = platform::trimBlanks(line.mid(eq + 1));
    if (key == QStringLiteral("会場")) {
      model.taikai.Taikai.Kaijou = value;
    } else if (key == QStringLiteral("コート数")) {
      model.kekka.CourtCount = platform::roundHalfEven(ValOrDefault(value, 0));
    } else if (key == QStringLiteral("審判用紙")) {
      model.kankyou.ShinpanYoushi.Name = value;
    } else if (key == QStringLiteral("リーグ審判")) {
      model.kankyou.LeagueShinpan = value;
    } else if (key == QStringLiteral("トーナメント審判")) {
      model.kankyou.TournamentShinpan = value;
    }
  }
  return KekkaFileEof();
}

void ReadKekkaFile(Model& model) {
  const TaikaiState& t = model.taikai;
  if (t.TaikaiFileName.isEmpty()) return;
  const QString path = platform::joinPath(t.DataFolder, KekkaFileName(t.TaikaiFileName));
  if (!platform::fileExists(path)) return;

  KekkaState& k = model.kekka;
  k.KekkaFileAttr = platform::isReadOnly(path) ? 1 : 0;
  k.KekkaVersion.clear();
  k.HozonJikoku.clear();
  k.limits.start(path);

  // A results file that exists but cannot be read is as broken as an empty one.
  auto opened = platform::TextFileReader::open(path);
  if (!opened || opened->lines().isEmpty()) FatalDataFileMsg(model, kReadTitle, path);
  platform::TextFileReader& file = *opened;
  platform::warnUndecodable(model.messages, path, file.lines());

  QString line = file.readLine();
  // A line that becomes current as the file's last line is not dispatched: the suite
  // always ends its data with ".eof.".
  while (!file.atEnd()) {
    if (line.startsWith(QStringLiteral("Ver"))) {
      const QStringList pieces = line.split(QChar('='));
      k.KekkaVersion = pieces.value(1);
      line = file.readLine();
    }
    if (line == QStringLiteral("【大会データ】")) {
      line = ReadKekkaTaikaiData(model, file);
    } else if (line == QStringLiteral("【対戦データ】")) {
      line = ReadTaisenData(model, file);
    } else if (line == QStringLiteral("【印刷制御データ】")) {
      line = ReadInsatsuSeigyoData(model, file);
    } else if (!file.atEnd()) {
      line = file.readLine();  // an unknown line is skipped
    } else if (line != KekkaFileEof()) {
      // Only reachable right after the version line: an unknown last line there means the
      // file was cut short. ".eof." there is a valid, empty results file.
      FatalDataFileMsg(model, kReadTitle, path);
    }
    if (line == KekkaFileEof()) break;
  }

  // Only the print-control section's save time is compared; without it nothing is checked.
  if (!k.HozonJikoku.isEmpty()) {
    const QDateTime saved = ParseHozonJikoku(k.HozonJikoku).value_or(QDateTime());
    const auto fileTime = platform::lastModifiedLocal(path);
    const bool changed = fileTime && KekkaFileChanged(saved, *fileTime, k.KekkaFileAttr == 1);
    if (changed && model.kankyou.UserName != QStringLiteral("Vessin")) showUserError(model);
  }

  MakeLeagueTables(model, -1);
}

}  // namespace qv

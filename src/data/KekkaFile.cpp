#include "data/KekkaFile.h"

#include <QFile>
#include <QStringDecoder>
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

bool isSectionMarker(const QString& line) {
  return line == QStringLiteral("【大会データ】") || line == QStringLiteral("【対戦データ】") ||
         line == QStringLiteral("【印刷制御データ】");
}

// True when the file's bytes are valid UTF-8 and not plain ASCII: saved by an editor in
// UTF-8, whatever CP932 made of them.
bool isUtf8Text(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = f.readAll();
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return false;
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);  // decodes only when made a QString
  return !utf8.hasError();
}

// The file is not CP932 and none of its sections can be recognised, so nothing will be taken
// from it.
void warnNotCp932(Model& model, const QString& path, qsizetype firstUndecodableLine) {
  QString text = path + QChar('\n');
  text += QStringLiteral("このファイルは Shift_JIS（CP932）で保存されていません"
                         "（UTF-8 など別の文字コードで保存されたようです");
  if (firstUndecodableLine > 0)
    text += QStringLiteral("。%1行目から読めない文字があります").arg(firstUndecodableLine);
  text += QStringLiteral("）。\n");
  text += QStringLiteral("【大会データ】【対戦データ】【印刷制御データ】の節を読み取れなかったため、"
                         "このファイルからは対戦結果も印刷レイアウトも読み込んでいません。\n"
                         "大会は対戦結果と印刷レイアウトなしで開きます。"
                         "Shift_JIS で保存し直してから開き直して下さい。");
  model.messages.warn(kReadTitle, text);
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
  // A CP932 file with a few unreadable characters is read on, and named by its first such
  // line; one whose every section marker was lost to another encoding gives nothing, and
  // one message says so.
  const qsizetype undecodableLine = platform::firstUndecodableLine(file.lines());
  const bool anySection = std::any_of(file.lines().begin(), file.lines().end(), isSectionMarker);
  if (!anySection && (undecodableLine > 0 || isUtf8Text(path))) {
    warnNotCp932(model, path, undecodableLine);
  } else if (undecodableLine > 0) {
    platform::warnUndecodable(model.messages, path, file.lines());
  }

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

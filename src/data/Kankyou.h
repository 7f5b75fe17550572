#pragma once
// The configuration file Quorvane.cfg, the user file User.dat and the choice of the data
// folder at start-up.

#include <QDate>
#include <QString>

#include "platform/TextFile.h"

namespace qv {

struct Model;
struct KankyouState;

// The configuration file while it is read: its path (for messages) and its lines.
struct KankyouFile {
  QString path;
  platform::TextFileReader reader;
};

// Reads Quorvane.cfg from the program folder, the user file, and chooses the data folder;
// then sets up the page phrases and reads the phrase file. A missing configuration or a
// line the format does not allow ends the program after a message.
void ReadKankyouTeigi(Model& model);

// UserName = the first value of User.dat in the program folder, trimmed; empty without it.
void ReadUserDat(KankyouState& kankyou, const QString& programFolder);

// The folder the tournament files are looked for in, ending in "/": the remembered folder
// of 前回ファイル.cfg, else the <fiscal year>Data folder, else the program folder.
QString ChooseDataFolder(const QString& programFolder, const QDate& today);

// [団体戦諸元] up to its "END" line.
void ReadTeamShogen(Model& model, KankyouFile& file);

// [大会種目クラス] up to the end of the file.
void ReadShumokuClass(Model& model, KankyouFile& file);

// The title of the configuration reader's fatal messages.
inline QString KankyouReadTitle() { return QStringLiteral("環境定義ファイルの読み込み"); }

}  // namespace qv

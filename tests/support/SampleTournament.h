#pragma once
// The sample tournament of samples/, opened the way the program opens a tournament.

#include <QString>

namespace qv {
struct Program;
}

namespace qv::test {

QString SampleProgramFolder();  // samples/program/
QString SampleDataFolder();     // samples/data/
inline QString SampleTaikaiFileName() { return QStringLiteral("青葉市民大会.tai"); }

// Copies the files of the sample data folder into folder (created if needed). The copied
// results file is dated at its own save time, so that the data-change warning does not
// depend on when the sources were checked out. False when a copy failed.
bool CopySampleData(const QString& folder);

// Reads the sample configuration, then opens the sample tournament from dataFolder with
// OpenTaikai. False when the data file was not read.
bool LoadSampleTournament(Program& program, const QString& dataFolder = SampleDataFolder());

}  // namespace qv::test

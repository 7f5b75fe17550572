#pragma once
// The suite's team-detail program, which takes the team-result detail file further. It is
// a separate program looked for in the program folder.

#include <QString>

namespace platform {
class MessageSink;
}

namespace qv {

inline const QString kTeamMeisaiProgram = QStringLiteral("QuorvaneTeamMeisai");

// Starts the program of the program folder with the detail file's path as its one
// argument, without waiting for it. A program that is missing or does not start is named
// in a message; false then.
bool StartTeamMeisaiProgram(platform::MessageSink& messages, const QString& programFolder,
                            const QString& detailFile);

}  // namespace qv

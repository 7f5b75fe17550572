#pragma once
// Starting another program of the suite.

#include <QString>
#include <QStringList>

namespace platform {

// Starts the program with the arguments as given (no shell reads them) and does not wait
// for it. False, with errorText saying why, when it is missing or could not be started.
bool startProgram(const QString& program, const QStringList& arguments, QString* errorText = nullptr);

}  // namespace platform

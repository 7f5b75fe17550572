#pragma once
// The data name the Windows Japanese faces; here they print in the IPA faces.

#include <QString>
#include <QStringList>

namespace platform {

// Maps "ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho" to IPAMincho and the
// corresponding Gothic names to IPAGothic for every QFont made afterwards. Safe to call
// more than once. Needs the application's font database (a QGuiApplication).
void installFaceSubstitutions();

// The Windows faces under their Japanese names that print in the IPA faces here:
// "ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック".
QStringList substitutedJapaneseFaces();

// The families a window font of that Windows face is asked for: its stand-in (IPAGothic,
// IPAMincho) first, then the face itself; any other face alone. Named first, the stand-in is
// found at once; a face the system lacks costs a search through all the system's fonts for
// each script of the text, and the windows' text is Japanese and Latin.
QStringList windowFamilies(const QString& face);

// The family a face named by the data prints in: the face itself when the system has it
// (or one of its substitutes), otherwise IPAMincho for a Mincho face (明朝, Mincho in its
// name) and IPAGothic for any other. The system's own fallback for a face it lacks is a
// Latin face whose letters and digits overrun their half-width cells.
QString printFamily(const QString& face);

}  // namespace platform

#pragma once
// The CUPS options a print job carries, as Qt's CUPS print engine keeps them: a flat list
// of option names, each followed by its value.
//
// cups-pdf names its file after the PostScript document's title by default, and it copies
// that title without ending the string: the name then carries leftovers of its own
// configuration (on Debian "Quorvane___1__enable-job_N.pdf"). Its option TitlePref=1 makes
// it take the job's title instead, which it copies whole ("Quorvane-job_N.pdf").

#include <QString>
#include <QStringList>

class QPrinter;

namespace qv {

// The options for a job on a queue of that make and model: a cups-pdf queue gets
// TitlePref=1 unless the options choose a title already (the printer dialog's advanced
// settings); any other queue gets no TitlePref, which is cups-pdf's alone.
QStringList CupsJobOptions(const QStringList& options, const QString& makeAndModel);

// Applies CupsJobOptions to the printer's CUPS engine before its job begins; a printer
// that prints to a file has no CUPS options and is left alone.
void ApplyCupsJobOptions(QPrinter& printer);

}  // namespace qv

// The options a job takes to its CUPS queue: cups-pdf is asked to name its file after the
// job's title; no other queue is sent its option.

#include <gtest/gtest.h>

#include <QStringList>

#include "app/CupsJobOptions.h"

namespace qv::test {
namespace {

TEST(CupsJobOptions, CupsPdfTakesTheJobTitleOtherQueuesNoTitleOption) {
  const QString cupsPdf = QStringLiteral("Generic CUPS-PDF Printer (no options)");
  const QString other = QStringLiteral("HP LaserJet 4250 Postscript");
  struct Case {
    const char* what;
    QStringList options;
    QString makeAndModel;
    QStringList expected;
  };
  const Case cases[] = {
      {"cups-pdf, no options", {}, cupsPdf, {"TitlePref", "1"}},
      {"cups-pdf, the dialog's options kept",
       {"job-hold-until", "no-hold", "page-set", "odd"},
       cupsPdf,
       {"job-hold-until", "no-hold", "page-set", "odd", "TitlePref", "1"}},
      {"cups-pdf, a title chosen in the dialog stays",
       {"TitlePref", "0"},
       cupsPdf,
       {"TitlePref", "0"}},
      {"cups-pdf in lower case", {}, "generic cups-pdf printer", {"TitlePref", "1"}},
      {"another queue", {"job-priority", "50"}, other, {"job-priority", "50"}},
      {"another queue after a cups-pdf job",
       {"TitlePref", "1", "job-priority", "50"},
       other,
       {"job-priority", "50"}},
      {"no make and model", {"TitlePref", "1"}, "", {}},
      {"a name without its value is dropped",
       {"job-priority", "50", "copies"},
       other,
       {"job-priority", "50"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CupsJobOptions(c.options, c.makeAndModel), c.expected);
  }
}

}  // namespace
}  // namespace qv::test

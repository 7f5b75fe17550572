// The real printer set-up dialog, driven offscreen: the words it shows and the file it
// proposes for printing to PDF.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "app/PrinterSetup.h"
#include "app/QtJapanese.h"

namespace qv::test {
namespace {

// Runs the Qt set-up dialog on printer; look sees it once it is on the screen and then
// accepts (true) or cancels it.
std::optional<PrinterSetupChoice> runDialog(PrinterSetup& setup, QPrinter& printer,
                                            const std::function<bool(QPrintDialog&)>& look) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    seen = true;
    if (look(*dialog)) dialog->accept();
    else dialog->reject();
  });
  auto choice = setup.showSetup(printer, 1, 1);
  EXPECT_TRUE(seen) << "the dialog was not shown";
  return choice;
}

QLineEdit* fileField(QPrintDialog& dialog) {
  return dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
}

TEST(PrinterSetupTest, QtDialogReadsInJapanese) {
  const QtJapanese japanese;
  ASSERT_TRUE(japanese.loaded()) << "qtbase_ja.qm missing (scripts/setup installs qt6-translations-l10n)";
  auto setup = MakeQtPrinterSetup();
  QPrinter printer;
  runDialog(*setup, printer, [](QPrintDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "印刷");
    QStringList buttons;
    for (const auto* box : dialog.findChildren<QDialogButtonBox*>())
      for (const auto* b : box->buttons()) buttons << b->text();
    EXPECT_TRUE(buttons.contains("印刷(&P)")) << buttons.join('|').toStdString();
    EXPECT_TRUE(buttons.contains("キャンセル")) << buttons.join('|').toStdString();
    EXPECT_TRUE(buttons.contains("オプション(&O) >>")) << buttons.join('|').toStdString();
    return false;
  });
}

TEST(PrinterSetupTest, PrintToFileProposesTheTournamentsPdfAndKeepsTheUsersChoice) {
  QTemporaryDir data;
  ASSERT_TRUE(data.isValid());
  const QString proposed = TournamentPdfFile(data.path(), QStringLiteral("青葉市民大会.tai"));
  EXPECT_EQ(proposed, data.path() + "/青葉市民大会.pdf");
  auto setup = MakeQtPrinterSetup();
  setup->proposedOutputFile = [&] { return proposed; };
  QPrinter printer;

  // Nothing chosen yet: the tournament's file. The user picks print to file and renames it.
  const QString mine = data.path() + "/自分の名前.pdf";
  const auto choice = runDialog(*setup, printer, [&](QPrintDialog& dialog) {
    QLineEdit* field = fileField(dialog);
    if (field == nullptr) {
      ADD_FAILURE() << "no file field in the dialog";
      return false;
    }
    EXPECT_EQ(field->text(), proposed);
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    if (printers == nullptr) {
      ADD_FAILURE() << "no printer list in the dialog";
      return false;
    }
    printers->setCurrentIndex(printers->count() - 1);  // "print to file (PDF)"
    field->setText(mine);
    return true;
  });
  ASSERT_TRUE(choice);
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
  EXPECT_EQ(printer.outputFileName(), mine);

  // The next dialog of the same run shows the user's file again, not the proposal.
  runDialog(*setup, printer, [&](QPrintDialog& dialog) {
    QLineEdit* field = fileField(dialog);
    EXPECT_TRUE(field != nullptr && field->text() == mine) << (field ? field->text().toStdString() : "");
    return false;
  });
}

TEST(PrinterSetupTest, TournamentPdfFileIsTheDataFileNameWithPdfInItsFolder) {
  struct Case {
    QString folder, file, want;
  };
  const Case cases[] = {
      {"/data/大会/", "春季大会.tai", "/data/大会/春季大会.pdf"},
      {"/data", "a.b.tai", "/data/a.b.pdf"},     // only the last extension goes
      {"/data/", "", ""},                        // no tournament: the dialog's own
      {"", "x.tai", QDir::current().absoluteFilePath("x.pdf")},
  };
  for (const Case& c : cases) EXPECT_EQ(TournamentPdfFile(c.folder, c.file), c.want) << c.file.toStdString();
}

}  // namespace
}  // namespace qv::test

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "app/FrmUserError.h"
#include "platform/ProgramEnd.h"

using namespace qv;

namespace {

QLabel* label(const FrmUserError& form, int index) {
  return form.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(index));
}

TEST(FrmUserErrorTest, ShowsItsTextsInBoldGothic) {
  struct Case {
    bool userErrorContinue;
    QString label5;
    bool label4Empty;
  };
  const Case cases[] = {
      {true, "画面をクリックすると処理を継続します。", true},
      {false, "対処方法をお知らせしますので下記にご連絡ください。", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.userErrorContinue);
    FrmUserError form(c.userErrorContinue);
    EXPECT_EQ(form.windowTitle(), "ファイルが書き換えられました");
    EXPECT_TRUE(form.isModal());
    const QString texts[] = {"ファイルが他のソフト等により書き換えられたものと思われます。",
                             "このデータの処理で問題が発生した場合は、サポートできません。",
                             "ただし、データをメールでやり取りしただけであれば、",
                             "!!! 保証できないデータです !!!"};
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(i);
      QLabel* l = label(form, i);
      ASSERT_NE(l, nullptr);
      EXPECT_EQ(l, form.Label1[static_cast<std::size_t>(i)]);
      if (i < 4) {
        EXPECT_EQ(l->text(), texts[i]);
      }
      EXPECT_EQ(l->font().family(), "ＭＳ ゴシック");
      EXPECT_TRUE(l->font().bold());
      EXPECT_EQ(l->font().italic(), i == 4);
    }
    EXPECT_EQ(label(form, 3)->font().pointSize(), 24);
    EXPECT_LT(label(form, 0)->font().pointSize(), 24);
    EXPECT_EQ(label(form, 5)->text(), c.label5);
    EXPECT_EQ(label(form, 4)->text().isEmpty(), c.label4Empty);
    // Heading first, then the explanation, then what to do.
    form.show();
    EXPECT_LT(label(form, 3)->y(), label(form, 0)->y());
    EXPECT_LT(label(form, 2)->y(), label(form, 5)->y());
    EXPECT_LT(label(form, 5)->y(), label(form, 4)->y());
  }
}

TEST(FrmUserErrorTest, ClickOnTheFormOrALabelClosesIt) {
  for (int target = -1; target < 6; ++target) {
    SCOPED_TRACE(target);
    FrmUserError form(true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget* w = target < 0 ? static_cast<QWidget*>(&form) : label(form, target);
    QTest::mouseClick(w, Qt::LeftButton, {}, target < 0 ? QPoint(3, 3) : w->rect().center());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.EndsProgram());
  }
  FrmUserError form(false);
  form.show();
  QTest::mouseClick(label(form, 3), Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.EndsProgram());
}

TEST(FrmUserErrorTest, PromptWaitsForTheClickAndEndsTheProgramWhenItMay) {
  FrmUserErrorPrompt prompt;
  auto clickSoon = [] {
    QTimer::singleShot(0, [] {
      auto* form = qobject_cast<FrmUserError*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      QTest::mouseClick(form->Label1[0], Qt::LeftButton);
    });
  };
  clickSoon();
  EXPECT_NO_THROW(prompt.ShowUserError(true));

  clickSoon();
  try {
    prompt.ShowUserError(false);
    ADD_FAILURE() << "the program did not end";
  } catch (const platform::ProgramEnd& end) {
    EXPECT_EQ(end.title(), "ファイルが書き換えられました");
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QWidget>

#include "platform/widgets/FormLayout.h"

using namespace platform;

namespace {

struct Window {
  Window() {
    window.resize(400, 300);
    label = make<QLabel>("Label1", QRect(10, 20, 100, 30), 10);
    combo = make<QComboBox>("CmbKind", QRect(10, 60, 120, 24), 10);
    bar = make<QScrollBar>("HScPage", QRect(10, 100, 200, 16), 10);
    shape = make<QFrame>("ShpBox", QRect(200, 20, 50, 50), 10);
    new QLabel(&window);  // a widget without a name is no control
  }
  template <class W>
  W* make(const char* name, QRect geometry, int pointSize) {
    auto* w = new W(&window);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    QFont f = w->font();
    f.setPointSize(pointSize);
    w->setFont(f);
    return w;
  }
  QWidget window;
  QLabel* label;
  QComboBox* combo;
  QScrollBar* bar;
  QFrame* shape;
};

}  // namespace

TEST(FormLayoutTest, RecordsEachNamedControlByItsKind) {
  Window w;
  std::vector<ControlLayout> records;
  SaveFormLayout(w.window, records);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].Ctl, &w.window);
  EXPECT_EQ(records[0].Width, 400);
  EXPECT_EQ(records[0].Height, 300);
  EXPECT_EQ(records[1].Ctl, w.label);
  EXPECT_FLOAT_EQ(records[1].FontSize, 10);
  EXPECT_EQ(records[2].Height, kNotRecorded);  // a combo box's height follows its font
  EXPECT_EQ(records[3].FontSize, -1);           // scroll bar
  EXPECT_EQ(records[4].FontSize, -1);           // shape
  ClearFormLayout(w.window, records);
  EXPECT_TRUE(records.empty());
}

TEST(FormLayoutTest, ScalesByTheSmallerRatioFromTheRecordEveryTime) {
  Window w;
  std::vector<ControlLayout> records;
  SaveFormLayout(w.window, records);
  const int comboHeight = w.combo->height();

  w.window.resize(800, 900);  // x doubles, y triples: the layout doubles
  ResizeFormLayout(w.window, records);
  EXPECT_EQ(w.label->geometry(), QRect(20, 40, 200, 60));
  EXPECT_EQ(w.label->font().pointSize(), 20);
  EXPECT_EQ(w.combo->geometry().topLeft(), QPoint(20, 120));
  EXPECT_EQ(w.combo->width(), 240);
  EXPECT_EQ(w.combo->height(), comboHeight);
  EXPECT_EQ(w.shape->geometry(), QRect(400, 40, 100, 100));

  // Back to the first size through an odd one: no drift.
  w.window.resize(333, 777);
  ResizeFormLayout(w.window, records);
  w.window.resize(400, 300);
  ResizeFormLayout(w.window, records);
  EXPECT_EQ(w.label->geometry(), QRect(10, 20, 100, 30));
  EXPECT_EQ(w.label->font().pointSize(), 10);

  // A window without width (minimised) is left alone.
  w.window.resize(0, 300);
  ResizeFormLayout(w.window, records);
  EXPECT_EQ(w.label->geometry(), QRect(10, 20, 100, 30));
}

TEST(FormLayoutTest, FontSizeIsTheWholePartOfTheScaledSize) {
  EXPECT_EQ(ScaledFontSize(10, 1.55), 15);
  EXPECT_EQ(ScaledFontSize(9, 0.1), 0);
  EXPECT_EQ(ScaledFontSize(12, 0.5), 6);
}

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/TaikaiList.h"
#include "platform/TextFile.h"

using namespace qv;

namespace {

void write(const QTemporaryDir& dir, const QString& name, const QStringList& lines) {
  ASSERT_TRUE(platform::writeTextLines(dir.filePath(name), lines));
}

}  // namespace

TEST(TaikaiListTest, NewestFirstAndOnlyFilesWithNameAndDate) {
  QTemporaryDir dir;
  // Listed first by the folder, but without a date: left out.
  write(dir, "0_nodate.tai", {"【大会データ】", "大会名=日付のない大会"});
  write(dir, "a_first.tai", {"【大会データ】", "大会名=春季大会", "開催日=2025/05/01"});
  write(dir, "b_middle.tai", {"【大会データ】", "開催日=2026/06/14", "大会名=市民大会"});
  write(dir, "c_last.tai", {"大会名=秋季大会", "開催日=2024/11/20", "種目=x"});
  // An empty name goes on reading; a later name lists the file.
  write(dir, "d_latername.tai", {"大会名=", "開催日=2023/01/09", "大会名=新春大会"});
  write(dir, "e_emptyname.tai", {"大会名=", "開催日=2022/01/09"});
  write(dir, "f_other.txt", {"大会名=別ファイル", "開催日=2030/01/01"});
  write(dir, "G_UPPER.TAI", {"大会名=大文字の大会", "開催日=2021/03/03"});

  const std::vector<TaikaiListLine> lines = ListTaikaiFiles(dir.path());
  const std::vector<std::pair<QString, QString>> expected{
      {"2026/06/14  市民大会", "b_middle.tai"}, {"2025/05/01  春季大会", "a_first.tai"},
      {"2024/11/20  秋季大会", "c_last.tai"},   {"2023/01/09  新春大会", "d_latername.tai"},
      {"2021/03/03  大文字の大会", "G_UPPER.TAI"}};
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(lines[i].text, expected[i].first);
    EXPECT_EQ(lines[i].fileName, expected[i].second);
  }
}

TEST(TaikaiListTest, MissingFolderAndDamagedFilesListNothing) {
  QTemporaryDir dir;
  EXPECT_TRUE(ListTaikaiFiles(dir.filePath("gone")).empty());
  QFile bad(dir.filePath("bad.tai"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(QByteArray("\x91\xe5\x89\xef\x96\xbc=\xff\xfe\x81", 10));  // cut in a character
  bad.close();
  EXPECT_TRUE(ListTaikaiFiles(dir.path()).empty());
  EXPECT_FALSE(ReadTaikaiTitle(dir.filePath("none.tai")).has_value());
}

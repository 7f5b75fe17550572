#include <gtest/gtest.h>

#include "app/ProgramFolder.h"

using namespace qv;

TEST(ProgramFolderTest, SourceFolderOfADevelopmentCopyGivesItsParent) {
  struct Case {
    const char* start;
    const char* folder;
  };
  const Case cases[] = {
      {"/q/SOURCE/", "/q/"},          {"/q/SOURCE", "/q/"},
      {"/q/SOURCE2/", "/q/"},         {"/q/SOURCE/X/", "/q/SOURCE/X/"},
      {"/q/source/", "/q/source/"},   {"/q/SOURCE23/", "/q/SOURCE23/"},
      {"/a/SOURCE/SOURCE/", "/a/SOURCE/SOURCE/"},  // only the first SOURCE counts
      {"/q", "/q/"},                  {"/", "/"},
      {"/srv/tournament/program/", "/srv/tournament/program/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start);
    EXPECT_EQ(ProgramFolderOf(QString::fromUtf8(c.start)), QString::fromUtf8(c.folder));
  }
}

#include "ui/services/file_dialog_service.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace kirabel {
namespace {

bool Matches(const QString& nameFilter, const QString& fileName) {
  const QString patterns = nameFilter.section(QLatin1Char('('), -1).chopped(1);
  for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
    if (re.match(fileName).hasMatch()) return true;
  }
  return false;
}

TEST(FileDialogServiceTest, FiltersMatchRegardlessOfLetterCase) {
  const QStringList filters =
      ToQtNameFilters(QStringLiteral("PCLファイル(*PCL)|*.PCL|なんでも(*.*)|*.*"));
  ASSERT_EQ(filters.size(), 2);
  EXPECT_TRUE(filters[0].startsWith(QStringLiteral("PCLファイル(*PCL) (")));
  for (const char* name : {"a.PCL", "b.pcl", "c.Pcl"}) {
    EXPECT_TRUE(Matches(filters[0], QLatin1String(name))) << name;
  }
  EXPECT_FALSE(Matches(filters[0], QStringLiteral("a.BMP")));
  EXPECT_FALSE(Matches(filters[0], QStringLiteral("a.PCLX")));
  // "*.*" takes every file, also one without an extension.
  EXPECT_TRUE(Matches(filters[1], QStringLiteral("README")));
}

TEST(FileDialogServiceTest, DefaultExtensionOnlyForNamesWithoutOne) {
  EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/list"), QStringLiteral("PCL")),
            QStringLiteral("/a/list.PCL"));
  EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a.b/list"), QStringLiteral("PCL")),
            QStringLiteral("/a.b/list.PCL"));
  EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/pic.png"), QStringLiteral("BMP")),
            QStringLiteral("/a/pic.png"));
  EXPECT_EQ(WithDefaultExtension(QStringLiteral("/a/list"), QString()), QStringLiteral("/a/list"));
}

TEST(FileDialogServiceTest, DialogKeepsItsChoiceAndReportsItsFolder) {
  FileDialogService::clearAnswers();
  FileDialogService::clearRequests();
  FileChooser dialog(FileChooser::Kind::Save, QStringLiteral("x(*.X)|*.X"));
  dialog.defaultExtension = QStringLiteral("X");
  dialog.startFolder = QStringLiteral("/start");
  EXPECT_EQ(dialog.fileFolder(), QString());

  FileDialogService::setNextFileName(QStringLiteral("/tmp/kirabel-dir/name"));
  ASSERT_TRUE(dialog.execute(nullptr));
  EXPECT_EQ(dialog.fileName, QStringLiteral("/tmp/kirabel-dir/name.X"));
  EXPECT_EQ(dialog.fileFolder(), QStringLiteral("/tmp/kirabel-dir"));
  EXPECT_EQ(FileDialogService::requests().back().startFolder, QStringLiteral("/start"));

  // Cancelled: the name of the last use stays and is proposed next time.
  FileDialogService::setNextFileName(std::nullopt);
  EXPECT_FALSE(dialog.execute(nullptr));
  EXPECT_EQ(dialog.fileName, QStringLiteral("/tmp/kirabel-dir/name.X"));
  EXPECT_EQ(FileDialogService::requests().back().fileName, dialog.fileName);
}

}  // namespace
}  // namespace kirabel

// The help command: where the page is found, the URL it opens, and the
// warnings when the page is missing or cannot be opened.
#include "ui/services/help_viewer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "ui/services/message_box.h"

namespace kirabel {
namespace {

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    QDir(root_.path()).mkpath(QStringLiteral("bin"));
    QDir(root_.path()).mkpath(QStringLiteral("share/kirabel"));
    MessageBox::setTestMode(true);
    MessageBox::clearRecord();
    HelpViewer::setOpener([this](const QUrl& url) {
      opened_.append(url);
      return openerAnswer_;
    });
  }
  void TearDown() override {
    HelpViewer::setOpener(nullptr);
    MessageBox::clearRecord();
  }
  QString path(const QString& relative) const { return root_.filePath(relative); }
  static void touch(const QString& file) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html></html>");
  }

  QTemporaryDir root_;
  QList<QUrl> opened_;
  bool openerAnswer_ = true;
};

TEST_F(HelpViewerTest, PageBesideTheProgramIsOpenedAtTheTopic) {
  const QString exe = path("bin/kirabel");
  touch(path("bin/kirabel.html"));
  touch(path("share/kirabel/kirabel.html"));

  EXPECT_TRUE(HelpViewer::show(nullptr, exe));
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_TRUE(opened_[0].isLocalFile());
  EXPECT_EQ(opened_[0].toLocalFile(), QFileInfo(path("bin/kirabel.html")).absoluteFilePath());
  EXPECT_EQ(opened_[0].fragment(), QStringLiteral("HID00000001"));
  EXPECT_TRUE(MessageBox::shown().empty());
}

TEST_F(HelpViewerTest, ExtensionOfTheProgramIsReplacedAndInstalledCopyIsFound) {
  const QStringList candidates = HelpViewer::candidates(path("bin/kirabel.bin"));
  ASSERT_EQ(candidates.size(), 2);
  EXPECT_EQ(candidates[0], path("bin/kirabel.html"));
  EXPECT_EQ(candidates[1], path("share/kirabel/kirabel.html"));

  touch(path("share/kirabel/kirabel.html"));
  EXPECT_EQ(HelpViewer::find(path("bin/kirabel")), path("share/kirabel/kirabel.html"));
  EXPECT_TRUE(HelpViewer::show(nullptr, path("bin/kirabel")));
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_[0].fragment(), QStringLiteral("HID00000001"));
}

// The user's guide: beside the program or installed, opened without a topic;
// a missing guide is warned of like a missing help page.
TEST_F(HelpViewerTest, TheGuideOpensBesideTheProgramOrInstalled) {
  EXPECT_FALSE(HelpViewer::showGuide(nullptr, path("bin/kirabel")));
  EXPECT_EQ(MessageBox::shown().size(), 1u);
  touch(path("share/kirabel/kirabel.guide.md"));
  EXPECT_TRUE(HelpViewer::showGuide(nullptr, path("bin/kirabel")));
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_[0].toLocalFile(),
            QFileInfo(path("share/kirabel/kirabel.guide.md")).absoluteFilePath());
  EXPECT_TRUE(opened_[0].fragment().isEmpty());
}

TEST(HelpLanguageTest, PageInTheInterfaceLanguageComesFirstThenTheJapaneseOne) {
  constexpr auto kEn = InterfaceLanguage::kEnglish;
  constexpr auto kJa = InterfaceLanguage::kJapanese;
  struct Case {
    InterfaceLanguage language;
    QStringList present;
    QString found;
  };
  const QString beside = QStringLiteral("bin/kirabel.html");
  const QString besideEn = QStringLiteral("bin/kirabel.en.html");
  const QString installed = QStringLiteral("share/kirabel/kirabel.html");
  const QString installedEn = QStringLiteral("share/kirabel/kirabel.en.html");
  const Case cases[] = {
      {kEn, {beside, besideEn, installedEn}, besideEn},
      {kEn, {beside, installedEn}, installedEn},
      {kEn, {installed, beside}, beside},
      {kEn, {installed}, installed},
      {kJa, {besideEn, installedEn, installed}, installed},
      {kJa, {besideEn}, QString()},
  };
  for (const Case& c : cases) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const QString& page : c.present) {
      QDir(root.path()).mkpath(QFileInfo(page).path());
      QFile(root.filePath(page)).open(QIODevice::WriteOnly);
    }
    const QString found =
        HelpViewer::find(root.filePath(QStringLiteral("bin/kirabel")), c.language);
    EXPECT_EQ(found, c.found.isEmpty() ? QString() : root.filePath(c.found))
        << c.present.join(' ').toStdString();
  }
}

TEST_F(HelpViewerTest, MissingPageIsReportedWithoutOpeningAnything) {
  EXPECT_FALSE(HelpViewer::show(nullptr, path("bin/kirabel")));
  EXPECT_TRUE(opened_.isEmpty());
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Warning);
  EXPECT_TRUE(MessageBox::shown()[0].text.contains(QStringLiteral("見つかりません")));
  EXPECT_TRUE(MessageBox::shown()[0].text.contains(QStringLiteral("kirabel.html")));
}

TEST_F(HelpViewerTest, BrowserThatCannotStartIsReported) {
  touch(path("bin/kirabel.html"));
  openerAnswer_ = false;
  EXPECT_FALSE(HelpViewer::show(nullptr, path("bin/kirabel")));
  EXPECT_EQ(opened_.size(), 1);
  ASSERT_EQ(MessageBox::shown().size(), 1u);
  EXPECT_EQ(MessageBox::shown()[0].kind, MsgKind::Warning);
}

TEST(HelpPageTest, ShippedPagesHaveTheTopicAnchorAndTheTopics) {
  struct Page {
    const char* file;
    std::vector<const char*> topics;
  };
  const Page pages[] = {
      {"kirabel.html",
       {"空間解像度の設定", "警告値", "アンチエイリアシング", "空間の上下・左右をつなげる",
        "ツールバーを表示する", "あばうと", "言語"}},
      {"kirabel.en.html",
       {"Space resolution", "Warning threshold", "Anti-aliasing", "Wrap Space Edges",
        "Show Toolbar", "About", "Language"}},
  };
  QStringList anchorsOfEachPage;
  for (const Page& p : pages) {
    QFile page(QStringLiteral(KIRABEL_TEST_DATA "/../../docs/help/") + QLatin1String(p.file));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << p.file;
    const QString text = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("id=\"HID00000001\""))) << p.file;
    for (const char* topic : p.topics) {
      EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << p.file << ": " << topic;
    }
    QStringList anchors;
    for (const auto& match :
         QRegularExpression(QStringLiteral("(id|href)=\"[^\"]*\"")).globalMatch(text))
      anchors << match.captured(0);
    anchorsOfEachPage << anchors.join(' ');
  }
  EXPECT_EQ(anchorsOfEachPage[0], anchorsOfEachPage[1]) << "the pages' topics differ";
}

}  // namespace
}  // namespace kirabel

// Every visible text of every window, menu, action and dialog: under English
// none is left in Japanese and access keys do not collide; under Japanese
// (the texts in the code) every text is exactly as recorded.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextStream>
#include <QTranslator>
#include <map>
#include <set>

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/export_dialog.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/long_exposure_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/services/file_dialog_service.h"
#include "ui_support/child_widget.h"
#include "ui_support/started_app_fixture.h"

namespace kirabel::testing {
namespace {

const QString kRecordedJapanese = QStringLiteral(KIRABEL_TEST_DATA "/ui/japanese_texts.txt");

bool IsJapanese(QChar c) {
  const ushort u = c.unicode();
  return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
         (u >= 0xFF00 && u <= 0xFFEF);
}

bool HasJapanese(const QString& text) {
  return std::any_of(text.begin(), text.end(), IsJapanese);
}

// One line per text, for readable failures.
std::string Lines(const QStringList& texts) {
  return texts.join(QLatin1Char('\n')).toStdString();
}

// The lines of `a` that `b` lacks, counting repeats.
QStringList Missing(QStringList a, const QStringList& b) {
  for (const QString& line : b) a.removeOne(line);
  return a;
}

// The access key of a text ("&File" gives 'F'), or 0.
QChar AccessKey(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
    ++i;
  }
  return QChar();
}

// Collects "kind<TAB>text" lines of everything a user can read.
class TextWalk {
 public:
  void add(const char* kind, const QString& text) {
    if (!text.isEmpty()) lines.push_back(QString::fromLatin1(kind) + QLatin1Char('\t') + text);
  }
  void addWidget(QWidget* w) {
    if (w->isWindow()) add("caption", w->windowTitle());
    add("tooltip", w->toolTip());
    add("status", w->statusTip());
    if (auto* label = qobject_cast<QLabel*>(w)) add("label", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add("button", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) add("group", group->title());
    if (auto* menu = qobject_cast<QMenu*>(w)) addMenu(menu->title(), menu->actions());
    if (auto* bar = qobject_cast<QMenuBar*>(w)) addMenu(QStringLiteral("menu bar"), bar->actions());
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) add("item", combo->itemText(i));
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      for (int c = 0; c < view->model()->columnCount(); ++c)
        add("column", view->model()->headerData(c, Qt::Horizontal).toString());
    }
    for (QAction* action : w->actions()) addAction(action);
  }
  void addAction(QAction* action) {
    if (!seenActions.insert(action).second) return;
    add("action", action->text());
    add("action tip", action->toolTip());
    add("action status", action->statusTip());
  }
  // Access keys are checked per menu: one key, one item.
  void addMenu(const QString& name, const QList<QAction*>& actions) {
    std::map<QChar, QString> keys;
    for (QAction* action : actions) {
      const QChar key = AccessKey(action->text());
      if (key.isNull()) continue;
      const auto [it, added] = keys.emplace(key, action->text());
      if (!added) collisions << name + QStringLiteral(": ") + it->second + " / " + action->text();
    }
  }
  void addTree(QWidget* top) {
    addWidget(top);
    for (QWidget* child : top->findChildren<QWidget*>()) addWidget(child);
    for (QAction* action : top->findChildren<QAction*>()) addAction(action);
  }

  QStringList lines;
  QStringList collisions;
  std::set<QAction*> seenActions;
};

class InterfaceTextsTest : public StartedAppFixture {
 protected:
  // Starts the program with the preview's time bar shown, and walks every
  // window, the export dialog and the file dialogs' titles and filters.
  TextWalk Walk() {
    Start();
    mainWindow().show();  // laid out: no tool button waits in the overflow menu
    testing::Child<QAction>(mainWindow(), "actionPreview")->trigger();
    ExportDialog exportDialog(&mainWindow());  // a top-level window of its own
    LongExposureDialog longExposureDialog(&mainWindow());
    // The main window makes its dialogs when first needed: the same ones here.
    ParticleSetDialog setDialog;
    setDialog.setChildChoices(access().childChoices());
    LaunchSettingsDialog launchDialog;
    ResolutionDialog resolutionDialog;
    ThresholdDialog thresholdDialog;
    AboutDialog aboutDialog;
    TextWalk walk;
    for (QWidget* top : QApplication::topLevelWidgets()) walk.addTree(top);
    for (const FileChooser& chooser : {MakeOpenDialog(), MakeSaveDialog()}) {
      walk.add("file dialog", chooser.title);
      walk.add("file filter", chooser.filter());
    }
    walk.lines.sort();
    return walk;
  }
};

TEST_F(InterfaceTextsTest, JapaneseTextsAreExactlyAsRecordedWithNoCollidingAccessKey) {
  const TextWalk walk = Walk();
  EXPECT_EQ(Lines(walk.collisions), "");
  QFile file(kRecordedJapanese);
  if (qEnvironmentVariableIsSet("KIRABEL_RECORD_TEXTS")) {
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write((walk.lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    GTEST_SKIP() << "recorded " << walk.lines.size() << " texts";
  }
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QStringList recorded =
      QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_EQ(Lines(Missing(recorded, walk.lines)), "") << "texts no longer shown";
  EXPECT_EQ(Lines(Missing(walk.lines, recorded)), "") << "texts not recorded";
}

TEST_F(InterfaceTextsTest, EnglishLeavesNoJapaneseTextAndNoCollidingAccessKey) {
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/kirabel_en.qm")));
  QCoreApplication::installTranslator(&english);
  const TextWalk walk = Walk();
  QCoreApplication::removeTranslator(&english);
  QStringList japanese;
  for (const QString& line : walk.lines) {
    if (HasJapanese(line)) japanese << line;
  }
  EXPECT_EQ(Lines(japanese), "");
  EXPECT_EQ(Lines(walk.collisions), "");
}

}  // namespace
}  // namespace kirabel::testing

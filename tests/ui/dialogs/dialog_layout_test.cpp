// Every dialog as the user sees it: each text lies wholly inside its dialog
// and no text runs into another control, with the fonts this system has.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTranslator>
#include <memory>

#include "document/document.h"
#include "document/soundtrack_loader.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/launch_settings_dialog.h"
#include "ui/dialogs/long_exposure_dialog.h"
#include "ui/dialogs/look_dialog.h"
#include "ui/dialogs/particle_set_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/soundtrack_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"

namespace kirabel {
namespace {

QRect InDialog(const QDialog& dialog, const QWidget& widget, const QRect& local) {
  return QRect(widget.mapTo(&dialog, local.topLeft()), local.size());
}

// The area a label's text covers: a one-line label needs its whole text
// width, whatever size it was given, and the height of its letters; a wrapped
// one keeps its own box.
QRect TextArea(const QDialog& dialog, const QLabel& label) {
  if (!label.pixmap().isNull() || label.wordWrap())
    return InDialog(dialog, label, label.contentsRect());
  const QFontMetrics metrics = label.fontMetrics();
  const int width = metrics.horizontalAdvance(label.text());
  const QRect ink = metrics.tightBoundingRect(label.text());
  const QRect box = label.contentsRect();
  const int left = (label.alignment() & Qt::AlignHCenter) ? box.center().x() - width / 2
                   : (label.alignment() & Qt::AlignRight) ? box.right() - width
                                                          : box.left();
  const int baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
  return InDialog(dialog, label, QRect(left, baseline + ink.top(), width, ink.height()));
}

// A wrapped label must still show every line of its text, each character whole.
void ExpectWrappedTextShown(const QDialog& dialog, const QLabel& label) {
  const QFontMetrics metrics = label.fontMetrics();
  int widest = 0;
  for (const QChar c : label.text()) widest = qMax(widest, metrics.horizontalAdvance(c));
  EXPECT_GE(label.contentsRect().width(), widest) << dialog.windowTitle().toStdString() << ": \""
                                                  << label.text().toStdString() << "\" has no room";
  EXPECT_GE(label.contentsRect().height(), label.heightForWidth(label.width()))
      << dialog.windowTitle().toStdString() << ": \"" << label.text().toStdString()
      << "\" loses lines";
}

// The visible controls a text could run into.
QList<const QWidget*> Controls(const QDialog& dialog) {
  QList<const QWidget*> controls;
  for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    if (qobject_cast<const QLineEdit*>(widget) && qobject_cast<const QComboBox*>(widget->parent()))
      continue;  // the combo box's own editor
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
        qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLabel*>(widget))
      controls.append(widget);
  }
  return controls;
}

// The texts of the page shown.
void ExpectPageTextsFit(const QDialog& dialog) {
  const QRect client = dialog.rect();
  const QList<const QWidget*> controls = Controls(dialog);
  for (const QWidget* widget : controls) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->text().isEmpty()) continue;
    if (label->wordWrap()) ExpectWrappedTextShown(dialog, *label);
    const QRect text = TextArea(dialog, *label);
    EXPECT_TRUE(client.contains(text)) << dialog.windowTitle().toStdString() << ": \""
                                       << label->text().toStdString() << "\" is cut off";
    for (const QWidget* other : controls) {
      if (other == widget) continue;
      const QRect area = InDialog(dialog, *other, other->rect());
      EXPECT_FALSE(text.intersects(area))
          << dialog.windowTitle().toStdString() << ": \"" << label->text().toStdString()
          << "\" runs into " << other->objectName().toStdString();
    }
  }
}

// Every page of a dialog with tabs is looked at in turn.
void ExpectTextsFit(QDialog& dialog) {
  dialog.show();
  auto* pages = dialog.findChild<QTabWidget*>();
  const int count = pages ? pages->count() : 1;
  for (int page = 0; page < count; ++page) {
    if (pages) pages->setCurrentIndex(page);
    SCOPED_TRACE(pages ? pages->tabText(page).toStdString() : std::string());
    ExpectPageTextsFit(dialog);
  }
  if (pages) pages->setCurrentIndex(0);
  dialog.hide();
}

// Every item of a selector shows whole when chosen.
void ExpectItemsFit(const QComboBox& selector) {
  QStyleOptionComboBox option;
  option.initFrom(&selector);
  for (int i = 0; i < selector.count(); ++i) {
    const QSize text(selector.fontMetrics().horizontalAdvance(selector.itemText(i)),
                     selector.fontMetrics().height());
    const int needed =
        selector.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &selector).width();
    EXPECT_GE(selector.width(), needed) << selector.objectName().toStdString() << ": \""
                                        << selector.itemText(i).toStdString() << "\" is cut off";
  }
}

// A field shows its whole text (2 pixels of frame and 2 of margin each side).
void ExpectNumberShown(const NumericField& field) {
  EXPECT_LE(field.fontMetrics().horizontalAdvance(field.text()) + 8, field.width())
      << field.objectName().toStdString() << ": \"" << field.text().toStdString()
      << "\" is cut off";
}

TEST(DialogLayoutTest, PropertiesShowSelectorItemsAndNumbersWhole) {
  ParticleSetDialog dialog;
  dialog.show();  // the pages of its tabs take their places when first shown
  for (QComboBox* selector : {testing::Child<QComboBox>(dialog, "speedDistributionCombo"),
                              testing::Child<QComboBox>(dialog, "directionDistributionCombo"),
                              testing::Child<QComboBox>(dialog, "birthDistributionCombo"),
                              testing::Child<QComboBox>(dialog, "lifetimeDistributionCombo")})
    ExpectItemsFit(*selector);
  // π as a list file keeps it (15 digits) comes back as 179.99999999999981
  // degrees, shown as 180.000000.
  testing::Child<NumericField>(dialog, "directionSpreadEdit")
      ->setValue(3.14159265358979L / 3.1415926535897932385L * 180);
  ExpectNumberShown(*testing::Child<NumericField>(dialog, "directionSpreadEdit"));
  testing::Child<NumericField>(dialog, "speedEdit")->setValue(-999999999);
  ExpectNumberShown(*testing::Child<NumericField>(dialog, "speedEdit"));
  testing::Child<NumericField>(dialog, "sparkSpeedEdit")->setValue(999999999);
  ExpectNumberShown(*testing::Child<NumericField>(dialog, "sparkSpeedEdit"));
  ExpectTextsFit(dialog);  // the columns moved along with the wider controls
}

void ExpectEveryDialogsTextsFit() {
  ResolutionDialog resolution;
  ExpectTextsFit(resolution);
  ThresholdDialog threshold;
  ExpectTextsFit(threshold);
  AboutDialog about;
  ExpectTextsFit(about);
  ParticleSetDialog properties;
  ExpectTextsFit(properties);
  LaunchSettingsDialog launch;
  ExpectTextsFit(launch);
  Document document;
  SoundtrackLoader loader(document);
  SoundtrackDialog soundtrack(loader);
  ExpectTextsFit(soundtrack);
  LookDialog look;
  ExpectTextsFit(look);
  LongExposureDialog longExposure;
  ExpectTextsFit(longExposure);
  longExposure.show();
  for (const char* selector : {"modeCombo", "formatCombo"})
    ExpectItemsFit(*testing::Child<QComboBox>(longExposure, selector));
}

TEST(DialogLayoutTest, TextsFitAndDoNotOverlap) {
  ExpectEveryDialogsTextsFit();
}

// The longer English texts, and every scale factor ctest runs the high-DPI
// suites with, leave the texts whole and apart as well.
TEST(HighDpiDialogLayoutTest, TextsFitInBothLanguages) {
  {
    SCOPED_TRACE("Japanese");
    ExpectEveryDialogsTextsFit();
  }
  QTranslator english;
  ASSERT_TRUE(english.load(QStringLiteral(":/i18n/kirabel_en.qm")));
  QCoreApplication::installTranslator(&english);
  SCOPED_TRACE("English");
  ExpectEveryDialogsTextsFit();
  QCoreApplication::removeTranslator(&english);
}

}  // namespace
}  // namespace kirabel

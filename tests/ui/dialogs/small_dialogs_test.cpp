// The small dialogs as the main window uses them: captions, client sizes,
// fields with their properties, OK as the default button, Cancel on Esc, and
// the values surviving a round trip through the fields.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/resolution_dialog.h"
#include "ui/dialogs/threshold_dialog.h"
#include "ui/widgets/numeric_field.h"
#include "ui_support/child_widget.h"

namespace kirabel {
namespace {

// Shows the dialog modelessly (no nested event loop) and presses one button.
int PressButton(QDialog& dialog, QPushButton* button) {
  dialog.setResult(-1);
  dialog.show();
  QTest::mouseClick(button, Qt::LeftButton);
  return dialog.result();
}

int PressKey(QDialog& dialog, QWidget* focus, Qt::Key key) {
  dialog.setResult(-1);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  focus->setFocus();
  QTest::keyClick(focus, key);
  return dialog.result();
}

void ExpectFixedDialog(const QDialog& dialog, const QString& caption, QSize size) {
  EXPECT_EQ(dialog.windowTitle(), caption);
  EXPECT_EQ(dialog.size(), size);
  EXPECT_EQ(dialog.minimumSize(), size);
  EXPECT_EQ(dialog.maximumSize(), size);
  EXPECT_EQ(dialog.font().pixelSize(), 12);
}

bool HasLabel(const QWidget& parent, const QString& text) {
  for (const QLabel* label : parent.findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

TEST(ResolutionDialogTest, LayoutAndFields) {
  ResolutionDialog dialog;
  ExpectFixedDialog(dialog, QStringLiteral("空間解像度の設定"), QSize(204, 121));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("空間ビューワの解像度を設定します")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("X")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Y")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("×")));
  for (const char* name : {"widthEdit", "heightEdit"}) {
    auto* field = dialog.findChild<NumericField*>(QString::fromLatin1(name));
    ASSERT_NE(field, nullptr) << name;
    EXPECT_EQ(field->maxDigits(), 4);
    EXPECT_FALSE(field->allowNegative());
    EXPECT_EQ(field->fixedDecimals(), 0);
    EXPECT_TRUE(field->showZero());
  }
  EXPECT_TRUE(testing::Child<QPushButton>(dialog, "okButton")->isDefault());
  EXPECT_EQ(testing::Child<QPushButton>(dialog, "okButton")->text(), QStringLiteral("OK"));
  EXPECT_EQ(testing::Child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
}

TEST(ResolutionDialogTest, ButtonsAndKeysCloseWithTheirResults) {
  ResolutionDialog dialog;
  testing::Child<NumericField>(dialog, "widthEdit")->setValue(640);
  testing::Child<NumericField>(dialog, "heightEdit")->setValue(480);
  EXPECT_EQ(PressButton(dialog, testing::Child<QPushButton>(dialog, "okButton")),
            QDialog::Accepted);
  EXPECT_EQ(testing::Child<NumericField>(dialog, "widthEdit")->value(), 640.0L);
  EXPECT_EQ(testing::Child<NumericField>(dialog, "heightEdit")->value(), 480.0L);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(PressButton(dialog, testing::Child<QPushButton>(dialog, "cancelButton")),
            QDialog::Rejected);
  EXPECT_EQ(PressKey(dialog, testing::Child<NumericField>(dialog, "widthEdit"), Qt::Key_Escape),
            QDialog::Rejected);
}

TEST(ResolutionDialogTest, FieldsHoldZeroToFourDigits) {
  ResolutionDialog dialog;
  testing::Child<NumericField>(dialog, "widthEdit")->setValue(0);
  EXPECT_EQ(testing::Child<NumericField>(dialog, "widthEdit")->value(), 0.0L);
  EXPECT_EQ(testing::Child<NumericField>(dialog, "widthEdit")->text().trimmed(),
            QStringLiteral("0"));
  testing::Child<NumericField>(dialog, "heightEdit")->setValue(9999);
  EXPECT_EQ(testing::Child<NumericField>(dialog, "heightEdit")->value(), 9999.0L);
}

TEST(ThresholdDialogTest, LayoutFieldsAndRoundTrip) {
  ThresholdDialog dialog;
  ExpectFixedDialog(dialog, QStringLiteral("警告値の設定"), QSize(312, 100));
  EXPECT_TRUE(
      HasLabel(dialog, QStringLiteral("粒子数がこれ以上になると、打ち上げ時に警告を出します")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("個")));
  auto* field = dialog.findChild<NumericField*>(QStringLiteral("thresholdEdit"));
  ASSERT_EQ(field, testing::Child<NumericField>(dialog, "thresholdEdit"));
  EXPECT_EQ(field->value(), 10000.0L);
  EXPECT_EQ(field->maxDigits(), 9);
  EXPECT_FALSE(field->allowNegative());
  EXPECT_EQ(field->fixedDecimals(), 0);

  field->setValue(5000);
  EXPECT_EQ(PressButton(dialog, testing::Child<QPushButton>(dialog, "okButton")),
            QDialog::Accepted);
  EXPECT_EQ(field->value(), 5000.0L);
  EXPECT_TRUE(testing::Child<QPushButton>(dialog, "okButton")->isDefault());
  EXPECT_EQ(PressButton(dialog, testing::Child<QPushButton>(dialog, "cancelButton")),
            QDialog::Rejected);
}

TEST(AboutDialogTest, PictureTextAndOk) {
  AboutDialog dialog;
  ExpectFixedDialog(dialog, QStringLiteral("あばうと"), QSize(293, 287));
  const QLabel* picture = testing::Child<QLabel>(dialog, "picture");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->size(), QSize(128, 128));
  EXPECT_EQ(picture->pixmap().size(), QSize(128, 128));
  EXPECT_LT(picture->y(), 30);
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Thank you for your downloading...")));
  EXPECT_TRUE(HasLabel(dialog, QStringLiteral("Kirabel")));
  EXPECT_TRUE(testing::Child<QPushButton>(dialog, "okButton")->isDefault());
  EXPECT_EQ(PressButton(dialog, testing::Child<QPushButton>(dialog, "okButton")),
            QDialog::Accepted);
  EXPECT_EQ(PressKey(dialog, testing::Child<QPushButton>(dialog, "okButton"), Qt::Key_Return),
            QDialog::Accepted);
}

TEST(SmallDialogsTest, ShownCentredOnTheScreen) {
  ThresholdDialog dialog;
  dialog.show();
  const QRect screen = dialog.screen()->geometry();
  EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(dialog.frameGeometry().center().y() - screen.center().y()), 1);
  dialog.hide();
}

}  // namespace
}  // namespace kirabel

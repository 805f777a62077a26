#include "ui/properties_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "controls/NValEdit.h"
#include "model/angles.h"
#include "model/particle.h"
#include "ui/color_dialog_service.h"
#include "ui/color_swatch.h"
#include "ui/modal_runner.h"
#include "ui/properties_exchange.h"
#include "ui_support/design_values.h"

namespace kirabel {
namespace {

template <typename W>
W* Find(TForm3& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(QLatin1String(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// The next widget that the Tab key reaches.
QWidget* NextTabStop(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (next != from && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

TParticle SampleSet() {
  TParticle set;
  set.colR = 10;
  set.colG = 20;
  set.colB = 30;
  set.N = 1234;
  set.P0x = 100.5L;
  set.P0y = 7;
  set.b = 3.25L;
  set.eb = 1.5L;
  set.vb = DegreesToRadians(30);
  set.db = DegreesToRadians(45);
  set.gt = -3;
  set.et = 2;
  set.lt = 40;
  set.elt = 0;
  set.tv = 8;
  set.ns = 50;
  set.visible = false;
  set.child = 1;
  set.am = 4;
  set.rmB = 1;
  set.rmVB = 2;
  set.rmGT = 0;
  set.rmLT = 1;
  set.name = "花火";
  return set;
}

TEST(PropertiesDialogTest, FrameControlsAndDesignValues) {
  TForm3 dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("パーティクルセットの個別設定"));
  // The design size; wider only as far as the system's font needs.
  EXPECT_EQ(dialog.height(), 403);
  EXPECT_GE(dialog.width(), 423);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_TRUE(Find<QPushButton>(dialog, "BitBtn4")->isDefault());
  EXPECT_EQ(Find<QPushButton>(dialog, "BitBtn1")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  EXPECT_EQ(Find<TNValEdit>(dialog, "NEditDB")->toolTip(),
            QStringLiteral("「爆発の向き」を中心に、どのくらいの範囲で飛び散るか"));
  QComboBox* strength = Find<QComboBox>(dialog, "ComboBox2");
  ASSERT_EQ(strength->count(), 3);
  EXPECT_EQ(strength->itemText(2), QStringLiteral("等間隔配置(非ﾗﾝﾀﾞﾑ)"));
  EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox1")->itemText(0), QStringLiteral("(なし)"));

  // Confirmed unchanged, the design values make exactly the first new set.
  TParticle set;
  DialogToSet(dialog, set);
  testing::ExpectFirstNewSet(set);
}

TEST(PropertiesDialogTest, TabOrderFollowsTheRows) {
  TForm3 dialog;
  const char* const order[] = {"Edit1",     "Shape1",    "NEditN",    "NEditP0X",  "NEditP0Y",
                               "NEditB",    "NEditEB",   "ComboBox2", "NEditVB",   "NEditDB",
                               "ComboBox3", "NEditGT",   "NEditET",   "ComboBox4", "NEditLT",
                               "NEditELT",  "ComboBox5", "NEditTV",   "NEditNS",   "ComboBox1",
                               "NEditAM",   "CheckBox1", "BitBtn4",   "BitBtn1"};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget* from = dialog.findChild<QWidget*>(QLatin1String(order[i]));
    ASSERT_NE(from, nullptr) << order[i];
    EXPECT_EQ(NextTabStop(from)->objectName(), QLatin1String(order[i + 1])) << order[i];
  }
}

TEST(PropertiesDialogTest, ExchangeRoundTripsEveryField) {
  TForm3 dialog;
  dialog.ComboBox1->addItems({QStringLiteral("A"), QStringLiteral("B")});
  const TParticle source = SampleSet();
  SetToDialog(dialog, source);
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("花火"));
  EXPECT_EQ(dialog.NEditVB->text(), QStringLiteral("30"));  // π/6 shows as 30 degrees
  EXPECT_EQ(dialog.ComboBox1->currentIndex(), 2);
  EXPECT_FALSE(dialog.CheckBox1->isChecked());

  TParticle back;
  DialogToSet(dialog, back);
  EXPECT_EQ((std::array<int, 3>{back.colR, back.colG, back.colB}),
            (std::array<int, 3>{10, 20, 30}));
  EXPECT_EQ(back.N, 1234);
  EXPECT_EQ(back.P0x, 100.5L);
  EXPECT_EQ(back.b, 3.25L);
  EXPECT_EQ(back.vb, source.vb);  // 30 degrees come back as the same radians
  EXPECT_EQ(back.db, source.db);
  EXPECT_EQ(back.gt, -3);
  EXPECT_EQ(back.ns, 50);
  EXPECT_EQ(back.child, 1);
  EXPECT_EQ(back.am, 4);
  EXPECT_EQ(back.rmB, 1);
  EXPECT_EQ(back.rmVB, 2);
  EXPECT_EQ(back.rmLT, 1);
  EXPECT_EQ(back.name, "花火");
  EXPECT_FALSE(back.visible);
}

TEST(PropertiesDialogTest, ValuesOutsideTheControlsAreTamed) {
  TForm3 dialog;
  dialog.ComboBox1->addItem(QStringLiteral("only"));
  TParticle set = SampleSet();
  set.child = 5;  // names no set
  set.rmB = 7;    // no such distribution
  set.P0x = 12345;
  set.eb = -2.5L;
  SetToDialog(dialog, set);
  EXPECT_EQ(dialog.ComboBox1->currentIndex(), 0);
  EXPECT_EQ(dialog.ComboBox2->currentIndex(), -1);
  EXPECT_EQ(dialog.NEditP0X->Value(), 9999);

  TParticle back;
  DialogToSet(dialog, back);
  EXPECT_EQ(back.child, -1);
  EXPECT_EQ(back.rmB, -1);
  EXPECT_EQ(back.P0x, 9999);
  EXPECT_EQ(back.eb, 2.5L);

  // The name field refuses typing beyond 40 bytes.
  dialog.Edit1->clear();
  dialog.Edit1->setFocus();
  QTest::keyClicks(dialog.Edit1, QString(45, QLatin1Char('x')));
  EXPECT_EQ(dialog.Edit1->text().size(), 40);
  // A longer name set from outside is cut when it is read back.
  dialog.Edit1->setText(QString(21, QChar(0x706B)));  // 21 × "火" = 42 bytes
  DialogToSet(dialog, back);
  EXPECT_EQ(back.name.size(), 20u * 3);
}

TEST(PropertiesDialogTest, SwatchOffersTheColourChooserPresetWithItsColour) {
  TForm3 dialog;
  dialog.Shape1->setBrushColor(QColor(1, 2, 3));
  ColorDialogService::setNextColor(QColor(200, 0, 0));
  QTest::mouseClick(dialog.Shape1, Qt::LeftButton);
  EXPECT_EQ(ColorDialogService::lastInitialColor(), QColor(1, 2, 3));
  EXPECT_EQ(dialog.Shape1->brushColor(), QColor(200, 0, 0));

  ColorDialogService::setNextColor(std::nullopt);
  QTest::mouseClick(dialog.Shape1, Qt::RightButton);
  EXPECT_EQ(dialog.Shape1->brushColor(), QColor(200, 0, 0));
}

// Tabbed to, the swatch shows focus; Space, Return and keypad Enter each open
// the chooser once, as a click does, and Enter does not close the dialog.
TEST(PropertiesDialogTest, SwatchIsReachedAndWorkedByKeyboard) {
  TForm3 dialog;
  ModalRunner::setNextHandler([&](QDialog&) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QImage unfocused = dialog.Shape1->grab().toImage();
    dialog.Edit1->setFocus();
    QTest::keyClick(dialog.Edit1, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.Shape1);
    EXPECT_NE(dialog.Shape1->grab().toImage(), unfocused);

    const struct {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Space, Qt::NoModifier},
                {Qt::Key_Return, Qt::NoModifier},
                {Qt::Key_Enter, Qt::KeypadModifier}};
    int shade = 0;
    for (const auto& k : keys) {
      const int calls = ColorDialogService::callCount();
      ColorDialogService::setNextColor(QColor(++shade, 0, 0));
      QTest::keyClick(QApplication::focusWidget(), k.key, k.modifiers);
      EXPECT_EQ(ColorDialogService::callCount(), calls + 1) << k.key;
      EXPECT_EQ(dialog.Shape1->brushColor(), QColor(shade, 0, 0)) << k.key;
      EXPECT_TRUE(dialog.isVisible()) << k.key;
    }
  });
  EXPECT_EQ(ModalRunner::exec(dialog), QDialog::Rejected);
}

TEST(PropertiesDialogTest, KeepsItsPlaceBetweenUses) {
  TForm3 dialog;
  dialog.move(123, 45);
  for (int use = 0; use < 2; ++use) {
    ModalRunner::setNextHandler([](QDialog& shown) { shown.accept(); });
    EXPECT_EQ(ModalRunner::exec(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.pos(), QPoint(123, 45));
  }
}

}  // namespace
}  // namespace kirabel

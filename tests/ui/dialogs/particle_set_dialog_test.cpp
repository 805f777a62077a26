#include "ui/dialogs/particle_set_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <utility>
#include <vector>

#include "model/angles.h"
#include "model/particle.h"
#include "support/particle_sets.h"
#include "ui/services/color_dialog_service.h"
#include "ui/services/modal_runner.h"
#include "ui/widgets/color_swatch.h"
#include "ui/widgets/numeric_field.h"
#include "ui/widgets/star_life_strip.h"
#include "ui_support/child_widget.h"
#include "ui_support/first_new_set.h"
#include "ui_support/tab_order.h"

namespace kirabel {
namespace {

template <typename W>
W* Find(ParticleSetDialog& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(QLatin1String(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

ParticleSet SampleSet() {
  ParticleSet set;
  set.red = 10;
  set.green = 20;
  set.blue = 30;
  set.count = 1234;
  set.originX = 100.5L;
  set.originY = 7;
  set.speed = 3.25L;
  set.speedSpread = 1.5L;
  set.direction = DegreesToRadians(30);
  set.directionSpread = DegreesToRadians(45);
  set.birthTime = -3;
  set.birthSpread = 2;
  set.lifetime = 40;
  set.lifetimeSpread = 0;
  set.trailLength = 8;
  set.trailSamples = 50;
  set.visible = false;
  set.child = 1;
  set.maxGenerations = 4;
  set.speedDistribution = 1;
  set.directionDistribution = 2;
  set.birthDistribution = 0;
  set.lifetimeDistribution = 1;
  set.name = "花火";
  return set;
}

TEST(ParticleSetDialogTest, FrameControlsAndStartingValues) {
  ParticleSetDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("パーティクルセットの個別設定"));
  // The laid-out size; wider only as far as the system's font needs.
  EXPECT_EQ(dialog.height(), 403);
  EXPECT_GE(dialog.width(), 423);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_TRUE(Find<QPushButton>(dialog, "okButton")->isDefault());
  EXPECT_EQ(Find<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  EXPECT_EQ(Find<NumericField>(dialog, "directionSpreadEdit")->toolTip(),
            QStringLiteral("「爆発の向き」を中心に、どのくらいの範囲で飛び散るか"));
  QComboBox* strength = Find<QComboBox>(dialog, "speedDistributionCombo");
  ASSERT_EQ(strength->count(), 3);
  EXPECT_EQ(strength->itemText(2), QStringLiteral("等間隔配置(非ﾗﾝﾀﾞﾑ)"));
  EXPECT_EQ(Find<QComboBox>(dialog, "childSetCombo")->itemText(0), QStringLiteral("(なし)"));

  // Confirmed unchanged, the starting values make exactly the first new set.
  ParticleSet set;
  set = dialog.particleSet();
  testing::ExpectFirstNewSet(set);
}

TEST(ParticleSetDialogTest, TabOrderFollowsTheRows) {
  ParticleSetDialog dialog;
  testing::ExpectTabOrder(dialog, {"nameEdit",
                                   "colorSwatch",
                                   "countEdit",
                                   "originXEdit",
                                   "originYEdit",
                                   "speedEdit",
                                   "speedSpreadEdit",
                                   "speedDistributionCombo",
                                   "directionEdit",
                                   "directionSpreadEdit",
                                   "directionDistributionCombo",
                                   "birthTimeEdit",
                                   "birthSpreadEdit",
                                   "birthDistributionCombo",
                                   "lifetimeEdit",
                                   "lifetimeSpreadEdit",
                                   "lifetimeDistributionCombo",
                                   "trailLengthEdit",
                                   "trailSamplesEdit",
                                   "childSetCombo",
                                   "maxGenerationsEdit",
                                   "visibleCheck",
                                   "okButton",
                                   "cancelButton"});
}

TEST(ParticleSetDialogTest, ExchangeRoundTripsEveryField) {
  ParticleSetDialog dialog;
  testing::Child<QComboBox>(dialog, "childSetCombo")
      ->addItems({QStringLiteral("A"), QStringLiteral("B")});
  const ParticleSet source = SampleSet();
  dialog.setParticleSet(source);
  EXPECT_EQ(testing::Child<QLineEdit>(dialog, "nameEdit")->text(), QStringLiteral("花火"));
  EXPECT_EQ(testing::Child<NumericField>(dialog, "directionEdit")->text(),
            QStringLiteral("30"));  // π/6 shows as 30 degrees
  EXPECT_EQ(testing::Child<QComboBox>(dialog, "childSetCombo")->currentIndex(), 2);
  EXPECT_FALSE(testing::Child<QCheckBox>(dialog, "visibleCheck")->isChecked());

  ParticleSet back;
  back = dialog.particleSet();
  EXPECT_EQ((std::array<int, 3>{back.red, back.green, back.blue}),
            (std::array<int, 3>{10, 20, 30}));
  EXPECT_EQ(back.count, 1234);
  EXPECT_EQ(back.originX, 100.5L);
  EXPECT_EQ(back.speed, 3.25L);
  EXPECT_EQ(back.direction, source.direction);  // 30 degrees come back as the same radians
  EXPECT_EQ(back.directionSpread, source.directionSpread);
  EXPECT_EQ(back.birthTime, -3);
  EXPECT_EQ(back.trailSamples, 50);
  EXPECT_EQ(back.child, 1);
  EXPECT_EQ(back.maxGenerations, 4);
  EXPECT_EQ(back.speedDistribution, 1);
  EXPECT_EQ(back.directionDistribution, 2);
  EXPECT_EQ(back.lifetimeDistribution, 1);
  EXPECT_EQ(back.name, "花火");
  EXPECT_FALSE(back.visible);
}

TEST(ParticleSetDialogTest, ValuesOutsideTheControlsAreTamed) {
  ParticleSetDialog dialog;
  testing::Child<QComboBox>(dialog, "childSetCombo")->addItem(QStringLiteral("only"));
  ParticleSet set = SampleSet();
  set.child = 5;              // names no set
  set.speedDistribution = 7;  // no such distribution
  set.originX = 12345;
  set.speedSpread = -2.5L;
  dialog.setParticleSet(set);
  EXPECT_EQ(testing::Child<QComboBox>(dialog, "childSetCombo")->currentIndex(), 0);
  EXPECT_EQ(testing::Child<QComboBox>(dialog, "speedDistributionCombo")->currentIndex(), -1);
  EXPECT_EQ(testing::Child<NumericField>(dialog, "originXEdit")->value(), 9999);

  ParticleSet back;
  back = dialog.particleSet();
  EXPECT_EQ(back.child, -1);
  EXPECT_EQ(back.speedDistribution, -1);
  EXPECT_EQ(back.originX, 9999);
  EXPECT_EQ(back.speedSpread, 2.5L);

  // The name field refuses typing beyond 40 bytes.
  testing::Child<QLineEdit>(dialog, "nameEdit")->clear();
  testing::Child<QLineEdit>(dialog, "nameEdit")->setFocus();
  QTest::keyClicks(testing::Child<QLineEdit>(dialog, "nameEdit"), QString(45, QLatin1Char('x')));
  EXPECT_EQ(testing::Child<QLineEdit>(dialog, "nameEdit")->text().size(), 40);
  // A longer name set from outside is cut when it is read back.
  testing::Child<QLineEdit>(dialog, "nameEdit")
      ->setText(QString(21, QChar(0x706B)));  // 21 × "火" = 42 bytes
  back = dialog.particleSet();
  EXPECT_EQ(back.name.size(), 20u * 3);
}

TEST(ParticleSetDialogTest, SwatchOffersTheColourChooserPresetWithItsColour) {
  ParticleSetDialog dialog;
  testing::Child<ColorSwatch>(dialog, "colorSwatch")->setBrushColor(QColor(1, 2, 3));
  ColorDialogService::setNextColor(QColor(200, 0, 0));
  QTest::mouseClick(testing::Child<ColorSwatch>(dialog, "colorSwatch"), Qt::LeftButton);
  EXPECT_EQ(ColorDialogService::lastInitialColor(), QColor(1, 2, 3));
  EXPECT_EQ(testing::Child<ColorSwatch>(dialog, "colorSwatch")->brushColor(), QColor(200, 0, 0));

  ColorDialogService::setNextColor(std::nullopt);
  QTest::mouseClick(testing::Child<ColorSwatch>(dialog, "colorSwatch"), Qt::RightButton);
  EXPECT_EQ(testing::Child<ColorSwatch>(dialog, "colorSwatch")->brushColor(), QColor(200, 0, 0));
}

// Tabbed to, the swatch shows focus; Space, Return and keypad Enter each open
// the chooser once, as a click does, and Enter does not close the dialog.
TEST(ParticleSetDialogTest, SwatchIsReachedAndWorkedByKeyboard) {
  ParticleSetDialog dialog;
  ModalRunner::setNextHandler([&](QDialog&) {
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QImage unfocused = testing::Child<ColorSwatch>(dialog, "colorSwatch")->grab().toImage();
    testing::Child<QLineEdit>(dialog, "nameEdit")->setFocus();
    QTest::keyClick(testing::Child<QLineEdit>(dialog, "nameEdit"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), testing::Child<ColorSwatch>(dialog, "colorSwatch"));
    EXPECT_NE(testing::Child<ColorSwatch>(dialog, "colorSwatch")->grab().toImage(), unfocused);

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
      EXPECT_EQ(testing::Child<ColorSwatch>(dialog, "colorSwatch")->brushColor(),
                QColor(shade, 0, 0))
          << k.key;
      EXPECT_TRUE(dialog.isVisible()) << k.key;
    }
  });
  EXPECT_EQ(ModalRunner::exec(dialog), QDialog::Rejected);
}

TEST(ParticleSetDialogTest, KeepsItsPlaceBetweenUses) {
  ParticleSetDialog dialog;
  dialog.move(123, 45);
  for (int use = 0; use < 2; ++use) {
    ModalRunner::setNextHandler([](QDialog& shown) { shown.accept(); });
    EXPECT_EQ(ModalRunner::exec(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.pos(), QPoint(123, 45));
  }
}

TEST(ParticleSetDialogTest, StarPageRoundTripsEveryEffectAndKeepsTheSeed) {
  ParticleSetDialog dialog;
  ParticleSet source = SampleSet();
  source.SetEffects(testing::EveryStarEffect());
  dialog.setParticleSet(source);
  const struct {
    const char* field;
    long double shown;
  } fields[] = {
      {"dragEdit", 0.25L},     {"fadeInEdit", 1.5L},      {"fadeOutEdit", 2.5L},
      {"flashEdit", 3},        {"flashTimeEdit", 0.75L},  {"strobePeriodEdit", 0.5L},
      {"strobeLitEdit", 0.4L}, {"secondColorAgeEdit", 4}, {"secondColorBlendEdit", 1.25L},
      {"sparkRateEdit", 6},    {"sparkLifetimeEdit", 2},  {"sparkSpeedEdit", 1.5L},
  };
  for (const auto& f : fields)
    EXPECT_EQ(testing::Child<NumericField>(dialog, f.field)->value(), f.shown) << f.field;
  EXPECT_TRUE(testing::Child<QCheckBox>(dialog, "secondColorCheck")->isChecked());
  EXPECT_EQ(testing::Child<ColorSwatch>(dialog, "secondColorSwatch")->brushColor(),
            QColor(10, 20, 30));
  EXPECT_EQ(testing::Child<ColorSwatch>(dialog, "sparkColorSwatch")->brushColor(),
            QColor(40, 50, 60));
  EXPECT_EQ(dialog.particleSet().Effects(), source.Effects());

  // Without the check box the second colour is off (its age -1) and its
  // controls wait disabled; amounts beyond the effects' limits are held.
  testing::Child<QCheckBox>(dialog, "secondColorCheck")->setChecked(false);
  EXPECT_FALSE(testing::Child<NumericField>(dialog, "secondColorAgeEdit")->isEnabled());
  EXPECT_FALSE(testing::Child<ColorSwatch>(dialog, "secondColorSwatch")->isEnabled());
  testing::Child<NumericField>(dialog, "dragEdit")->setValue(5000);
  testing::Child<NumericField>(dialog, "strobeLitEdit")->setValue(7);
  const StarEffects read = dialog.particleSet().Effects();
  EXPECT_EQ(read.secondColourAge, -1);
  EXPECT_EQ(read.drag, 100);
  EXPECT_EQ(read.strobeLit, 1);

  // A new set starts without effects and without a seed.
  dialog.proposeNewSet(QStringLiteral("new"));
  EXPECT_EQ(dialog.particleSet().Effects(), StarEffects());
}

TEST(ParticleSetDialogTest, StarPageTabOrderFollowsTheRows) {
  ParticleSetDialog dialog;
  testing::Child<QTabWidget>(dialog, "pages")->setCurrentIndex(1);
  testing::ExpectTabOrder(
      dialog, {"dragEdit", "fadeInEdit", "fadeOutEdit", "flashEdit", "flashTimeEdit",
               "strobePeriodEdit", "strobeLitEdit", "secondColorCheck", "secondColorSwatch",
               "secondColorAgeEdit", "secondColorBlendEdit", "sparkRateEdit", "sparkColorSwatch",
               "sparkLifetimeEdit", "sparkSpeedEdit", "okButton", "cancelButton"});
}

// The strip follows every change of a field, the check box and a swatch, and
// draws the light the launch gives a star.
TEST(ParticleSetDialogTest, StarLifeStripFollowsTheFields) {
  ParticleSetDialog dialog;
  testing::Child<QTabWidget>(dialog, "pages")->setCurrentIndex(1);
  dialog.show();
  auto* strip = testing::Child<StarLifeStrip>(dialog, "starLifeStrip");
  QImage before = strip->grab().toImage();
  const auto changes = std::vector<std::pair<const char*, std::function<void()>>>{
      {"fade in", [&] { testing::Child<NumericField>(dialog, "fadeInEdit")->setValue(10); }},
      {"lifetime", [&] { testing::Child<NumericField>(dialog, "lifetimeEdit")->setValue(30); }},
      {"strobe",
       [&] {
         testing::Child<NumericField>(dialog, "strobePeriodEdit")->setValue(4);
         testing::Child<NumericField>(dialog, "strobeLitEdit")->setValue(0.5L);
       }},
      {"second colour",
       [&] {
         testing::Child<NumericField>(dialog, "secondColorAgeEdit")->setValue(5);
         testing::Child<QCheckBox>(dialog, "secondColorCheck")->setChecked(true);
         ColorDialogService::setNextColor(QColor(255, 0, 0));
         QTest::mouseClick(testing::Child<ColorSwatch>(dialog, "secondColorSwatch"),
                           Qt::LeftButton);
       }},
      {"blend", [&] { testing::Child<NumericField>(dialog, "secondColorBlendEdit")->setValue(9); }},
  };
  for (const auto& [what, change] : changes) {
    change();
    const QImage after = strip->grab().toImage();
    EXPECT_NE(after, before) << what;
    before = after;
  }
  const std::vector<StarLifeColumn> expected =
      StarLifeColumns(dialog.particleSet(), static_cast<int>(strip->columns().size()));
  ASSERT_FALSE(expected.empty());
  for (std::size_t x : {std::size_t{0}, expected.size() / 3, expected.size() - 1})
    EXPECT_EQ(strip->columns()[x].brightness, expected[x].brightness) << x;
}

}  // namespace
}  // namespace kirabel
